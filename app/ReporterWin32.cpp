#include "app/ReporterWin32.h"

#include "common/Lifecycle.h"
#include "history/ReportTexts.h"

void MessageBoxReporter::showWarning(const AnsiText& text) {
    ReportScope report;
    MessageBoxA(owner_, text.c_str(), kReportCaption, MB_OK | MB_ICONWARNING);
}
