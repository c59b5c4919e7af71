#include "desktop/HotkeyServiceWin32.h"

#include "desktop/HotkeyModifiers.h"

namespace {
HotkeyServiceState state = {0, 0, nullptr, nullptr};
}  // namespace

const HotkeyServiceState& hotkeyServiceState() { return state; }

int32_t registerHotkey(HWND window, HWND receiver, int32_t modifierCode, UINT virtualKey) {
    state.receiver = receiver;
    const UINT flags = hotkeyModifierFlags(modifierCode);
    if (state.previousWindowProc == nullptr) {
        // The W form keeps the window a Unicode window.
        state.previousWindowProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hotkeyWindowProc)));
    }
    state.sequence += 1;
    state.lastIssuedId = static_cast<uint32_t>(33000 + state.sequence);
    const int32_t id = static_cast<int32_t>(state.lastIssuedId);
    return RegisterHotKey(window, id, flags, virtualKey) ? id : 0;
}

LRESULT CALLBACK hotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY && wParam >= static_cast<WPARAM>(kFirstHotkeyId) &&
        wParam <= static_cast<WPARAM>(state.lastIssuedId)) {
        // The whole action runs here, before the old procedure sees the key.
        SendMessageW(state.receiver, kHotkeyNotifyMessage, wParam, 0);
    }
    return CallWindowProcW(state.previousWindowProc, window, message, wParam, lParam);
}
