#include <gtest/gtest.h>

#include <vector>

#include "TestText.h"
#include "names/NameListFile.h"

namespace {

struct SplitCase {
    const char* what;
    AnsiText value;
    std::vector<AnsiText> items;
};

class SplitItems : public testing::TestWithParam<SplitCase> {};

std::vector<std::string> hexAll(const std::vector<AnsiText>& items) {
    std::vector<std::string> out;
    for (const AnsiText& item : items) out.push_back(hexBytes(item));
    return out;
}

TEST_P(SplitItems, CutsAtSeparatorsThatBeginACharacter) {
    EXPECT_EQ(hexAll(splitItems(GetParam().value)), hexAll(GetParam().items)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SplitItems,
    testing::Values(
        SplitCase{"empty", "", {}},
        SplitCase{"no separator", gbk("张王"), {gbk("张王")}},
        SplitCase{"three items", gbk("张、王、李"), {gbk("张"), gbk("王"), gbk("李")}},
        SplitCase{"empty item between", gbk("张、、王"), {gbk("张"), "", gbk("王")}},
        SplitCase{"leading separator", gbk("、张"), {"", gbk("张")}},
        SplitCase{"trailing separator adds nothing", gbk("张、"), {gbk("张")}},
        SplitCase{"separator alone", gbk("、"), {""}},
        SplitCase{"two separators", gbk("、、"), {"", ""}},
        SplitCase{"ascii then separator", gbk("a、"), {"a"}},
        // 啊⑴: A1 A2 straddles two characters and is no separator.
        SplitCase{"separator bytes across characters", "\xB0\xA1\xA2\xC5", {"\xB0\xA1\xA2\xC5"}},
        // 0x80 begins a two-byte character too.
        SplitCase{"0x80 is a lead byte", "\x80\xA1\xA2", {"\x80\xA1\xA2"}},
        SplitCase{"ascii runs", gbk("ab、c d、e"), {"ab", "c d", "e"}},
        SplitCase{"lone lead byte at the end stays", gbk("王、李") + "\xC0", {gbk("王"), gbk("李") + "\xC0"}},
        SplitCase{"bytes compared exactly", gbk("Ａ、a"), {gbk("Ａ"), "a"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::to_string(info.index); });

TEST(SplitItemsSize, HasNoLimitOnItems) {
    AnsiText value;
    for (int i = 0; i < 20000; ++i) value += gbk("龙、");
    value += "end";
    const NameList items = splitItems(value);
    ASSERT_EQ(items.size(), 20001u);
    EXPECT_EQ(items.front(), gbk("龙"));
    EXPECT_EQ(items.back(), "end");
}

}  // namespace
