// The window layer's controls on their own.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "WinTestText.h"
#include "app/ControlsWin32.h"

namespace {

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

class Controls : public testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 200, 200, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(PictureButton::registerClass());
        ASSERT_TRUE(FeedbackLabel::registerClass());
        ASSERT_TRUE(TransparentLabel::registerClass());
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND parent = nullptr;
};

TEST_F(Controls, EditBoxTextRoundTripsAsCodePage936) {
    EditBox box;
    ASSERT_TRUE(box.create({parent, 7, {0, 0, 200, 100}, true, RGB(1, 1, 1), RGB(2, 3, 4), guiFont()}));
    EXPECT_EQ(box.text(), "");
    const AnsiText texts[] = {gbk("1：李丶灬云风\r\n2：欧阳ぃ雪"), "ascii only", "", gbk("最后")};
    for (const AnsiText& text : texts) {
        box.setText(text);
        EXPECT_EQ(hexBytes(box.text()), hexBytes(text));
    }
    // No length limit beyond the platform's own: 100,000 bytes go in whole.
    AnsiText large;
    while (large.size() < 100000) large += gbk("12：欧阳丶灬云风\r\n");
    box.setText(large);
    EXPECT_EQ(box.text().size(), large.size());
    EXPECT_EQ(box.text(), large);
}

struct Feedback {
    std::vector<std::pair<int, int>> calls;
};

TEST_F(Controls, FeedbackLabelRaisesItsEventWithinTheMessage) {
    Feedback feedback;
    FeedbackLabel label;
    auto onFeedback = [](void* context, int p1, int p2) {
        static_cast<Feedback*>(context)->calls.emplace_back(p1, p2);
    };
    ASSERT_TRUE(label.create({parent, 4, {528, 272, 64, 40}, "x", guiFont(), onFeedback, &feedback}));
    SendMessageW(label.hwnd(), FeedbackLabel::kNotifyMessage, 33001, 0);
    SendMessageW(label.hwnd(), FeedbackLabel::kNotifyMessage, 33002, 9);
    EXPECT_EQ(feedback.calls, (std::vector<std::pair<int, int>>{{33001, 0}, {33002, 9}}));
    SendMessageW(label.hwnd(), WM_APP, 33001, 0);
    EXPECT_EQ(feedback.calls.size(), 2u);
}

TEST_F(Controls, PictureButtonClicksOnlyOnReleaseOverIt) {
    int clicks = 0;
    PictureButton button;
    ASSERT_TRUE(button.create({parent, 1, {8, 136, 160, 40}, nullptr, nullptr, nullptr,
                               [](void* context) { ++*static_cast<int*>(context); }, &clicks}));
    ShowWindow(button.hwnd(), SW_SHOWNA);
    const struct {
        POINT down, up;
        int clicks;
    } table[] = {
        {{10, 10}, {20, 20}, 1},     // press and release inside
        {{10, 10}, {170, 20}, 0},    // released to the right of it
        {{10, 10}, {10, -5}, 0},     // released above it
        {{159, 39}, {0, 0}, 1},      // corner to corner
    };
    for (const auto& row : table) {
        clicks = 0;
        SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.down.x, row.down.y));
        EXPECT_EQ(GetCapture(), button.hwnd());
        SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(row.up.x, row.up.y));
        EXPECT_EQ(clicks, row.clicks) << row.up.x << "," << row.up.y;
        EXPECT_NE(GetCapture(), button.hwnd());
    }
    // A release without a press on the button is no click.
    clicks = 0;
    SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(Controls, TransparentLabelKeepsItsText) {
    TransparentLabel label;
    ASSERT_TRUE(label.create({parent, 3, {8, 48, 160, 80}, gbk("使用说明：\r\nF1"), RGB(255, 0, 0), guiFont(), true}));
    char buffer[64] = {};
    GetWindowTextA(label.hwnd(), buffer, sizeof buffer);
    EXPECT_EQ(hexBytes(buffer), hexBytes(gbk("使用说明：\r\nF1")));
    EXPECT_TRUE(GetWindowLongW(label.hwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    label.setText(gbk("新"));
    GetWindowTextA(label.hwnd(), buffer, sizeof buffer);
    EXPECT_EQ(AnsiText(buffer), gbk("新"));
}

}  // namespace
