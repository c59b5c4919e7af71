// The Windows side of the fatal report: a message box with no owner, then
// the end of the process with exit code -1.
#include <windows.h>

#include "common/FatalRuntimeError.h"
#include "common/Lifecycle.h"
#include "common/SystemTexts.h"

void FatalRuntimeError(const AnsiText& message, int32_t code) {
    const AnsiText text = fatalReportText(message, code);
    {
        ReportScope report;
        MessageBoxA(nullptr, text.c_str(), texts::kFatalCaption, MB_OK | MB_ICONHAND);
    }
    cancelExitRoutine();
    ExitProcess(static_cast<UINT>(-1));
}
