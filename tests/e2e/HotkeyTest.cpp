// F1 and F2 on the real tool: names typed into a window of this program
// under the cursor, the numbered history, the hotkeys' registration and the
// warning for an empty word list.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Harness.h"
#include "app/ControlIds.h"

namespace {

using namespace e2e;

// A 配置.ini in code page 936 with the three lists, each "、"-separated.
AnsiText wordList(const std::string& surnames, const std::string& given, const std::string& symbols) {
    return gbk("[配置]\r\n姓=" + surnames + "\r\n名=" + given + "\r\n符=" + symbols + "\r\n");
}

// A list whose only item is empty: it adds nothing to a name.
const char kNothing[] = "、";

class Hotkeys : public testing::Test {
protected:
    explicit Hotkeys(const std::optional<AnsiText>& profile = wordList("A", kNothing, kNothing)) : tool(profile) {}

    void SetUp() override {
        ASSERT_TRUE(target.created());
        ASSERT_TRUE(tool.started()) << tool.error();
        ASSERT_TRUE(tool.waitForMainWindow());
        ASSERT_TRUE(moveCursor(target.editCentre()));
        pumpFor(50);
    }

    AnsiText history() const { return tool.controlText(kIdHistoryBox); }
    AnsiText shownName() const { return tool.controlText(kIdNameBox); }
    void setWordList(const AnsiText& bytes) {
        ASSERT_TRUE(writeBytes(tool.fileInFolder(L"配置.ini"), bytes));
    }

    // F1, then waits until the history holds the lines given.
    void pressF1Expecting(const std::string& lines) {
        ASSERT_TRUE(pressKey(VK_F1));
        EXPECT_TRUE(waitUntil([&] { return history() == gbk(lines); }))
            << "history: " << hexBytes(history()) << "\nwanted:  " << hexBytes(gbk(lines));
    }
    void pressF2Expecting(const std::string& lines) {
        ASSERT_TRUE(pressKey(VK_F2));
        EXPECT_TRUE(waitUntil([&] { return history() == gbk(lines); }))
            << "history: " << hexBytes(history()) << "\nwanted:  " << hexBytes(gbk(lines));
    }

