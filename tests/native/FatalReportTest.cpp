#include <gtest/gtest.h>

#include "TestText.h"
#include "common/FatalRuntimeError.h"
#include "common/SystemTexts.h"

namespace {

struct ReportCase {
    AnsiText message;
    int32_t code;
    std::string expectedUtf8;
};

class FatalReport : public testing::TestWithParam<ReportCase> {};

TEST_P(FatalReport, BuildsTheReportText) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(hexBytes(fatalReportText(c.message, c.code)), hexBytes(gbk(c.expectedUtf8)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FatalReport,
    testing::Values(
        ReportCase{gbk("数组成员引用下标超出定义范围"), 1,
                   "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        ReportCase{gbk("载入启动窗口失败"), 0, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        ReportCase{"", 4, "运行时出错!\r\n\r\n错误代码：4\r\n\r\n"},
        ReportCase{"", -7, "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n"},
        ReportCase{"", 0, "运行时出错!\r\n\r\n"}));

TEST(FatalReportTexts, MessagesAreTheSystemsOwn) {
    EXPECT_EQ(hexBytes(texts::kIndexBelowOneMessage), hexBytes(gbk("数组成员引用下标必须大于等于1")));
    EXPECT_EQ(hexBytes(texts::kFatalCaption), hexBytes(gbk("错误")));
    EXPECT_EQ(hexBytes(formatText(texts::kExportMissingFormat, "DwmApi.dll", "DwmExtendFrameIntoClientArea")),
              hexBytes(gbk("无法找到指定DLL库文件“DwmApi.dll”中的输出命令“DwmExtendFrameIntoClientArea”")));
    EXPECT_EQ(hexBytes(formatText(texts::kExportMissingNoLibraryFormat, "PostMessageA")),
              hexBytes(gbk("无法找到指定DLL库文件中的输出命令“PostMessageA”")));
    EXPECT_EQ(hexBytes(formatText(texts::kAllocationFailedFormat, 10240)), hexBytes(gbk("分配 10240 字节内存失败!")));
}

TEST(DecimalText, FormatsLikePercentD) {
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(10), "10");
    EXPECT_EQ(decimalText(-1), "-1");
    EXPECT_EQ(decimalText(INT32_MIN), "-2147483648");
    EXPECT_EQ(decimalText(INT32_MAX), "2147483647");
}

}  // namespace
