// readValue against real code page 936 files read by the platform's profile
// reader.
#include <gtest/gtest.h>

#include "WinTestText.h"
#include "names/NameListFile.h"
#include "names/ProfileReaderWin32.h"

namespace {

class ReadValue : public testing::Test {
protected:
    void writeIni(const std::string& utf8Body) { writeBytes(folder.file("配置.ini"), gbk(utf8Body)); }
    AnsiText read(const std::string& utf8Key) { return file.readValue(gbk(utf8Key)); }

    ScratchFolder folder{"配置测试"};
    Win32ProfileReader reader;
    NameListFile file{reader, folder.path()};
};

TEST_F(ReadValue, ReadsTheThreeKeysOfSection) {
    writeIni("[其他]\r\n姓=错\r\n[配置]\r\n姓=张、王、李\r\n名=风、云\r\n符=丶\r\n");
    EXPECT_EQ(hexBytes(read("姓")), hexBytes(gbk("张、王、李")));
    EXPECT_EQ(hexBytes(read("名")), hexBytes(gbk("风、云")));
    EXPECT_EQ(hexBytes(read("符")), hexBytes(gbk("丶")));
    EXPECT_EQ(splitItems(read("姓")).size(), 3u);
}

TEST_F(ReadValue, MissingFileGivesEmpty) {
    EXPECT_FALSE(fileExists(folder.file("配置.ini")));
    EXPECT_EQ(read("姓"), "");
}

TEST_F(ReadValue, MissingKeyOrSectionGivesEmpty) {
    writeIni("[配置]\r\n姓=张\r\n");
    EXPECT_EQ(read("名"), "");
    writeIni("[别的]\r\n姓=张\r\n");
    EXPECT_EQ(read("姓"), "");
}

TEST_F(ReadValue, KeyWithNothingAfterEqualsGivesNoItems) {
    writeIni("[配置]\r\n姓=\r\n名=风\r\n");
    EXPECT_EQ(read("姓"), "");
    EXPECT_TRUE(splitItems(read("姓")).empty());
    EXPECT_EQ(read("名"), gbk("风"));
}

TEST_F(ReadValue, AChangedFileIsReadAgain) {
    writeIni("[配置]\r\n姓=张\r\n");
    EXPECT_EQ(read("姓"), gbk("张"));
    writeIni("[配置]\r\n姓=欧阳\r\n");
    EXPECT_EQ(read("姓"), gbk("欧阳"));
}

TEST_F(ReadValue, LongValueArrivesWhole) {
    // About 24 KB of two-byte characters, so a cut at 10239 bytes would also
    // leave half a character behind.
    std::string items;
    for (int i = 0; i < 6000; ++i) items += "龙、";
    items += "最后一项";
    writeIni("[配置]\r\n名=" + items + "\r\n姓=张\r\n");
    const AnsiText value = read("名");
    ASSERT_GT(value.size(), 20000u);
    EXPECT_EQ(value, gbk(items));
    const NameList list = splitItems(value);
    ASSERT_EQ(list.size(), 6001u);
    EXPECT_EQ(list.back(), gbk("最后一项"));
    EXPECT_EQ(read("姓"), gbk("张"));
}

TEST_F(ReadValue, ValueOfExactlyTheFirstBufferSize) {
    // 10239 bytes is the largest value the first buffer holds without a cut.
    for (size_t size : {10238u, 10239u, 10240u, 20479u, 20480u}) {
        const std::string value(size, 'x');
        writeIni("[配置]\r\n符=" + value + "y\r\n");
        EXPECT_EQ(read("符").size(), size + 1) << size;
    }
}

}  // namespace
