// The finished tool's window and its life, seen from another process: where
// the window sits, how it is framed, its seven controls, and how the process
// ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "Harness.h"
#include "app/ControlIds.h"
#include "common/FatalRuntimeError.h"
#include "common/SystemTexts.h"

namespace {

using namespace e2e;

// A tool started fresh for each test, its main window up.
class ToolWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tool.started()) << tool.error();
        ASSERT_TRUE(tool.waitForMainWindow()) << "no visible main window; still running: " << tool.isRunning();
        main = tool.mainWindow();
    }

    RunningTool tool;
    HWND main = nullptr;
};

TEST_F(ToolWindow, SitsAtTheLowerRightWithItsFixedFrame) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT frame = {};
    ASSERT_TRUE(GetWindowRect(main, &frame));
    // 1539,826 to 1929,1074 on a 1920 x 1080 screen: past the right edge.
    EXPECT_EQ(frame.left, screenWidth - 381);
    EXPECT_EQ(frame.top, screenHeight - 254);
    EXPECT_EQ(frame.right - frame.left, 390);
    EXPECT_EQ(frame.bottom - frame.top, 248);
    EXPECT_EQ(windowTextA(main), "Deruveza");
    EXPECT_EQ(GetParent(main), nullptr);
}

TEST_F(ToolWindow, FrameStylesAndLayering) {
    struct Flag {
        const char* name;
        int index;  // GWL_STYLE or GWL_EXSTYLE
        LONG bits;
        bool wanted;
    };
    const Flag flags[] = {
        {"WS_CAPTION", GWL_STYLE, WS_CAPTION, true},
        {"WS_SYSMENU", GWL_STYLE, WS_SYSMENU, true},
        {"WS_CLIPCHILDREN", GWL_STYLE, WS_CLIPCHILDREN, true},
        {"WS_THICKFRAME", GWL_STYLE, WS_THICKFRAME, false},
        {"WS_MINIMIZEBOX", GWL_STYLE, WS_MINIMIZEBOX, false},
        {"WS_MAXIMIZEBOX", GWL_STYLE, WS_MAXIMIZEBOX, false},
        {"WS_EX_TOPMOST", GWL_EXSTYLE, WS_EX_TOPMOST, true},
        {"WS_EX_LAYERED", GWL_EXSTYLE, WS_EX_LAYERED, true},
    };
    for (const Flag& flag : flags) {
        const LONG value = GetWindowLongW(main, flag.index);
        EXPECT_EQ((value & flag.bits) == flag.bits, flag.wanted) << flag.name << " in 0x" << std::hex << value;
    }

    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD layering = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(main, &key, &alpha, &layering));
    EXPECT_EQ(key, RGB(2, 3, 4));
    EXPECT_TRUE(layering & LWA_COLORKEY) << "flags 0x" << std::hex << layering;
}

struct ControlCase {
    int id;
    const char* name;
    const wchar_t* className;
    RECT place;        // client-relative: left, top, right, bottom
    const char* text;  // null: not looked at
    LONG style;        // bits that must be set
    LONG exStyle;
};

