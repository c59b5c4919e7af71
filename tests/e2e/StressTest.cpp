// A long session: a thousand F1 presses with undos and saves among them.
// Every press must land in the history, the tool's window objects must not
// pile up, and it must still close cleanly.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include <string>
#include <vector>

#include "Harness.h"
#include "app/ControlIds.h"

namespace {

using namespace e2e;

struct Usage {
    bool guiCounted = false;  // GetGuiResources answers (Windows does, Wine 8 does not)
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    int windows = 0;          // the main window and its controls
    SIZE_T workingSet = 0;
    SIZE_T committed = 0;
};

BOOL CALLBACK countChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

Usage usageOf(DWORD processId, HWND mainWindow) {
    Usage usage;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) return usage;
    SetLastError(0);
    usage.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    usage.guiCounted = !(usage.gdiObjects == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED);
    usage.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        usage.workingSet = memory.WorkingSetSize;
        usage.committed = memory.PagefileUsage;
    }
    CloseHandle(process);
    usage.windows = 1;
    EnumChildWindows(mainWindow, countChild, reinterpret_cast<LPARAM>(&usage.windows));
    return usage;
}

void print(const char* when, const Usage& u) {
    std::printf("%s: GDI %s%lu, USER %lu, windows %d, working set %lu KB, committed %lu KB\n", when,
                u.guiCounted ? "" : "(not counted here) ", u.gdiObjects, u.userObjects, u.windows,
                static_cast<unsigned long>(u.workingSet / 1024), static_cast<unsigned long>(u.committed / 1024));
}

std::string joined(const std::vector<AnsiText>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

TEST(Stress, ThousandPressesWithUndosAndSaves) {
    TargetWindow target;
    ASSERT_TRUE(target.created());
    RunningTool tool(gbk("[配置]\r\n姓=张、王、李、欧阳、司马\r\n名=风、云、雪、辰、逸\r\n符=丶、灬、ぃ\r\n"));
    ASSERT_TRUE(tool.started()) << tool.error();
    ASSERT_TRUE(tool.waitForMainWindow());
    ASSERT_TRUE(moveCursor(target.editCentre()));
    auto history = [&] { return tool.controlText(kIdHistoryBox); };

    // The history as the tool must have it: lines, counter and snapshot.
    std::vector<AnsiText> lines, snapshot;
    int counter = 0;
    Usage warmedUp;
    int saves = 0;

    for (int press = 1; press <= 1000; ++press) {
        const AnsiText before = history();
        ASSERT_TRUE(pressKey(VK_F1));
        ASSERT_TRUE(waitUntil([&] { return history() != before; })) << "press " << press << " was lost";
        snapshot = lines;
        ++counter;
        lines.push_back(gbk(std::to_string(counter) + "：") + tool.controlText(kIdNameBox));

        if (press % 97 == 0) {  // now and then, take one or two lines back
            for (int undo = 0; undo < 1 + press % 2; ++undo) {
                ASSERT_TRUE(pressKey(VK_F2));
                --counter;
                lines = snapshot;
                ASSERT_TRUE(waitUntil([&] { return history() == joined(lines); })) << "undo after press " << press;
            }
        }
        if (press % 250 == 0) {
            ASSERT_EQ(history(), joined(lines)) << "after press " << press;
            ASSERT_TRUE(clickAt(centreOf(tool.control(kIdSaveButton))));
            ASSERT_TRUE(waitUntil([&] {
                std::string saved;
                return readBytes(tool.fileInFolder(L"角色名字.txt"), saved) && saved == joined(lines);
            })) << "save after press " << press;
            ++saves;
            ASSERT_TRUE(moveCursor(target.editCentre()));
        }
        if (press == 50) warmedUp = usageOf(tool.processId(), tool.mainWindow());
    }
    EXPECT_EQ(saves, 4);
    EXPECT_EQ(history(), joined(lines));
    EXPECT_EQ(countMessageBoxes(tool.processId()), 0);

    const Usage end = usageOf(tool.processId(), tool.mainWindow());
    print("after 50 presses", warmedUp);
    print("after 1000 presses", end);
    if (end.guiCounted) {
        EXPECT_LE(end.gdiObjects, warmedUp.gdiObjects);
        EXPECT_LE(end.userObjects, warmedUp.userObjects);
    }
    EXPECT_EQ(warmedUp.windows, 8);
    EXPECT_EQ(end.windows, 8);
    ASSERT_GT(warmedUp.workingSet, 0u);
    ASSERT_GT(warmedUp.committed, 0u);
    // The history itself is some 20 KB of text, held by the edit box and the
    // undo snapshot: the rest must stay flat.
    EXPECT_LT(end.workingSet, warmedUp.workingSet + 2 * 1024 * 1024);
    EXPECT_LT(end.committed, warmedUp.committed + 2 * 1024 * 1024);

    ASSERT_TRUE(tool.close());
    const auto code = tool.waitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}

}  // namespace
