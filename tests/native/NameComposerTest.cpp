#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "TestText.h"
#include "common/SystemTexts.h"
#include "names/NameComposer.h"

namespace {

// An in-memory 配置.ini that records every read.
class FakeProfile final : public ProfileReader {
public:
    std::map<AnsiText, AnsiText> values;  // key -> value, in section 配置
    struct Read {
        AnsiText section, key, path;
    };
    std::vector<Read> reads;

    AnsiText readString(const AnsiText& section, const AnsiText& key, const AnsiText& path) override {
        reads.push_back({section, key, path});
        if (section != gbk("配置")) return AnsiText();
        auto found = values.find(key);
        return found == values.end() ? AnsiText() : found->second;
    }
};

class FixedTicks final : public TickSource {
public:
    uint32_t value = 0;
    uint32_t ticks() override { return value; }
};

class Composer : public testing::Test {
protected:
    void setLists(const std::string& surnames, const std::string& given, const std::string& symbols) {
        profile.values.clear();
        if (!surnames.empty()) profile.values[gbk("姓")] = gbk(surnames);
        if (!given.empty()) profile.values[gbk("名")] = gbk(given);
        if (!symbols.empty()) profile.values[gbk("符")] = gbk(symbols);
    }

    FakeProfile profile;
    FixedTicks ticks;
    NameListFile file{profile, gbk("C:\\游戏")};
    RandomSource random{ticks};
    NameComposer composer{file, random};
};

TEST_F(Composer, WorkedExample) {
    setLists("王、李", "风、云", "丶、灬");
    ticks.value = 1;  // with the counter at 0 the reseed in compose gives the seed 1
    const ComposedName result = composer.compose(2, 2);
    EXPECT_EQ(result.emptyList, EmptyList::None);
    EXPECT_EQ(hexBytes(result.name), hexBytes(gbk("李丶灬云风")));
}

TEST_F(Composer, OneItemSurnameTakesNoGeneratorValue) {
    setLists("王", "风、云", "丶、灬");
    ticks.value = 1;
    // 41 and 18467 go to the given names, 6334 and 26500 to the symbols.
    EXPECT_EQ(hexBytes(composer.compose(2, 2).name), hexBytes(gbk("王丶丶云云")));
}

TEST_F(Composer, OneItemListsLeaveOnlyTheCountsToChance) {
    setLists("王", "风", "丶");
    const std::set<AnsiText> allowed = {gbk("王丶风"), gbk("王丶风风"), gbk("王丶丶风"), gbk("王丶丶风风")};
    std::set<AnsiText> seen;
    for (uint32_t t = 0; t < 200; ++t) {
        ticks.value = t * 7919u;
        const AnsiText name = composer.newName().name;
        ASSERT_TRUE(allowed.count(name)) << hexBytes(name);
        seen.insert(name);
    }
    EXPECT_EQ(seen, allowed);
}

TEST_F(Composer, ReadsTheFileAtEveryName) {
    setLists("王", "风", "丶");
    composer.newName();
    ASSERT_EQ(profile.reads.size(), 3u);
    EXPECT_EQ(profile.reads[0].key, gbk("姓"));
    EXPECT_EQ(profile.reads[1].key, gbk("名"));
    EXPECT_EQ(profile.reads[2].key, gbk("符"));
    for (const auto& read : profile.reads) {
        EXPECT_EQ(read.section, gbk("配置"));
        EXPECT_EQ(read.path, gbk("C:\\游戏\\配置.ini"));
    }
    setLists("赵", "雪", "灬");  // the file changes between two names
    EXPECT_EQ(composer.compose(1, 1).name, gbk("赵灬雪"));
    EXPECT_EQ(profile.reads.size(), 6u);
}

TEST_F(Composer, SeparatorAloneGivesNamesWithoutSymbols) {
    setLists("王", "风", "、");
    for (uint32_t t = 0; t < 20; ++t) {
        ticks.value = t;
        const ComposedName result = composer.newName();
        EXPECT_EQ(result.emptyList, EmptyList::None);
        EXPECT_TRUE(result.name == gbk("王风") || result.name == gbk("王风风")) << hexBytes(result.name);
    }
}

TEST_F(Composer, EmptyItemsMayGiveAnEmptyName) {
    setLists("、", "、", "、");
    const ComposedName result = composer.newName();
    EXPECT_EQ(result.emptyList, EmptyList::None);
    EXPECT_EQ(result.name, "");
}

struct EmptyCase {
    const char* surnames;
    const char* given;
    const char* symbols;
    EmptyList expected;
};

class EmptyLists : public Composer, public testing::WithParamInterface<EmptyCase> {};

TEST_P(EmptyLists, NameTheFirstEmptyListAndMakeNoName) {
    const EmptyCase& c = GetParam();
    setLists(c.surnames, c.given, c.symbols);
    ticks.value = 4242;
    for (int press = 0; press < 8; ++press) {  // both parities of the raw value
        const ComposedName result = composer.newName();
        EXPECT_EQ(result.emptyList, c.expected);
        EXPECT_EQ(result.name, "");
    }
    EXPECT_EQ(hexBytes(keyOfList(c.expected)),
              hexBytes(c.expected == EmptyList::Surnames     ? gbk("姓")
                       : c.expected == EmptyList::GivenNames ? gbk("名")
                                                             : gbk("符")));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, EmptyLists,
    testing::Values(EmptyCase{"", "", "", EmptyList::Surnames},
                    EmptyCase{"", "风", "丶", EmptyList::Surnames},
                    EmptyCase{"王", "", "", EmptyList::GivenNames},
                    EmptyCase{"王", "", "丶", EmptyList::GivenNames},
                    EmptyCase{"王", "风", "", EmptyList::Symbols}));

TEST_F(Composer, EmptyListLeavesTheNextNameUnharmed) {
    setLists("王", "风", "");
    EXPECT_EQ(composer.newName().emptyList, EmptyList::Symbols);
    setLists("王", "风", "丶");
    EXPECT_EQ(composer.newName().emptyList, EmptyList::None);
}

TEST_F(Composer, TwoNamesInOneTickUseDifferentSeeds) {
    setLists("王", "风", "丶");
    ticks.value = 5000;
    composer.newName();
    const uint32_t first = random.state();
    const uint32_t counter = random.seedCounter();
    composer.newName();
    EXPECT_NE(random.state(), first);
    EXPECT_GE(random.seedCounter() - counter, 2u * 100u);  // two reseeds per name
}

TEST(NameListFileRead, SkipsLeadingBlanksOfTheKey) {
    FakeProfile profile;
    profile.values[gbk("姓")] = gbk("王");
    NameListFile file(profile, "C:\\T");
    EXPECT_EQ(file.readValue(" \t" + gbk("姓")), gbk("王"));
    ASSERT_EQ(profile.reads.size(), 1u);
    EXPECT_EQ(profile.reads[0].key, gbk("姓"));
    EXPECT_EQ(file.readValue(" \x01\x20"), "");  // nothing left: no read at all
    EXPECT_EQ(profile.reads.size(), 1u);
}

TEST(NameListFileRead, EmptyRunDirectoryStillFormsAPath) {
    FakeProfile profile;
    NameListFile file(profile, "");
    file.readValue(gbk("姓"));
    ASSERT_EQ(profile.reads.size(), 1u);
    EXPECT_EQ(profile.reads[0].path, gbk("\\配置.ini"));
}

using CheckedIndexDeathTest = testing::Test;

TEST(CheckedIndexDeathTest, IndexBelowOneEndsWithCode4) {
    const NameList list = {"a"};
    EXPECT_EXIT(itemAt(list, 0), testing::ExitedWithCode(255),
                "fatal code=4 message=\\[" + hexBytes(texts::kIndexBelowOneMessage) + "\\]");
}

TEST(CheckedIndexDeathTest, IndexBeyondTheLastEndsWithCode1) {
    const NameList list = {"a", "b"};
    EXPECT_EXIT(itemAt(list, 3), testing::ExitedWithCode(255),
                "fatal code=1 message=\\[" + hexBytes(texts::kIndexBeyondLastMessage) + "\\]");
    EXPECT_EXIT(itemAt(NameList{}, 1), testing::ExitedWithCode(255), "fatal code=1 ");
}

TEST(CheckedIndex, InRangeReturnsTheItem) {
    const NameList list = {"a", "", "c"};
    EXPECT_EQ(itemAt(list, 1), "a");
    EXPECT_EQ(itemAt(list, 2), "");
    EXPECT_EQ(itemAt(list, 3), "c");
}

}  // namespace
