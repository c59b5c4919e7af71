#pragma once

#include <windows.h>

#include "history/HotkeyActions.h"

// The tool's warnings: a message box owned by the main window.
class MessageBoxReporter final : public Reporter {
public:
    void setOwner(HWND owner) { owner_ = owner; }
    void showWarning(const AnsiText& text) override;

private:
    HWND owner_ = nullptr;
};
