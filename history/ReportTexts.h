#pragma once

#include "common/AnsiText.h"

// The warning shown when F1 finds a word list empty.  key is 姓, 名 or 符;
// the last line holds the file's full path.
AnsiText emptyListReportText(const AnsiText& key, const AnsiText& nameListPath);

// The warning shown when the history could not be saved.
AnsiText saveFailedReportText(const AnsiText& path, const AnsiText& systemErrorText);

// The caption of the tool's own warnings.
inline constexpr char kReportCaption[] = "Deruveza";
