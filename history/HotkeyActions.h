#pragma once

#include <cstdint>

#include "common/AnsiText.h"
#include "common/TextBox.h"
#include "history/HistoryLog.h"
#include "names/NameComposer.h"

// A platform window handle, carried through the core without looking at it.
using WindowRef = uintptr_t;

// Typing into the window under the mouse cursor.
class KeystrokeTarget {
public:
    virtual WindowRef findTargetWindow() = 0;
    virtual void postText(WindowRef window, const AnsiText& text) = 0;

protected:
    ~KeystrokeTarget() = default;
};

// Shows one of the tool's warnings and returns when the user has closed it.
class Reporter {
public:
    virtual void showWarning(const AnsiText& text) = 0;

protected:
    ~Reporter() = default;
};

// What F1 and F2 do.
class HotkeyActions {
public:
    struct Parts {
        NameComposer& composer;
        TextBox& nameBox;  // 编辑框1: the one place that holds the current name
        KeystrokeTarget& keystrokes;
        HistoryLog& history;
        Reporter& reporter;
        AnsiText nameListPath;  // for the empty-list warning
    };
    explicit HotkeyActions(const Parts& parts) : parts_(parts) {}

    void onHotkey(int32_t param1, int32_t param2);

    int32_t f1HotkeyId = 0;
    int32_t f2HotkeyId = 0;

private:
    bool showNewName();
    void typeShownName();

    Parts parts_;
};
