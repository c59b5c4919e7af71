// The harness's own window and input on this desktop: what the tool's tests
// build on must hold here first, or their failures would mean nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include "Harness.h"

namespace {

using namespace e2e;

TEST(TargetWindowHarness, SitsWhereItSaysAndIsTheWindowUnderItsCentre) {
    TargetWindow target;
    ASSERT_TRUE(target.created());
    RECT frame = {};
    ASSERT_TRUE(GetWindowRect(target.window(), &frame));
    EXPECT_EQ(frame.left, TargetWindow::kLeft);
    EXPECT_EQ(frame.top, TargetWindow::kTop);
    EXPECT_EQ(frame.right - frame.left, TargetWindow::kWidth);
    EXPECT_EQ(frame.bottom - frame.top, TargetWindow::kHeight);
    EXPECT_TRUE(IsWindowUnicode(target.edit()));
    EXPECT_EQ(WindowFromPoint(target.editCentre()), target.edit());
}

TEST(TargetWindowHarness, PostedCharacterBytesArriveAsCodePage936Text) {
    // What the tool's F1 does: one WM_CHAR per byte, posted with the A form.
    TargetWindow target;
    ASSERT_TRUE(target.created());
    const AnsiText cases[] = {"Abc 12", gbk("欧阳丶灬云风"), gbk("李ぃ雪x")};
    for (const AnsiText& text : cases) {
        target.clear();
        for (unsigned char byte : text) PostMessageA(target.edit(), WM_CHAR, byte, 0);
        EXPECT_TRUE(waitUntil([&] { return target.text() == text; }, 2000))
            << "typed: " << hexBytes(target.text()) << "\nposted: " << hexBytes(text);
    }
}

TEST(InputHarness, ClickFocusesAndKeysTypeIntoTheEdit) {
    TargetWindow target;
    ASSERT_TRUE(target.created());
    ASSERT_TRUE(clickAt(target.editCentre()));
    ASSERT_TRUE(waitUntil([&] { return GetFocus() == target.edit(); }, 2000));
    const WORD keys[] = {'D', 'R', '7'};
    for (WORD key : keys) ASSERT_TRUE(pressKey(key));
    EXPECT_TRUE(waitUntil([&] { return target.text() == "dr7"; }, 2000)) << "typed: " << target.text();
}

TEST(InputHarness, CursorGoesWhereItIsSent) {
    const POINT points[] = {{10, 10}, {1900, 1060}, {TargetWindow::kLeft + 5, TargetWindow::kTop + 5}};
    for (const POINT& at : points) {
        EXPECT_TRUE(moveCursor(at)) << at.x << "," << at.y;
        POINT now = {};
        ASSERT_TRUE(GetCursorPos(&now));
        EXPECT_EQ(now.x, at.x);
        EXPECT_EQ(now.y, at.y);
    }
}

TEST(InputHarness, PressAndReleaseAtTwoPointsSelectsWhatLiesBetween) {
    // The press and the release arrive as two events at their own points:
    // a drag across the edit's text selects part of it.
    TargetWindow target;
    ASSERT_TRUE(target.created());
    SetWindowTextW(target.edit(), L"wwwwwwwwwwwwwwwwwwww");
    pumpFor(kPollStepMs);
    RECT edit = {};
    GetWindowRect(target.edit(), &edit);
    const int middle = (edit.top + edit.bottom) / 2;
    ASSERT_TRUE(pressAndReleaseAt(POINT{edit.left + 4, middle}, POINT{edit.left + 60, middle}));
    DWORD start = 0, end = 0;
    EXPECT_TRUE(waitUntil([&] {
        SendMessageW(target.edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return end > start;
    }, 2000));
    EXPECT_EQ(start, 0u);
    EXPECT_GT(end, 1u);
    EXPECT_LT(end, 20u);
}

TEST(ReportText, ToleratesOnlyALostLastLineBreak) {
    struct Case {
        const char* shown;
        const char* expected;
        bool same;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n", true},
        {"a\r\nb", "a\r\nb\r\n", true},
        {"a\r\nb", "a\r\nb", true},
        {"a\r\nb\r", "a\r\nb\r\n", false},
        {"a\r\nc", "a\r\nb\r\n", false},
        {"a\r\nb\r\n", "a\r\nb", false},
        {"", "\r\n", true},
        {"a\r\n", "a\r\n\r\n", true},
        {"a", "a\r\n\r\n", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sameReportText(c.shown, c.expected), c.same) << hexBytes(c.shown) << " vs " << hexBytes(c.expected);
    }
}

}  // namespace
