// Saving whole files: the new bytes or the old file, never half of either.
#include <gtest/gtest.h>

#include <windows.h>

#include "WinTestText.h"
#include "history/FileWriterWin32.h"

namespace {

class SaveFile : public testing::Test {
protected:
    AnsiText target() const { return folder.file("角色名字.txt"); }
    std::string contents() const {
        std::string bytes;
        EXPECT_TRUE(readBytes(target(), bytes));
        return bytes;
    }
    bool onlyTheTargetIsLeft() const {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder.path() + "\\*").c_str(), &found);
        int files = 0;
        bool others = false;
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const AnsiText name = found.cFileName;
                if (name == "." || name == "..") continue;
                ++files;
                if (name != gbk("角色名字.txt")) others = true;
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        return files <= 1 && !others;
    }

    ScratchFolder folder{"保存测试"};
    Win32FileWriter writer;
};

TEST_F(SaveFile, WritesExactlyTheBytes) {
    const AnsiText history = "1\xA3\xBA" "A\r\n2\xA3\xBA" "B";
    EXPECT_TRUE(writer.writeWholeFile(target(), history).written);
    EXPECT_EQ(hexBytes(contents()), "31 A3 BA 41 0D 0A 32 A3 BA 42");
    EXPECT_TRUE(onlyTheTargetIsLeft());
}

TEST_F(SaveFile, ReplacesTheWholeFile) {
    writeBytes(target(), std::string(5000, 'x'));
    EXPECT_TRUE(writer.writeWholeFile(target(), gbk("1：新")).written);
    EXPECT_EQ(contents(), gbk("1：新"));
    EXPECT_TRUE(writer.writeWholeFile(target(), "").written);
    EXPECT_EQ(contents(), "");
    EXPECT_TRUE(onlyTheTargetIsLeft());
}

TEST_F(SaveFile, ReadOnlyTargetKeepsItsBytes) {
    writeBytes(target(), "old");
    ASSERT_TRUE(SetFileAttributesA(target().c_str(), FILE_ATTRIBUTE_READONLY));
    const WriteResult result = writer.writeWholeFile(target(), "new");
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.systemErrorText, systemErrorText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(contents(), "old");
    EXPECT_TRUE(onlyTheTargetIsLeft());
}

TEST_F(SaveFile, TargetHeldOpenWithoutSharingKeepsItsBytes) {
    writeBytes(target(), "old");
    HANDLE held = CreateFileA(target().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const WriteResult result = writer.writeWholeFile(target(), "new");
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.systemErrorText.empty());
    CloseHandle(held);
    EXPECT_EQ(contents(), "old");
    EXPECT_TRUE(onlyTheTargetIsLeft());
}

TEST_F(SaveFile, MissingFolderAndEmptyPathFail) {
    const WriteResult missing = writer.writeWholeFile(folder.path() + "\\nowhere\\x.txt", "a");
    EXPECT_FALSE(missing.written);
    EXPECT_FALSE(missing.systemErrorText.empty());
    EXPECT_FALSE(writer.writeWholeFile("", "a").written);
}

TEST(SystemErrorText, HasNoTrailingLineBreak) {
    const AnsiText text = systemErrorText(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
}

}  // namespace
