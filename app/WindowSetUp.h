#pragma once

#include "app/MainWindow.h"
#include "app/SystemFunctionTable.h"
#include "history/HistoryLog.h"
#include "history/HotkeyActions.h"

// The created event of the main window: see-through colour key, glass over
// the whole window, the place at the lower right, the history counter and
// the two hotkeys.  Runs once, before the window is first shown.
void setUpWindow(MainWindow& window, SystemFunctionTable& functions, HistoryLog& history, HotkeyActions& actions);

// Where the window's top-left corner goes on a screen of this size.
POINT lowerRightPlace(int screenWidth, int screenHeight);
