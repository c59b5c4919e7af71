#pragma once

#include "common/AnsiText.h"

// The directory part of an executable's full path: everything before the
// last backslash, found character by character so that a trail byte of 0x5C
// inside a double-byte character is never taken for a separator.  Empty when
// the path holds no backslash.
AnsiText cutRunDirectory(const AnsiText& executablePath);
