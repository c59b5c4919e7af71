#include "desktop/KeystrokeSenderWin32.h"

namespace {
int32_t areaOf(const RECT& r) {
    // Signed 32-bit arithmetic, wrapping as the platform's own would.
    const uint32_t height = static_cast<uint32_t>(r.bottom) - static_cast<uint32_t>(r.top);
    const uint32_t width = static_cast<uint32_t>(r.right) - static_cast<uint32_t>(r.left);
    return static_cast<int32_t>(height * width);
}
}  // namespace

HWND findTargetWindow() {
    POINT position;
    if (!GetCursorPos(&position)) return nullptr;
    HWND hit = WindowFromPoint(position);
    if (hit == nullptr) return nullptr;
    // A top-level window is the target by itself; only a child is measured
    // against its siblings below it.
    HWND parent = GetParent(hit);
    if (parent == nullptr) return hit;
    HWND best = hit;
    RECT bestRect = {};
    GetWindowRect(hit, &bestRect);
    for (HWND current = GetWindow(hit, GW_HWNDNEXT); current != nullptr;
         current = GetWindow(current, GW_HWNDNEXT)) {
        RECT rect = {};
        GetWindowRect(current, &rect);
        if (PtInRect(&rect, position) && GetParent(current) == parent && IsWindowVisible(current) &&
            areaOf(rect) < areaOf(bestRect)) {
            best = current;
            bestRect = rect;
        }
    }
    return best;
}

void postText(SystemFunctionTable& functions, HWND window, const AnsiText& text) {
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const WPARAM byte = static_cast<unsigned char>(text[i]);
        functions.postMessageA(window, WM_CHAR, byte, 0);
    }
}

WindowRef KeystrokeSender::findTargetWindow() { return reinterpret_cast<WindowRef>(::findTargetWindow()); }

void KeystrokeSender::postText(WindowRef window, const AnsiText& text) {
    ::postText(functions_, reinterpret_cast<HWND>(window), text);
}
