#pragma once

#include "history/HistoryExport.h"

// Saves by writing a temporary file beside the target, flushing it and
// renaming it over the target, so the old file stays whole until the new
// one is complete.  On failure the temporary file is removed.
class Win32FileWriter final : public FileWriter {
public:
    WriteResult writeWholeFile(const AnsiText& path, const AnsiText& bytes) override;
};

// FormatMessageA's text for a system error code, without the line break it
// ends with.
AnsiText systemErrorText(unsigned long errorCode);
