#include "WinTestText.h"

#include <windows.h>

#include <cstdio>
#include <vector>

std::wstring wide(const std::string& utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

AnsiText gbk(const std::string& utf8) {
    const std::wstring w = wide(utf8);
    const int n = WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    AnsiText out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

ScratchFolder::ScratchFolder(const std::string& utf8Name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    AnsiText base = temp;
    if (!base.empty() && base.back() == '\\') base.pop_back();
    for (unsigned i = GetTickCount() % 100000;; ++i) {
        AnsiText candidate = base + "\\" + gbk(utf8Name) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(i);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            break;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const AnsiText name = found.cFileName;
            if (name == "." || name == "..") continue;
            const AnsiText full = path_ + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(full.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

namespace {
std::wstring widePath(const AnsiText& path) {
    const int n = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), out.data(), n);
    return out;
}
}  // namespace

bool writeBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                      written == bytes.size());
    return CloseHandle(file) && ok;
}

bool readBytes(const std::wstring& path, std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return true;
}

bool writeBytes(const AnsiText& path, const std::string& bytes) { return writeBytes(widePath(path), bytes); }

bool readBytes(const AnsiText& path, std::string& bytes) { return readBytes(widePath(path), bytes); }

bool fileExists(const AnsiText& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
