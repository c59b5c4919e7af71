#pragma once

#include <cstdint>

#include "common/AnsiText.h"

// The text of the one report of a fatal condition.  code 0 means no code;
// an empty message adds no message line.
AnsiText fatalReportText(const AnsiText& message, int32_t code);

// Shows the fatal report and ends the process with exit code -1; the exit
// routine does not run.  Never returns.  The Windows build defines it with a
// message box; the portable tests define their own.
[[noreturn]] void FatalRuntimeError(const AnsiText& message, int32_t code);

// A message formatted from one of the "%s" texts, as sprintf formats it.
AnsiText formatText(const char* format, const AnsiText& first);
AnsiText formatText(const char* format, const AnsiText& first, const AnsiText& second);
// A message formatted from a "%d" text, as wsprintfA formats it.
AnsiText formatText(const char* format, int32_t number);

// The decimal form of a signed 32-bit number, as "%d" makes it.
AnsiText decimalText(int32_t value);
