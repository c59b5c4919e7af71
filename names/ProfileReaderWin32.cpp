#include "names/ProfileReaderWin32.h"

#include <windows.h>

#include <vector>

namespace {
// The first buffer holds any ordinary word list in one read.
constexpr DWORD kFirstBufferSize = 10240;
}  // namespace

AnsiText Win32ProfileReader::readString(const AnsiText& section, const AnsiText& key,
                                        const AnsiText& path) {
    std::vector<char> buffer;
    DWORD size = kFirstBufferSize;
    for (;;) {
        buffer.assign(size, '\0');
        const DWORD copied =
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), size, path.c_str());
        // size - 1 means the value may have been cut to fit: read it again
        // into a buffer twice as large.
        if (copied + 1 < size || size >= 0x40000000u) return AnsiText(buffer.data());
        size *= 2;
    }
}

uint32_t Win32TickSource::ticks() { return GetTickCount(); }
