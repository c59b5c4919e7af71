#include "common/RunDirectory.h"

AnsiText cutRunDirectory(const AnsiText& executablePath) {
    size_t lastBackslash = AnsiText::npos;
    size_t i = 0;
    const size_t n = executablePath.size();
    while (i < n) {
        if (isLeadByte(executablePath[i]) && i + 1 < n) {
            i += 2;
            continue;
        }
        if (executablePath[i] == '\\') lastBackslash = i;
        ++i;
    }
    if (lastBackslash == AnsiText::npos) return AnsiText();
    return executablePath.substr(0, lastBackslash);
}
