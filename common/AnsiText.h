#pragma once

#include <string>

// A byte string in the system ANSI code page (code page 936 on the machines
// the tool is made for).  A double-byte character is a lead byte of 0x80 or
// above followed by a trail byte.  The absent text and the empty text are
// the same value here: the empty string.
using AnsiText = std::string;

// True when the byte begins a double-byte character.
inline bool isLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}
