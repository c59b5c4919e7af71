#pragma once

// The tool's one top-level window and its seven controls.
#include <windows.h>

#include "app/ControlsWin32.h"
#include "app/Win32Handles.h"

class MainWindow final : public CustomWindow {
public:
    static constexpr int kWidth = 390;
    static constexpr int kHeight = 248;
    static constexpr COLORREF kBackground = RGB(2, 3, 4);

    // Set once, before create.
    struct Events {
        void* context;
        void (*onCreated)(void* context);                        // before the first show
        void (*onHotkeyFeedback)(void* context, int param1, int param2);
        void (*onSaveClick)(void* context);
    };

    // Creates the window hidden and centred, makes it topmost, creates and
    // stacks the controls, raises the created event and shows the window.
    // False when the window or a control cannot be created.
    bool create(const Events& events);

    EditBox& nameBox() { return nameBox_; }        // 编辑框1
    EditBox& historyBox() { return historyBox_; }  // 编辑框2
    HWND hotkeyLabel() const { return hotkeyLabel_.hwnd(); }

    // Move the outer frame's left or top edge to the screen coordinate.
    void setLeft(int left);
    void setTop(int top);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool createControls();
    void stackControls();

    Events events_ = {};
    GdiObject<HBRUSH> background_;
    GdiObject<HFONT> boldFont_;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;

    PictureButton saveButton_;       // 图形按钮1
    TransparentLabel usageLabel_;    // 透明标签3
    TransparentLabel versionLabel_;  // 透明标签2
    FeedbackLabel hotkeyLabel_;      // 标签1
    TransparentLabel titleLabel_;    // 透明标签1
    EditBox historyBox_;             // 编辑框2
    EditBox nameBox_;                // 编辑框1
};
