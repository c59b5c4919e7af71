#pragma once

// The window layer: the kinds of control the main window is made of.  Each
// is created from an arguments struct; its event callback is set once, at
// creation.  Texts go in and out as code page 936 bytes (the A functions),
// while the windows themselves are Unicode so that double-byte characters
// posted to them as two WM_CHARs are joined into one.
#include <windows.h>

#include "app/Win32Handles.h"
#include "common/TextBox.h"
#include "desktop/HotkeyServiceWin32.h"

struct ControlPlace {
    int left, top, width, height;
};

// Our own window classes: stores `this` at WM_NCCREATE and hands every
// message to handleMessage.
class CustomWindow {
public:
    HWND hwnd() const { return hwnd_; }

protected:
    CustomWindow() = default;
    ~CustomWindow() = default;
    CustomWindow(const CustomWindow&) = delete;
    CustomWindow& operator=(const CustomWindow&) = delete;

    static bool registerClass(const wchar_t* className, HBRUSH background, HICON icon, HICON smallIcon);
    bool createWindow(DWORD exStyle, const wchar_t* className, DWORD style, int left, int top, int width,
                      int height, HWND parent, int id);
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// A standard EDIT control with its own text and background colours.
class EditBox final : public TextBox {
public:
    struct Args {
        HWND parent;
        int id;
        ControlPlace place;
        bool multiLine;
        COLORREF textColour;
        COLORREF backColour;
        HFONT font;
    };
    bool create(const Args& args);
    HWND hwnd() const { return hwnd_; }

    AnsiText text() const override;
    void setText(const AnsiText& text) override;

    // The answer to WM_CTLCOLOREDIT for this box.
    HBRUSH colour(HDC dc) const;

private:
    HWND hwnd_ = nullptr;
    COLORREF textColour_ = 0;
    COLORREF backColour_ = 0;
    GdiObject<HBRUSH> brush_;
};

// A label that paints only its text: whatever lies below it shows through.
class TransparentLabel final : public CustomWindow {
public:
    struct Args {
        HWND parent;
        int id;
        ControlPlace place;
        AnsiText text;
        COLORREF textColour;
        HFONT font;
        bool wordWrap;  // otherwise one line, centred vertically
    };
    static bool registerClass();
    bool create(const Args& args);
    void setText(const AnsiText& text);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onPaint();

    COLORREF textColour_ = 0;
    HFONT font_ = nullptr;
    bool wordWrap_ = false;
};

// A push button drawn from three pictures: normal, hovered and pressed.
class PictureButton final : public CustomWindow {
public:
    using ClickHandler = void (*)(void* context);
    struct Args {
        HWND parent;
        int id;
        ControlPlace place;
        HBITMAP normal, hovered, pressed;  // the button owns them from now on
        ClickHandler onClick;
        void* context;
    };
    static bool registerClass();
    bool create(const Args& args);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onPaint();
    void onMouseMove(POINT at);
    void onLeftButtonDown();
    void onLeftButtonUp(POINT at);
    bool contains(POINT at) const;
    void setState(bool hovered, bool pressed);

    GdiObject<HBITMAP> normal_, hovered_, pressed_;
    ClickHandler onClick_ = nullptr;
    void* context_ = nullptr;
    bool isHovered_ = false;
    bool isPressed_ = false;
    bool tracking_ = false;
};

// A plain label that raises its feedback event for each notification
// message it receives.
class FeedbackLabel final : public CustomWindow {
public:
    static constexpr UINT kNotifyMessage = kHotkeyNotifyMessage;
    using FeedbackHandler = void (*)(void* context, int param1, int param2);
    struct Args {
        HWND parent;
        int id;
        ControlPlace place;
        AnsiText text;
        HFONT font;
        FeedbackHandler onFeedback;
        void* context;
    };
    static bool registerClass();
    bool create(const Args& args);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onPaint();

    HFONT font_ = nullptr;
    FeedbackHandler onFeedback_ = nullptr;
    void* context_ = nullptr;
};
