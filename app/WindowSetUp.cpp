#include "app/WindowSetUp.h"

#include "desktop/HotkeyServiceWin32.h"

namespace {
constexpr LONG kLayered = 0x80000;     // WS_EX_LAYERED
constexpr DWORD kColourKeyOnly = 1;    // LWA_COLORKEY
constexpr UINT kF1 = 112, kF2 = 113;
constexpr int kNoModifiers = 0;
}  // namespace

POINT lowerRightPlace(int screenWidth, int screenHeight) {
    // 9 pixels beyond the right edge and 6 above the bottom of the screen.
    POINT place;
    place.x = static_cast<LONG>(static_cast<double>(screenWidth) - 381.0);
    place.y = static_cast<LONG>(static_cast<double>(screenHeight) - 254.0);
    return place;
}

void setUpWindow(MainWindow& window, SystemFunctionTable& functions, HistoryLog& history, HotkeyActions& actions) {
    HWND hwnd = window.hwnd();
    GlassMargins margins = {0, 0, 0, 0};

    const LONG style = functions.getWindowLongA(hwnd, GWL_EXSTYLE);
    functions.setWindowLongA(hwnd, GWL_EXSTYLE, style | kLayered);
    functions.setLayeredWindowAttributes(hwnd, MainWindow::kBackground, 255, kColourKeyOnly);

    margins = {-1, -1, -1, -1};  // glass over the whole window
    functions.dwmExtendFrameIntoClientArea(hwnd, &margins);

    const POINT place = lowerRightPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    window.setLeft(place.x);
    window.setTop(place.y);

    // The counter is reset before any hotkey can reach the actions.
    history.setHistoryCounter(0);
    actions.f1HotkeyId = registerHotkey(hwnd, window.hotkeyLabel(), kNoModifiers, kF1);
    actions.f2HotkeyId = registerHotkey(hwnd, window.hotkeyLabel(), kNoModifiers, kF2);
}
