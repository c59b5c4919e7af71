#include "history/HistoryExport.h"

#include "common/Lifecycle.h"
#include "common/SystemTexts.h"
#include "history/ReportTexts.h"

AnsiText HistoryExport::path() const { return runDirectory_ + texts::kExportFileSuffix; }

void HistoryExport::exportHistory() {
    if (reportIsOpen()) return;
    const AnsiText target = path();
    const AnsiText bytes = historyBox_.text();
    const WriteResult result = writer_.writeWholeFile(target, bytes);
    if (!result.written) reporter_.showWarning(saveFailedReportText(target, result.systemErrorText));
}
