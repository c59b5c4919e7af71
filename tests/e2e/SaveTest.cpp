// The save button on the real tool: the bytes of the history in
// 角色名字.txt beside the exe, replaced whole at each click, and a warning
// that leaves the old file and the history alone when saving fails.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "Harness.h"
#include "app/ControlIds.h"

namespace {

using namespace e2e;

AnsiText wordList(const std::string& surname) {
    return gbk("[配置]\r\n姓=" + surname + "\r\n名=、\r\n符=、\r\n");
}

class SaveButton : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(target.created());
        ASSERT_TRUE(tool.started()) << tool.error();
        ASSERT_TRUE(tool.waitForMainWindow());
    }

    std::wstring savedFile() const { return tool.fileInFolder(L"角色名字.txt"); }
    AnsiText history() const { return tool.controlText(kIdHistoryBox); }

    // F1 with a word list whose only name is the one given.
    void typeName(const std::string& name) {
        ASSERT_TRUE(writeBytes(tool.fileInFolder(L"配置.ini"), wordList(name)));
        ASSERT_TRUE(moveCursor(target.editCentre()));
        const AnsiText before = history();
        ASSERT_TRUE(pressKey(VK_F1));
        ASSERT_TRUE(waitUntil([&] { return history() != before; }));
    }

    void clickSave() { ASSERT_TRUE(clickAt(centreOf(tool.control(kIdSaveButton)))); }

    bool fileHolds(const std::string& bytes) const {
        std::string got;
        return readBytes(savedFile(), got) && got == bytes;
    }

    // Every file in the tool's folder, for leftovers of a failed save.
    std::vector<std::wstring> filesInFolder() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((tool.folder() + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    TargetWindow target;
    RunningTool tool{wordList("A")};
};

TEST_F(SaveButton, WritesTheHistoryBytesAndReplacesThemAtTheNextClick) {
    typeName("A");
    typeName("B");
    clickSave();
    EXPECT_TRUE(waitUntil([&] { return fileHolds("\x31\xA3\xBA\x41\x0D\x0A\x32\xA3\xBA\x42"); }));

    typeName("C");
    clickSave();
    EXPECT_TRUE(waitUntil([&] { return fileHolds(gbk("1：A\r\n2：B\r\n3：C")); }));
    EXPECT_EQ(history(), gbk("1：A\r\n2：B\r\n3：C"));

    // Undone lines and repeated numbers are saved as they stand.
    ASSERT_TRUE(pressKey(VK_F2));
    ASSERT_TRUE(waitUntil([&] { return history() == gbk("1：A\r\n2：B"); }));
    ASSERT_TRUE(pressKey(VK_F2));  // the same snapshot again; the counter falls to 1
    typeName("D");
    clickSave();
    EXPECT_TRUE(waitUntil([&] { return fileHolds(gbk("1：A\r\n2：B\r\n2：D")); }));
    EXPECT_EQ(countMessageBoxes(tool.processId()), 0);
}

TEST_F(SaveButton, EmptyHistoryCutsTheFileToNothing) {
    ASSERT_TRUE(writeBytes(savedFile(), "old history"));
    clickSave();
    EXPECT_TRUE(waitUntil([&] { return fileHolds(""); }));
}

TEST_F(SaveButton, PressOnTheButtonReleasedOutsideSavesNothing) {
    typeName("A");
    RECT button = {};
    ASSERT_TRUE(GetWindowRect(tool.control(kIdSaveButton), &button));
    const POINT outside = {button.left + 80, button.top - 30};  // over the usage text
    ASSERT_TRUE(pressAndReleaseAt(centreOf(tool.control(kIdSaveButton)), outside));
    pumpFor(500);
    EXPECT_EQ(GetFileAttributesW(savedFile().c_str()), INVALID_FILE_ATTRIBUTES);
    // The same press released on the button does save.
    clickSave();
    EXPECT_TRUE(waitUntil([&] { return fileHolds(gbk("1：A")); }));
}

// A file that cannot be replaced keeps its bytes, the user is told, and
// nothing of the history changes.
class SaveFailure : public SaveButton, public testing::WithParamInterface<const char*> {};

TEST_P(SaveFailure, KeepsTheOldFileAndSaysSo) {
    const std::string how = GetParam();
    typeName("A");
    ASSERT_TRUE(writeBytes(savedFile(), "old bytes"));
    HANDLE held = INVALID_HANDLE_VALUE;
    if (how == "read-only") {
        ASSERT_TRUE(SetFileAttributesW(savedFile().c_str(), FILE_ATTRIBUTE_READONLY));
    } else {
        held = CreateFileW(savedFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }

    clickSave();
    HWND report = waitForMessageBox(tool.processId(), "Deruveza");
    ASSERT_NE(report, nullptr);
    const AnsiText text = messageBoxText(report);
    const AnsiText start = gbk("保存失败：无法写入") + ansiText(savedFile()) + "\r\n";
    const AnsiText end = gbk("\r\n\r\n历史记录没有改动。");
    EXPECT_EQ(text.rfind(start, 0), 0u) << hexBytes(text);
    ASSERT_GT(text.size(), start.size() + end.size()) << "no system text in " << hexBytes(text);
    EXPECT_EQ(text.compare(text.size() - end.size(), end.size(), end), 0) << hexBytes(text);
    EXPECT_EQ(GetWindow(report, GW_OWNER), tool.mainWindow());

    // A second click under the report does nothing.
    clickSave();
    pumpFor(300);
    EXPECT_EQ(countMessageBoxes(tool.processId()), 1);

    ASSERT_TRUE(pressOk(report));
    ASSERT_TRUE(waitUntil([&] { return countMessageBoxes(tool.processId()) == 0; }));
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesW(savedFile().c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_TRUE(fileHolds("old bytes"));
    EXPECT_EQ(filesInFolder().size(), 3u) << "the exe, 配置.ini and 角色名字.txt, no temporary file";
    EXPECT_TRUE(tool.isRunning());
    EXPECT_EQ(history(), gbk("1：A"));

    // The next F2 still finds the snapshot from before the last F1.
    ASSERT_TRUE(pressKey(VK_F2));
    EXPECT_TRUE(waitUntil([&] { return history().empty(); }));
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveFailure, testing::Values("read-only", "held open"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param) == "read-only" ? "ReadOnly" : "HeldOpen";
                         });

}  // namespace
