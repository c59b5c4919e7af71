// Start-up, the message loop and normal termination.
#include <windows.h>

#include "app/Application.h"
#include "app/SystemFunctionTable.h"
#include "common/FatalRuntimeError.h"
#include "common/Lifecycle.h"
#include "common/RunDirectory.h"
#include "common/SystemTexts.h"

namespace {

Application* application = nullptr;

// The exit routine: frees the undo snapshot, and nothing else.
void releaseUndoTextAtExit() {
    if (application != nullptr) application->history().releaseUndoText();
}

AnsiText findRunDirectory() {
    char path[260] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return cutRunDirectory(AnsiText(path, length < sizeof path ? length : sizeof path - 1));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    restrictDllSearchToSystem();

    const AnsiText runDirectory = findRunDirectory();
    SetCurrentDirectoryA(runDirectory.c_str());

    systemFunctions();  // the table's five entries, none bound yet
    registerExitRoutine(releaseUndoTextAtExit);

    static Application app(runDirectory);
    application = &app;
    if (!app.createMainWindow()) FatalRuntimeError(texts::kWindowLoadFailedMessage, 0);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    runExitRoutine();
    systemFunctions().releaseModules();
    return static_cast<int>(message.wParam);
}
