#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/AnsiText.h"

// Stops the run with a note when a property does not hold.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// Marks the bytes that begin a character: a lead byte and the byte after it
// are one character; a lead byte in the last place stands alone.
inline std::vector<bool> characterStarts(const AnsiText& text) {
    std::vector<bool> starts(text.size(), false);
    size_t i = 0;
    while (i < text.size()) {
        starts[i] = true;
        i += isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    }
    return starts;
}

// The input as texts cut at its NUL bytes, at most count of them; bytes after
// the last one allowed are dropped.  Missing texts are empty.
inline std::vector<AnsiText> nulSeparated(const uint8_t* data, size_t size, size_t count) {
    std::vector<AnsiText> parts(count);
    size_t which = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            parts[which] += static_cast<char>(data[i]);
        } else if (++which == count) {
            break;
        }
    }
    return parts;
}

// Four bytes, least significant first.
inline uint32_t littleEndian32(const uint8_t* data) {
    return static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
           static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
}
