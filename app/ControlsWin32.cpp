#include "app/ControlsWin32.h"

#include <vector>

namespace {

constexpr wchar_t kTransparentLabelClass[] = L"DeruvezaTransparentLabel";
constexpr wchar_t kPictureButtonClass[] = L"DeruvezaPictureButton";
constexpr wchar_t kFeedbackLabelClass[] = L"DeruvezaLabel";

std::wstring windowTextW(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

// Paints the parent's background into the part of dc that the child covers:
// what lies below the child, since the parent clips its children out.
void paintParentBackground(HWND child, HDC dc) {
    HWND parent = GetParent(child);
    if (parent == nullptr) return;
    POINT origin = {0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT previous;
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace

// ---- CustomWindow -------------------------------------------------------

bool CustomWindow::registerClass(const wchar_t* className, HBRUSH background, HICON icon, HICON smallIcon) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = thisModule();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CustomWindow::createWindow(DWORD exStyle, const wchar_t* className, DWORD style, int left, int top,
                                int width, int height, HWND parent, int id) {
    HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return CreateWindowExW(exStyle, className, L"", style, left, top, width, height, parent, menu, thisModule(),
                           this) != nullptr;
}

LRESULT CustomWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT CALLBACK CustomWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<CustomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CustomWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

// ---- EditBox ------------------------------------------------------------

bool EditBox::create(const Args& args) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT;
    DWORD exStyle = 0;
    if (args.multiLine) {
        style |= WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    } else {
        style |= ES_AUTOHSCROLL;
        exStyle |= WS_EX_CLIENTEDGE;
    }
    hwnd_ = CreateWindowExW(exStyle, L"EDIT", L"", style, args.place.left, args.place.top, args.place.width,
                            args.place.height, args.parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), thisModule(), nullptr);
    if (hwnd_ == nullptr) return false;
    textColour_ = args.textColour;
    backColour_ = args.backColour;
    brush_.reset(CreateSolidBrush(args.backColour));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
    SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
    return true;
}

AnsiText EditBox::text() const {
    const int length = GetWindowTextLengthA(hwnd_);
    if (length <= 0) return AnsiText();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd_, buffer.data(), length + 1);
    return AnsiText(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void EditBox::setText(const AnsiText& text) { SetWindowTextA(hwnd_, text.c_str()); }

HBRUSH EditBox::colour(HDC dc) const {
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
    return brush_.get();
}

// ---- TransparentLabel ---------------------------------------------------

bool TransparentLabel::registerClass() {
    return CustomWindow::registerClass(kTransparentLabelClass, nullptr, nullptr, nullptr);
}

bool TransparentLabel::create(const Args& args) {
    textColour_ = args.textColour;
    font_ = args.font;
    wordWrap_ = args.wordWrap;
    if (!createWindow(WS_EX_TRANSPARENT, kTransparentLabelClass, WS_CHILD, args.place.left, args.place.top,
                      args.place.width, args.place.height, args.parent, args.id))
        return false;
    SetWindowTextA(hwnd(), args.text.c_str());
    return true;
}

void TransparentLabel::setText(const AnsiText& text) {
    SetWindowTextA(hwnd(), text.c_str());
    InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT TransparentLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the background is the parent's, painted with the text
        case WM_PAINT:
            onPaint();
            return 0;
        default:
            return defaultHandling(message, wParam, lParam);
    }
}

void TransparentLabel::onPaint() {
    PaintScope paint(hwnd());
    paintParentBackground(hwnd(), paint.dc());
    const std::wstring text = windowTextW(hwnd());
    if (text.empty()) return;
    RECT area;
    GetClientRect(hwnd(), &area);
    SelectedObject font(paint.dc(), font_);
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), textColour_);
    const UINT format = DT_LEFT | DT_NOPREFIX | (wordWrap_ ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER));
    DrawTextW(paint.dc(), text.c_str(), static_cast<int>(text.size()), &area, format);
}

