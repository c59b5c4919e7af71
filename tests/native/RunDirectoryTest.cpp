#include <gtest/gtest.h>

#include "TestText.h"
#include "common/RunDirectory.h"

namespace {

struct CutCase {
    const char* what;
    AnsiText path;
    AnsiText directory;
};

class RunDirectoryCut : public testing::TestWithParam<CutCase> {};

TEST_P(RunDirectoryCut, CutsAtTheLastBackslashOfACharacter) {
    EXPECT_EQ(hexBytes(cutRunDirectory(GetParam().path)), hexBytes(GetParam().directory));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RunDirectoryCut,
    testing::Values(
        CutCase{"plain", "C:\\Tools\\a.exe", "C:\\Tools"},
        CutCase{"drive root", "C:\\a.exe", "C:"},
        CutCase{"no backslash", "a.exe", ""},
        CutCase{"empty", "", ""},
        CutCase{"trailing backslash", "C:\\Tools\\", "C:\\Tools"},
        // 0x5C as the trail byte of a double-byte character is not a backslash.
        CutCase{"trail byte 5C after the last backslash", "C:\\Tools\\\x81\x5C" "a.exe", "C:\\Tools"},
        CutCase{"trail byte 5C in the directory", "C:\\\x81\x5C\\a.exe", "C:\\\x81\x5C"},
        CutCase{"only a trail byte 5C", "\x81\x5C" "a.exe", ""},
        CutCase{"Chinese folders", gbk("D:\\游戏\\工具\\Deruveza.exe"), gbk("D:\\游戏\\工具")}),
    [](const testing::TestParamInfo<CutCase>& info) { return std::to_string(info.index); });

}  // namespace
