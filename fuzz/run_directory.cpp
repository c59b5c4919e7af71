// cutRunDirectory on any path.  The directory is a prefix of the path and
// the byte after it is a backslash that begins a character, with no such
// backslash later; when the path has no such backslash the directory is
// empty.
#include "FuzzCheck.h"
#include "common/RunDirectory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const AnsiText path(reinterpret_cast<const char*>(data), size);
    const AnsiText directory = cutRunDirectory(path);
    const std::vector<bool> starts = characterStarts(path);
    auto separatorAt = [&](size_t i) { return starts[i] && path[i] == '\\'; };

    const size_t cut = directory.size();
    if (cut >= size || !separatorAt(cut)) {
        check(directory.empty(), "the directory does not stop before a backslash");
        for (size_t i = 0; i < size; ++i) check(!separatorAt(i), "a backslash was missed");
        return 0;
    }
    check(path.compare(0, cut, directory) == 0, "the directory is not a prefix of the path");
    for (size_t i = cut + 1; i < size; ++i) check(!separatorAt(i), "a later backslash was missed");
    return 0;
}