    TargetWindow target;
    RunningTool tool;
};

TEST_F(Hotkeys, F1TypesExactlyWhatTheNameBoxShows) {
    setWordList(wordList("李A、欧阳b", "风、云、x", "丶、灬"));
    std::vector<AnsiText> names;
    for (int press = 1; press <= 2; ++press) {
        target.clear();
        const AnsiText before = history();
        ASSERT_TRUE(pressKey(VK_F1));
        ASSERT_TRUE(waitUntil([&] { return history() != before && !target.text().empty() &&
                                           target.text() == shownName(); }))
            << "typed " << hexBytes(target.text()) << " shown " << hexBytes(shownName());
        pumpFor(100);  // nothing more arrives after the name
        EXPECT_EQ(hexBytes(target.text()), hexBytes(shownName()));
        names.push_back(shownName());
    }
    for (const AnsiText& name : names) {
        EXPECT_TRUE(name.rfind(gbk("李A"), 0) == 0 || name.rfind(gbk("欧阳b"), 0) == 0) << hexBytes(name);
    }
    EXPECT_EQ(hexBytes(history()), hexBytes(gbk("1：") + names[0] + "\r\n" + gbk("2：") + names[1]));
}

// F1 (A), F1 (B), F2, F2, F1 (C): the undo snapshot stays, the counter falls.
TEST_F(Hotkeys, HistoryStateTable) {
    pressF1Expecting("1：A");
    setWordList(wordList("B", kNothing, kNothing));
    pressF1Expecting("1：A\r\n2：B");
    pressF2Expecting("1：A");
    pressF2Expecting("1：A");
    setWordList(wordList("C", kNothing, kNothing));
    pressF1Expecting("1：A\r\n1：C");
    EXPECT_TRUE(waitUntil([&] { return target.text() == "ABC"; })) << target.text();
}

TEST_F(Hotkeys, UndoBeforeAnyNameGivesNegativeNumbers) {
    pressF2Expecting("");
    pressF2Expecting("");
    pressF1Expecting("-1：A");  // the counter was -2
    pressF2Expecting("");
    pressF2Expecting("");
    pressF1Expecting("-2：A");
}

TEST_F(Hotkeys, AChangedWordListCountsAtTheNextPress) {
    // The separator alone is one empty item: no symbol, and no failure.
    setWordList(wordList("王", "风", kNothing));
    ASSERT_TRUE(pressKey(VK_F1));
    ASSERT_TRUE(waitUntil([&] { return !history().empty(); }));
    EXPECT_TRUE(shownName() == gbk("王风") || shownName() == gbk("王风风")) << hexBytes(shownName());

    setWordList(wordList("赵", "雪", "灬"));
    ASSERT_TRUE(pressKey(VK_F1));
    ASSERT_TRUE(waitUntil([&] { return history().find("\r\n") != std::string::npos; }));
    const AnsiText name = shownName();
    EXPECT_EQ(name.rfind(gbk("赵灬"), 0), 0u) << hexBytes(name);
    EXPECT_NE(name.find(gbk("雪")), std::string::npos);
}

// Siblings below the window under the cursor compete for the text: the
// smallest visible one that holds the cursor wins.
TEST_F(Hotkeys, SmallerVisibleSiblingBelowTheHitReceivesTheText) {
    auto sibling = [&](int left, int top, int width, int height, bool visible) {
        return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_BORDER | (visible ? WS_VISIBLE : 0), left, top, width,
                               height, target.window(), nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    // The cursor is at the target edit's centre, client 220,50.
    HWND smaller = sibling(190, 35, 80, 30, true);
    HWND hiddenSmallest = sibling(210, 45, 20, 10, false);
    HWND elsewhere = sibling(20, 20, 10, 10, true);
    ASSERT_TRUE(smaller && hiddenSmallest && elsewhere);
    pumpFor(50);
    ASSERT_EQ(WindowFromPoint(target.editCentre()), target.edit());

    pressF1Expecting("1：A");
    EXPECT_TRUE(waitUntil([&] { return windowTextA(smaller) == "A"; })) << hexBytes(windowTextA(smaller));
    pumpFor(100);
    EXPECT_EQ(target.text(), "");
    EXPECT_EQ(windowTextA(hiddenSmallest), "");
    EXPECT_EQ(windowTextA(elsewhere), "");
}

TEST_F(Hotkeys, NoSmallerSiblingKeepsTheHitWindow) {
    HWND larger = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 480, 200, target.window(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(larger, nullptr);
    pressF1Expecting("1：A");
    EXPECT_TRUE(waitUntil([&] { return target.text() == "A"; }));
    EXPECT_EQ(windowTextA(larger), "");
}

// A second copy finds both keys taken: every press reaches the first copy.
TEST_F(Hotkeys, SecondRunningCopyReactsToNeitherKey) {
    RunningTool second(wordList("Z", kNothing, kNothing));
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.waitForMainWindow());
    ASSERT_TRUE(moveCursor(target.editCentre()));
    SendMessageW(second.control(kIdHistoryBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"手写"));

    pressF1Expecting("1：A");
    pressF1Expecting("1：A\r\n2：A");
    pressF2Expecting("1：A");
    EXPECT_TRUE(waitUntil([&] { return target.text() == "AA"; })) << target.text();
    pumpFor(300);
    EXPECT_EQ(second.controlText(kIdHistoryBox), gbk("手写"));
    EXPECT_EQ(second.controlText(kIdNameBox), "");
    EXPECT_TRUE(second.isRunning());
}

// F1 held by this program before the tool starts: the tool's F1 does
// nothing, its F2 still works.
class F1TakenElsewhere : public testing::Test {
protected:
    static LRESULT CALLBACK countHotkeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_HOTKEY) ++presses;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = countHotkeys;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"F1Holder";
        RegisterClassW(&wc);
        holder = CreateWindowExW(0, L"F1Holder", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(RegisterHotKey(holder, 7, 0, VK_F1));
        presses = 0;
    }
    void TearDown() override {
        UnregisterHotKey(holder, 7);
        DestroyWindow(holder);
    }
    static int presses;
    HWND holder = nullptr;
};
int F1TakenElsewhere::presses = 0;

TEST_F(F1TakenElsewhere, ToolIgnoresF1AndStillUndoesWithF2) {
    TargetWindow target;
    RunningTool tool(wordList("A", kNothing, kNothing));
    ASSERT_TRUE(tool.started());
    ASSERT_TRUE(tool.waitForMainWindow());
    ASSERT_TRUE(moveCursor(target.editCentre()));

    ASSERT_TRUE(pressKey(VK_F1));
    EXPECT_TRUE(waitUntil([&] { return presses == 1; }));  // it went to the holder
    pumpFor(300);
    EXPECT_EQ(tool.controlText(kIdHistoryBox), "");
    EXPECT_EQ(target.text(), "");

    // F2 puts back the empty snapshot over a hand-written history.
    SendMessageW(tool.control(kIdHistoryBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"手写"));
    ASSERT_EQ(tool.controlText(kIdHistoryBox), gbk("手写"));
    ASSERT_TRUE(pressKey(VK_F2));
    EXPECT_TRUE(waitUntil([&] { return tool.controlText(kIdHistoryBox).empty(); }));
}

// No 配置.ini: F1 warns, nothing is shown, typed or logged, and the tool
// goes on; once the file is back F1 works.
class EmptyWordList : public Hotkeys {
protected:
    EmptyWordList() : Hotkeys(std::nullopt) {}
};

TEST_F(EmptyWordList, MissingFileWarnsAndKeepsTheHistory) {
    // Start from a history of one line, then take the file away.
    setWordList(wordList("A", kNothing, kNothing));
    pressF1Expecting("1：A");
    ASSERT_TRUE(waitUntil([&] { return target.text() == "A"; }));
    ASSERT_TRUE(DeleteFileW(tool.fileInFolder(L"配置.ini").c_str()));
    target.clear();

    ASSERT_TRUE(pressKey(VK_F1));
    HWND report = waitForMessageBox(tool.processId(), "Deruveza");
    ASSERT_NE(report, nullptr);
    const AnsiText expected = gbk("无法生成名字：配置.ini 的 [配置] 一节里“姓”列表是空的。\r\n"
                                  "请在这一节写上像 姓=张、王、李 这样的一行，各项之间用“、”隔开。\r\n\r\n文件：") +
                              ansiText(tool.fileInFolder(L"配置.ini"));
    EXPECT_TRUE(sameReportText(messageBoxText(report), expected))
        << "shown:  " << hexBytes(messageBoxText(report)) << "\nwanted: " << hexBytes(expected);
    EXPECT_EQ(GetWindow(report, GW_OWNER), tool.mainWindow());

    // Under the open report neither key acts, and no second report opens.
    ASSERT_TRUE(pressKey(VK_F2));
    ASSERT_TRUE(pressKey(VK_F1));
    pumpFor(400);
    EXPECT_EQ(countMessageBoxes(tool.processId()), 1);
    EXPECT_EQ(history(), gbk("1：A"));
    EXPECT_EQ(shownName(), "A");
    EXPECT_EQ(target.text(), "");

    ASSERT_TRUE(pressOk(report));
    ASSERT_TRUE(waitUntil([&] { return countMessageBoxes(tool.processId()) == 0; }));
    EXPECT_TRUE(tool.isRunning());
    EXPECT_EQ(history(), gbk("1：A"));

    setWordList(wordList("B", kNothing, kNothing));
    pressF1Expecting("1：A\r\n2：B");
    EXPECT_TRUE(waitUntil([&] { return target.text() == "B"; }));
}

TEST_F(EmptyWordList, EmptySymbolListIsNamedInTheWarning) {
    setWordList(wordList("王", "风", ""));
    ASSERT_TRUE(pressKey(VK_F1));
    HWND report = waitForMessageBox(tool.processId(), "Deruveza");
    ASSERT_NE(report, nullptr);
    EXPECT_NE(messageBoxText(report).find(gbk("里“符”列表是空的")), std::string::npos)
        << hexBytes(messageBoxText(report));
    ASSERT_TRUE(pressOk(report));
    ASSERT_TRUE(waitUntil([&] { return countMessageBoxes(tool.processId()) == 0; }));
    EXPECT_EQ(history(), "");
    EXPECT_EQ(shownName(), "");
    ASSERT_TRUE(tool.close());
    const auto code = tool.waitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}

}  // namespace