// Topmost first, the order they stack in.  编辑框2 has WS_BORDER too, but the
// EDIT class takes it out of the style it keeps and draws the border itself:
// HistoryBoxDrawsItsOwnBorder looks for it.
const ControlCase kControls[] = {
    {kIdSaveButton, "图形按钮1", L"DeruvezaPictureButton", {8, 136, 8 + 160, 136 + 40}, nullptr, 0, 0},
    {kIdUsageLabel, "透明标签3", L"DeruvezaTransparentLabel", {8, 48, 8 + 160, 48 + 80}, texts::kUsageText, 0,
     WS_EX_TRANSPARENT},
    {kIdVersionLabel, "透明标签2", L"DeruvezaTransparentLabel", {40, 192, 40 + 120, 192 + 24}, texts::kVersionText, 0,
     0},
    {kIdHotkeyLabel, "标签1", L"DeruvezaLabel", {528, 272, 528 + 64, 272 + 40}, texts::kHotkeyLabelText, 0, 0},
    {kIdTitleLabel, "透明标签1", L"DeruvezaTransparentLabel", {9, 5, 9 + 56, 5 + 37}, texts::kTitleText, 0, 0},
    {kIdHistoryBox, "编辑框2", L"Edit", {176, 8, 176 + 184, 8 + 200}, "", ES_MULTILINE | WS_VSCROLL, 0},
    {kIdNameBox, "编辑框1", L"Edit", {64, 8, 64 + 104, 8 + 32}, "", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
};

TEST_F(ToolWindow, SevenControlsInTheirPlacesWithTheirTexts) {
    for (const ControlCase& expected : kControls) {
        SCOPED_TRACE(expected.name);
        HWND control = tool.control(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), main);
        EXPECT_EQ(_wcsicmp(className(control).c_str(), expected.className), 0);

        RECT place = {};
        ASSERT_TRUE(GetWindowRect(control, &place));
        MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, expected.place.left);
        EXPECT_EQ(place.top, expected.place.top);
        EXPECT_EQ(place.right, expected.place.right);
        EXPECT_EQ(place.bottom, expected.place.bottom);

        if (expected.text != nullptr) {
            EXPECT_EQ(hexBytes(windowTextA(control)), hexBytes(expected.text));
        }
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        const LONG exStyle = GetWindowLongW(control, GWL_EXSTYLE);
        EXPECT_EQ(style & expected.style, expected.style) << "style 0x" << std::hex << style;
        EXPECT_EQ(exStyle & expected.exStyle, expected.exStyle) << "extended style 0x" << std::hex << exStyle;
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_TRUE(IsWindowVisible(control));
    }
}

