#include "history/ReportTexts.h"

#include "common/SystemTexts.h"

AnsiText emptyListReportText(const AnsiText& key, const AnsiText& nameListPath) {
    AnsiText text = texts::kEmptyListReportStart;
    text += key;
    text += texts::kEmptyListReportMiddle;
    text += nameListPath;
    return text;
}

AnsiText saveFailedReportText(const AnsiText& path, const AnsiText& systemErrorText) {
    AnsiText text = texts::kSaveFailedStart;
    text += path;
    text += "\r\n";
    text += systemErrorText;
    text += texts::kSaveFailedEnd;
    return text;
}