// ---- PictureButton ------------------------------------------------------

bool PictureButton::registerClass() {
    return CustomWindow::registerClass(kPictureButtonClass, nullptr, nullptr, nullptr);
}

bool PictureButton::create(const Args& args) {
    normal_.reset(args.normal);
    hovered_.reset(args.hovered);
    pressed_.reset(args.pressed);
    onClick_ = args.onClick;
    context_ = args.context;
    return createWindow(0, kPictureButtonClass, WS_CHILD | WS_CLIPSIBLINGS, args.place.left, args.place.top,
                        args.place.width, args.place.height, args.parent, args.id);
}

LRESULT PictureButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_MOUSEMOVE:
            onMouseMove(at);
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (GetCapture() != hwnd()) setState(false, false);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            onLeftButtonDown();
            return 0;
        case WM_LBUTTONUP:
            onLeftButtonUp(at);
            return 0;
        case WM_CAPTURECHANGED:
            if (isPressed_) setState(isHovered_, false);
            return 0;
        default:
            return defaultHandling(message, wParam, lParam);
    }
}

bool PictureButton::contains(POINT at) const {
    RECT area;
    GetClientRect(hwnd(), &area);
    return PtInRect(&area, at) != FALSE;
}

void PictureButton::setState(bool hovered, bool pressed) {
    if (hovered == isHovered_ && pressed == isPressed_) return;
    isHovered_ = hovered;
    isPressed_ = pressed;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureButton::onMouseMove(POINT at) {
    if (!tracking_) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hwnd(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    const bool inside = contains(at);
    setState(inside, GetCapture() == hwnd() && inside);
}

void PictureButton::onLeftButtonDown() {
    SetCapture(hwnd());
    setState(true, true);
}

void PictureButton::onLeftButtonUp(POINT at) {
    if (GetCapture() != hwnd()) return;
    const bool inside = contains(at);
    ReleaseCapture();
    setState(inside, false);
    // A click is a release over the button that the press began on.
    if (inside && IsWindowEnabled(hwnd()) && onClick_ != nullptr) onClick_(context_);
}

void PictureButton::onPaint() {
    PaintScope paint(hwnd());
    HBITMAP picture = isPressed_ ? pressed_.get() : isHovered_ ? hovered_.get() : normal_.get();
    if (picture == nullptr) return;
    HDC source = CreateCompatibleDC(paint.dc());
    if (source == nullptr) return;
    {
        SelectedObject selected(source, picture);
        BITMAP info = {};
        GetObjectW(picture, sizeof info, &info);
        BitBlt(paint.dc(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    }
    DeleteDC(source);
}

// ---- FeedbackLabel ------------------------------------------------------

bool FeedbackLabel::registerClass() {
    return CustomWindow::registerClass(kFeedbackLabelClass, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr,
                                       nullptr);
}

bool FeedbackLabel::create(const Args& args) {
    font_ = args.font;
    onFeedback_ = args.onFeedback;
    context_ = args.context;
    if (!createWindow(0, kFeedbackLabelClass, WS_CHILD | WS_CLIPSIBLINGS, args.place.left, args.place.top,
                      args.place.width, args.place.height, args.parent, args.id))
        return false;
    SetWindowTextA(hwnd(), args.text.c_str());
    return true;
}

LRESULT FeedbackLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kNotifyMessage) {
        if (onFeedback_ != nullptr)
            onFeedback_(context_, static_cast<int>(static_cast<INT_PTR>(wParam)),
                        static_cast<int>(lParam));
        return 0;
    }
    if (message == WM_PAINT) {
        onPaint();
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

void FeedbackLabel::onPaint() {
    PaintScope paint(hwnd());
    const std::wstring text = windowTextW(hwnd());
    RECT area;
    GetClientRect(hwnd(), &area);
    SelectedObject font(paint.dc(), font_);
    SetBkMode(paint.dc(), TRANSPARENT);
    DrawTextW(paint.dc(), text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