TEST_F(ToolWindow, ControlsStackInTheirOrderAndNothingElse) {
    std::vector<int> expected;
    for (const ControlCase& control : kControls) expected.push_back(control.id);
    std::vector<int> stacked;
    for (HWND child = GetWindow(main, GW_CHILD); child != nullptr && stacked.size() <= expected.size();
         child = GetWindow(child, GW_HWNDNEXT)) {
        stacked.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(stacked, expected);
}

// The top of the text rectangle of an EDIT made here like the given one,
// with or without WS_BORDER.  The top does not depend on the font, which
// WM_GETFONT does not give across processes under Wine.
LONG referenceTextTop(HWND like, bool border) {
    RECT place = {};
    GetWindowRect(like, &place);
    const LONG style = (GetWindowLongW(like, GWL_STYLE) & ~(WS_VISIBLE | WS_BORDER)) | (border ? WS_BORDER : 0);
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HWND edit = CreateWindowExW(GetWindowLongW(like, GWL_EXSTYLE), L"EDIT", L"", style, 0, 0, place.right - place.left,
                                place.bottom - place.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT text = {};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    DestroyWindow(parent);
    return text.top;
}

TEST_F(ToolWindow, HistoryBoxDrawsItsOwnBorder) {
    // A bordered EDIT without a client edge keeps its text off the border it
    // draws: its text starts where that of a bordered twin made here does.
    HWND box = tool.control(kIdHistoryBox);
    ASSERT_NE(box, nullptr);
    RECT text = {};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    const LONG bordered = referenceTextTop(box, true);
    const LONG plain = referenceTextTop(box, false);
    ASSERT_NE(bordered, plain) << "a border does not show in the text rectangle here";
    EXPECT_EQ(text.top, bordered) << "without a border it would be " << plain;
}

// Keys typed into the window go to its boxes and nowhere else: Esc does not
// close it, Enter does not move on, and what the user types stays.
TEST_F(ToolWindow, KeysInsideTheWindowOnlyEdit) {
    HWND nameBox = tool.control(kIdNameBox);
    HWND historyBox = tool.control(kIdHistoryBox);
    ASSERT_TRUE(clickAt(centreOf(nameBox)));
    ASSERT_TRUE(waitUntil([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) && info.hwndFocus == nameBox;
    }));
    for (WORD key : {WORD('A'), WORD(VK_ESCAPE), WORD(VK_RETURN), WORD('B')}) ASSERT_TRUE(pressKey(key));
    EXPECT_TRUE(waitUntil([&] { return windowTextA(nameBox) == "ab"; })) << windowTextA(nameBox);
    pumpFor(200);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(tool.isRunning());

    ASSERT_TRUE(clickAt(centreOf(historyBox)));
    for (WORD key : {WORD('X'), WORD(VK_RETURN), WORD('Y')}) ASSERT_TRUE(pressKey(key));
    EXPECT_TRUE(waitUntil([&] { return windowTextA(historyBox) == "x\r\ny"; })) << hexBytes(windowTextA(historyBox));
    EXPECT_EQ(windowTextA(nameBox), "ab");
    // Take the mouse off the window before it goes.
    moveCursor(POINT{100, 100});
}

TEST(ToolLifecycle, ClosingTheWindowEndsWithExitCodeZero) {
    RunningTool tool;
    ASSERT_TRUE(tool.started()) << tool.error();
    ASSERT_TRUE(tool.waitForMainWindow());
    EXPECT_EQ(countMessageBoxes(tool.processId()), 0);
    ASSERT_TRUE(tool.close());
    const std::optional<DWORD> code = tool.waitForExit();
    ASSERT_TRUE(code.has_value()) << "still running after WM_CLOSE";
    EXPECT_EQ(*code, 0u);
}

// Only in the ctest entry that starts the tool without DwmApi.dll (Wine's
// dwmapi=d override), which says so in DERUVEZA_EXPECT_NO_DWMAPI=1.
bool dwmApiIsWithheld() {
    wchar_t value[8] = {};
    const DWORD length = GetEnvironmentVariableW(L"DERUVEZA_EXPECT_NO_DWMAPI", value, 8);
    return length == 1 && value[0] == L'1';
}

TEST(NoDwmApi, ReportsTheMissingExportAndEndsWithMinusOne) {
    if (!dwmApiIsWithheld()) GTEST_SKIP() << "runs only with DwmApi.dll withheld (DERUVEZA_EXPECT_NO_DWMAPI=1)";

    RunningTool tool;
    ASSERT_TRUE(tool.started()) << tool.error();
    bool windowShown = false;
    auto watchWindow = [&] {
        HWND main = tool.findMainWindow();
        if (main != nullptr && IsWindowVisible(main)) windowShown = true;
    };

    HWND box = nullptr;
    waitUntil([&] {
        watchWindow();
        box = findMessageBox(tool.processId(), texts::kFatalCaption);
        return box != nullptr || windowShown || !tool.isRunning();
    });
    ASSERT_NE(box, nullptr) << "no report; main window shown: " << windowShown
                            << "; still running: " << tool.isRunning();
    EXPECT_EQ(countMessageBoxes(tool.processId()), 1);
    EXPECT_EQ(visibleButtons(box), std::vector<int>{IDOK});

    const AnsiText expected =
        fatalReportText(formatText(texts::kExportMissingFormat, "DwmApi.dll", "DwmExtendFrameIntoClientArea"), 0);
    const AnsiText shown = messageBoxText(box);
    EXPECT_TRUE(sameReportText(shown, expected)) << "shown:    " << hexBytes(shown) << "\nexpected: "
                                                 << hexBytes(expected);

    // The report is modal on the tool's only thread: give the window every
    // chance to show before the report goes.
    pumpFor(200);
    watchWindow();
    EXPECT_FALSE(windowShown) << "the main window became visible";

    ASSERT_TRUE(pressOk(box));
    std::optional<DWORD> code;
    waitUntil([&] {
        watchWindow();
        return !tool.isRunning();
    });
    code = tool.waitForExit(0);
    ASSERT_TRUE(code.has_value()) << "still running after OK";
    EXPECT_EQ(*code, 0xFFFFFFFFu);
    EXPECT_FALSE(windowShown) << "the main window became visible";
}

}  // namespace
