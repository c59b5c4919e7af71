#pragma once

#include <cstdio>
#include <string>

// "D5 C5 C8 FD": bytes shown readably in failure messages and patterns.
inline std::string hexBytes(const std::string& bytes) {
    std::string out;
    char part[4];
    for (unsigned char b : bytes) {
        std::snprintf(part, sizeof part, out.empty() ? "%02X" : " %02X", b);
        out += part;
    }
    return out;
}
