#include "app/MainWindow.h"

#include "app/ControlIds.h"
#include "app/ResourceIds.h"
#include "common/SystemTexts.h"

namespace {

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HBITMAP loadPicture(int id) {
    return static_cast<HBITMAP>(
        LoadImageW(thisModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HICON loadIcon(int size) {
    return static_cast<HICON>(LoadImageW(thisModule(), MAKEINTRESOURCEW(IDI_DERUVEZA), IMAGE_ICON, size, size, 0));
}

void raiseSaveClick(void* context) {
    const MainWindow::Events* events = static_cast<const MainWindow::Events*>(context);
    if (events->onSaveClick != nullptr) events->onSaveClick(events->context);
}

void raiseHotkeyFeedback(void* context, int param1, int param2) {
    const MainWindow::Events* events = static_cast<const MainWindow::Events*>(context);
    if (events->onHotkeyFeedback != nullptr) events->onHotkeyFeedback(events->context, param1, param2);
}

}  // namespace

bool MainWindow::create(const Events& events) {
    events_ = events;
    background_.reset(CreateSolidBrush(kBackground));
    icon_ = loadIcon(GetSystemMetrics(SM_CXICON));
    smallIcon_ = loadIcon(GetSystemMetrics(SM_CXSMICON));
    if (!registerClass(DERUVEZA_MAIN_CLASS, background_.get(), icon_, smallIcon_)) return false;
    if (!TransparentLabel::registerClass() || !PictureButton::registerClass() || !FeedbackLabel::registerClass())
        return false;

    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    if (!createWindow(0, DERUVEZA_MAIN_CLASS, WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top, kWidth,
                      kHeight, nullptr, 0))
        return false;
    SetWindowTextA(hwnd(), "Deruveza");
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);

    if (!createControls()) return false;
    stackControls();

    if (events_.onCreated != nullptr) events_.onCreated(events_.context);
    ShowWindow(hwnd(), SW_SHOW);
    return true;
}

bool MainWindow::createControls() {
    // Created bottom of the stack first: 编辑框1 first, 图形按钮1 last.
    if (!nameBox_.create({hwnd(), kIdNameBox, {64, 8, 104, 32}, false, RGB(144, 0, 255), RGB(128, 160, 128),
                          guiFont()}))
        return false;
    if (!historyBox_.create({hwnd(), kIdHistoryBox, {176, 8, 184, 200}, true, RGB(255, 128, 0), kBackground,
                             guiFont()}))
        return false;
    if (!titleLabel_.create({hwnd(), kIdTitleLabel, {9, 5, 56, 37}, texts::kTitleText, RGB(128, 224, 0), guiFont(),
                             false}))
        return false;
    if (!hotkeyLabel_.create({hwnd(), kIdHotkeyLabel, {528, 272, 64, 40}, texts::kHotkeyLabelText, guiFont(),
                              raiseHotkeyFeedback, &events_}))
        return false;

    boldFont_.reset(CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, L""));
    if (!versionLabel_.create({hwnd(), kIdVersionLabel, {40, 192, 120, 24}, texts::kVersionText, RGB(0, 0, 160),
                               boldFont_.get() != nullptr ? boldFont_.get() : guiFont(), false}))
        return false;
    if (!usageLabel_.create({hwnd(), kIdUsageLabel, {8, 48, 160, 80}, texts::kUsageText, RGB(255, 0, 0), guiFont(),
                             true}))
        return false;
    if (!saveButton_.create({hwnd(), kIdSaveButton, {8, 136, 160, 40}, loadPicture(IDB_SAVE_NORMAL),
                             loadPicture(IDB_SAVE_HOVER), loadPicture(IDB_SAVE_PRESSED), raiseSaveClick, &events_}))
        return false;
    return true;
}

void MainWindow::stackControls() {
    // Topmost first, as the form lists them.
    const HWND order[] = {saveButton_.hwnd(),   usageLabel_.hwnd(), versionLabel_.hwnd(), hotkeyLabel_.hwnd(),
                          titleLabel_.hwnd(),   historyBox_.hwnd(), nameBox_.hwnd()};
    HWND above = HWND_TOP;
    for (HWND control : order) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    for (HWND control : order) ShowWindow(control, SW_SHOWNA);
}

void MainWindow::setLeft(int left) {
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    SetWindowPos(hwnd(), nullptr, left, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::setTop(int top) {
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    SetWindowPos(hwnd(), nullptr, frame.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            // Also asked by the transparent labels for the part they cover.
            RECT area;
            GetClientRect(hwnd(), &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, background_.get());
            return 1;
        }
        case WM_CTLCOLOREDIT: {
            HWND box = reinterpret_cast<HWND>(lParam);
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (box == nameBox_.hwnd()) return reinterpret_cast<LRESULT>(nameBox_.colour(dc));
            if (box == historyBox_.hwnd()) return reinterpret_cast<LRESULT>(historyBox_.colour(dc));
            break;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return defaultHandling(message, wParam, lParam);
}
