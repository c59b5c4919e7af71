#pragma once

// System-wide hotkeys, each press reported synchronously to one receiver
// window as the notification message.
#include <windows.h>

#include <cstdint>

constexpr UINT kHotkeyNotifyMessage = 32885;
constexpr int32_t kFirstHotkeyId = 33001;

struct HotkeyServiceState {
    int32_t sequence;
    uint32_t lastIssuedId;
    HWND receiver;
    WNDPROC previousWindowProc;
};

// Registers virtualKey with the modifiers of modifierCode for window and
// makes receiver the receiver of every press.  The first call replaces
// window's procedure.  Returns the identifier, or 0 when the platform
// refused the key (another program holds it).
int32_t registerHotkey(HWND window, HWND receiver, int32_t modifierCode, UINT virtualKey);

// The procedure that takes the registering window's place.
LRESULT CALLBACK hotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

const HotkeyServiceState& hotkeyServiceState();
