#pragma once

// The whole running tool: its state and the parts that act on it.
#include "app/MainWindow.h"
#include "app/ReporterWin32.h"
#include "app/SystemFunctionTable.h"
#include "desktop/KeystrokeSenderWin32.h"
#include "history/FileWriterWin32.h"
#include "history/HistoryExport.h"
#include "history/HistoryLog.h"
#include "history/HotkeyActions.h"
#include "names/NameComposer.h"
#include "names/ProfileReaderWin32.h"

class Application {
public:
    explicit Application(const AnsiText& runDirectory);

    // Creates and shows the main window; false when it cannot be created.
    bool createMainWindow();
    HistoryLog& history() { return history_; }

private:
    static void onCreated(void* self);
    static void onHotkeyFeedback(void* self, int param1, int param2);
    static void onSaveClick(void* self);

    AnsiText runDirectory_;
    Win32ProfileReader profileReader_;
    Win32TickSource ticks_;
    NameListFile nameListFile_;
    RandomSource random_;
    NameComposer composer_;
    MainWindow window_;
    MessageBoxReporter reporter_;
    KeystrokeSender keystrokes_;
    HistoryLog history_;
    HotkeyActions actions_;
    Win32FileWriter fileWriter_;
    HistoryExport export_;
};
