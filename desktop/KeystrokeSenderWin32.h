#pragma once

// Types a text into the window under the mouse cursor by posting one
// WM_CHAR per byte: no activation, no focus change, no key presses.
#include <windows.h>

#include "app/SystemFunctionTable.h"
#include "history/HotkeyActions.h"

// The smallest visible window at the cursor among the hit window and its
// siblings below it; null when nothing is there.
HWND findTargetWindow();

// One WM_CHAR per byte, zero-extended, lParam 0.
void postText(SystemFunctionTable& functions, HWND window, const AnsiText& text);

class KeystrokeSender final : public KeystrokeTarget {
public:
    explicit KeystrokeSender(SystemFunctionTable& functions) : functions_(functions) {}
    WindowRef findTargetWindow() override;
    void postText(WindowRef window, const AnsiText& text) override;

private:
    SystemFunctionTable& functions_;
};
