#pragma once

#include "names/NameListFile.h"
#include "names/RandomSource.h"

// Reads values with GetPrivateProfileStringA, growing the buffer until the
// whole value fits, so a long word list is never cut.
class Win32ProfileReader final : public ProfileReader {
public:
    AnsiText readString(const AnsiText& section, const AnsiText& key, const AnsiText& path) override;
};

// GetTickCount.
class Win32TickSource final : public TickSource {
public:
    uint32_t ticks() override;
};
