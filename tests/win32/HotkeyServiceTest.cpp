// Registration and routing of global hotkeys, against the real platform.
// The service is process-wide, so one test walks through its life in order.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "desktop/HotkeyServiceWin32.h"

namespace {

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> seen;

constexpr UINT kAskPrevious = WM_APP + 7;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kHotkeyNotifyMessage || message == WM_HOTKEY || message == kAskPrevious)
        seen.push_back({window, message, wParam, lParam});
    if (message == kAskPrevious) return 1234;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeWindow(const wchar_t* name) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = recordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HotkeyTestWindow";
        RegisterClassW(&wc);
        registered = true;
    }
    return CreateWindowExW(0, L"HotkeyTestWindow", name, WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    }
}

void pressKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

TEST(HotkeyService, RegistersAndRoutesPresses) {
    HWND owner = makeWindow(L"owner");
    HWND receiver = makeWindow(L"receiver");
    HWND other = makeWindow(L"other");
    ASSERT_TRUE(owner && receiver && other);
    const LONG_PTR otherProc = GetWindowLongPtrW(other, GWLP_WNDPROC);

    // Identifiers follow the calls; the first call replaces the procedure.
    EXPECT_EQ(registerHotkey(owner, receiver, 0, VK_F13), 33001);
    EXPECT_EQ(GetWindowLongPtrW(owner, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(hotkeyWindowProc));
    EXPECT_EQ(registerHotkey(owner, receiver, 1, VK_F14), 33002);  // Ctrl+F14

    // A key already held fails and still uses up its identifier.
    EXPECT_EQ(registerHotkey(owner, receiver, 0, VK_F13), 0);
    EXPECT_EQ(hotkeyServiceState().lastIssuedId, 33003u);

    // Code 1 registered Ctrl: the same key with Ctrl is now taken, with Alt not.
    EXPECT_FALSE(RegisterHotKey(other, 1, MOD_CONTROL, VK_F14));
    EXPECT_TRUE(RegisterHotKey(other, 2, MOD_ALT, VK_F14));
    UnregisterHotKey(other, 2);

    {
        SCOPED_TRACE("an issued identifier notifies once, then reaches the old procedure");
        seen.clear();
        SendMessageW(owner, WM_HOTKEY, 33002, MAKELPARAM(MOD_CONTROL, VK_F14));
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[0].window, receiver);
        EXPECT_EQ(seen[0].message, kHotkeyNotifyMessage);
        EXPECT_EQ(seen[0].wParam, 33002u);
        EXPECT_EQ(seen[0].lParam, 0);
        EXPECT_EQ(seen[1].window, owner);
        EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_HOTKEY));
    }
    {
        SCOPED_TRACE("identifiers outside 33001..lastIssuedId notify nobody");
        for (WPARAM id : {WPARAM(33000), WPARAM(33004), static_cast<WPARAM>(-2)}) {
            seen.clear();
            SendMessageW(owner, WM_HOTKEY, id, 0);
            ASSERT_EQ(seen.size(), 1u) << id;
            EXPECT_EQ(seen[0].window, owner);
        }
    }
    {
        SCOPED_TRACE("other messages pass through with their result");
        seen.clear();
        EXPECT_EQ(SendMessageW(owner, kAskPrevious, 5, 6), 1234);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].wParam, 5u);
    }
    {
        SCOPED_TRACE("a real key press reaches the receiver");
        seen.clear();
        pressKey(VK_F13);
        pump(300);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen[0].window, receiver);
        EXPECT_EQ(seen[0].message, kHotkeyNotifyMessage);
        EXPECT_EQ(seen[0].wParam, 33001u);
        EXPECT_EQ(seen[0].lParam, 0);
    }
    {
        SCOPED_TRACE("a later receiver takes over every hotkey; another window keeps its procedure");
        HWND second = makeWindow(L"second receiver");
        EXPECT_EQ(registerHotkey(other, second, 0, VK_F15), 33004);
        EXPECT_EQ(GetWindowLongPtrW(other, GWLP_WNDPROC), otherProc);
        seen.clear();
        SendMessageW(owner, WM_HOTKEY, 33001, 0);
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[0].window, second);
        EXPECT_EQ(seen[0].wParam, 33001u);
        // other's hotkey got an identifier but its window was never hooked.
        seen.clear();
        SendMessageW(other, WM_HOTKEY, 33004, 0);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].window, other);
        DestroyWindow(second);
    }

    UnregisterHotKey(owner, 33001);
    UnregisterHotKey(owner, 33002);
    UnregisterHotKey(other, 33004);
    DestroyWindow(other);
    DestroyWindow(receiver);
    DestroyWindow(owner);
}

}  // namespace
