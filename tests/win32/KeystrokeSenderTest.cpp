// The window under the cursor and the characters posted to it.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "WinTestText.h"
#include "app/SystemFunctionTable.h"
#include "desktop/KeystrokeSenderWin32.h"

namespace {

HWND makeChild(HWND parent, int left, int top, int width, int height, bool visible) {
    return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_NOTIFY | (visible ? WS_VISIBLE : 0), left, top, width, height, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

void pump() {
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

// A visible top-level window at 100,100 whose children are laid out per
// test; the cursor goes to screen point 160,160 (client 60,60 and more, as
// the frame takes its share).
class TargetWindow : public testing::Test {
protected:
    void SetUp() override {
        top = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"target", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 100, 100, 400, 300, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(top, nullptr);
        pump();
    }
    void TearDown() override { DestroyWindow(top); }
    void pointAt(int x, int y) {
        SetCursorPos(x, y);
        pump();
    }
    HWND top = nullptr;
};

TEST_F(TargetWindow, TopLevelHitIsTheTarget) {
    pointAt(150, 150);
    EXPECT_EQ(findTargetWindow(), top);
}

TEST_F(TargetWindow, SmallestVisibleSiblingBelowTheHitWins) {
    // Children are stacked in creation order, the first created on top.
    HWND big = makeChild(top, 0, 0, 400, 300, true);
    HWND middle = makeChild(top, 20, 20, 200, 200, true);
    HWND small = makeChild(top, 40, 40, 100, 100, true);
    HWND hiddenSmaller = makeChild(top, 45, 45, 50, 50, false);
    HWND elsewhereSmaller = makeChild(top, 300, 200, 20, 20, true);
    pointAt(170, 170);  // client 70,70: inside big, middle, small and hiddenSmaller
    ASSERT_EQ(WindowFromPoint(POINT{170, 170}), big);
    EXPECT_EQ(findTargetWindow(), small);
    (void)middle;
    (void)hiddenSmaller;
    (void)elsewhereSmaller;
}

TEST_F(TargetWindow, EqualAreasKeepTheFirstMet) {
    HWND hit = makeChild(top, 0, 0, 400, 300, true);
    HWND first = makeChild(top, 10, 10, 100, 100, true);
    HWND second = makeChild(top, 20, 20, 100, 100, true);
    pointAt(150, 150);
    ASSERT_EQ(WindowFromPoint(POINT{150, 150}), hit);
    EXPECT_EQ(findTargetWindow(), first);
    (void)second;
}

TEST_F(TargetWindow, NoSmallerCandidateKeepsTheHit) {
    HWND hit = makeChild(top, 30, 30, 100, 100, true);
    makeChild(top, 0, 0, 400, 300, true);               // larger
    makeChild(top, 35, 35, 20, 20, false);              // smaller but hidden
    makeChild(top, 200, 200, 10, 10, true);             // smaller but not at the cursor
    pointAt(170, 170);
    ASSERT_EQ(WindowFromPoint(POINT{170, 170}), hit);
    EXPECT_EQ(findTargetWindow(), hit);
}

// Owned pop-ups have their owner as parent: only those with the hit
// window's owner compete with it.
TEST_F(TargetWindow, WindowWithAnotherParentIsNeverChosen) {
    auto popup = [&](HWND owner, int left, int top, int size) {
        return CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_NOTIFY, left, top, size, size, owner,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    // Made bottom first: each new topmost window goes above the others.
    HWND unowned = popup(nullptr, 600, 600, 40);
    HWND sameOwner = popup(top, 590, 590, 80);
    HWND hit = popup(top, 560, 560, 160);
    pointAt(610, 610);
    ASSERT_EQ(WindowFromPoint(POINT{610, 610}), hit);
    ASSERT_EQ(GetParent(hit), top);
    EXPECT_EQ(findTargetWindow(), sameOwner);
    DestroyWindow(hit);
    DestroyWindow(sameOwner);
    DestroyWindow(unowned);
}

// An ANSI window: the bytes arrive as posted, one message each.
TEST(PostText, OneCharMessagePerByteZeroExtended) {
    HWND sink = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    ASSERT_NE(sink, nullptr);
    const struct {
        const char* what;
        AnsiText text;
        std::vector<WPARAM> expected;
    } table[] = {
        {"empty", "", {}},
        {"two characters", gbk("张三"), {213, 197, 200, 253}},
        {"ascii then Chinese", "A" + gbk("张"), {65, 213, 197}},
        {"high bytes", "\x80\xFF", {128, 255}},
    };
    for (const auto& row : table) {
        postText(systemFunctions(), sink, row.text);
        std::vector<WPARAM> got;
        MSG msg;
        while (PeekMessageA(&msg, sink, WM_CHAR, WM_CHAR, PM_REMOVE)) {
            got.push_back(msg.wParam);
            EXPECT_EQ(msg.lParam, 0) << row.what;
        }
        EXPECT_EQ(got, row.expected) << row.what;
    }
    DestroyWindow(sink);
}

TEST(PostText, UnicodeEditJoinsDoubleByteCharacters) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 200, 30, nullptr, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    ASSERT_NE(edit, nullptr);
    const AnsiText name = gbk("欧阳丶灬云风") + "ab";
    postText(systemFunctions(), edit, name);
    pump();
    char buffer[64] = {};
    GetWindowTextA(edit, buffer, sizeof buffer);
    EXPECT_EQ(hexBytes(buffer), hexBytes(name));
    DestroyWindow(edit);
}

TEST(PostText, NullWindowTypesNowhereAndReturns) {
    postText(systemFunctions(), nullptr, gbk("张"));
    MSG msg;
    int stray = 0;
    while (PeekMessageA(&msg, reinterpret_cast<HWND>(-1), WM_CHAR, WM_CHAR, PM_REMOVE)) ++stray;
    EXPECT_EQ(stray, 2);  // queued on this thread with no window, and dropped here
}

}  // namespace
