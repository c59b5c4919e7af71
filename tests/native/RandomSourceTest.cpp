#include <gtest/gtest.h>

#include <vector>

#include "names/RandomSource.h"

namespace {

class FixedTicks final : public TickSource {
public:
    uint32_t value = 0;
    uint32_t ticks() override { return value; }
};

TEST(RandomSource, FirstValuesFromStateOne) {
    FixedTicks ticks;
    RandomSource random(ticks);
    random.setState(1);
    std::vector<int32_t> values;
    for (int i = 0; i < 5; ++i) values.push_back(random.nextRaw());
    EXPECT_EQ(values, (std::vector<int32_t>{41, 18467, 6334, 26500, 19169}));
}

TEST(RandomSource, ReseedWithinOneTickMovesTheSeed) {
    FixedTicks ticks;
    ticks.value = 1000000;
    RandomSource random(ticks);
    random.reseed();
    EXPECT_EQ(random.state(), 1000000u);
    EXPECT_EQ(random.seedCounter(), 164u);
    random.reseed();
    EXPECT_EQ(random.state(), 1000164u);
    EXPECT_EQ(random.seedCounter(), 492u);
}

TEST(RandomSource, ReseedWrapsAroundTheTickCount) {
    FixedTicks ticks;
    ticks.value = 0xFFFFFFFFu;
    RandomSource random(ticks);
    random.reseed();  // seed FFFFFFFF, counter 0xFF + 100
    random.reseed();  // seed FFFFFFFF + 355 wraps to 354
    EXPECT_EQ(random.state(), 354u);
    EXPECT_EQ(random.seedCounter(), 355u + (354u & 0xFFu) + 100u);
}

struct DrawCase {
    int32_t low;
    int32_t high;
    int32_t expected;  // from state 1, whose first raw value is 41
    bool advances;
};

class Draw : public testing::TestWithParam<DrawCase> {};

TEST_P(Draw, FollowsTheBoundsRules) {
    FixedTicks ticks;
    RandomSource random(ticks);
    random.setState(1);
    const DrawCase& c = GetParam();
    EXPECT_EQ(random.draw(c.low, c.high), c.expected);
    EXPECT_EQ(random.state() != 1u, c.advances);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, Draw,
    testing::Values(DrawCase{1, 2, 1 + 41 % 2, true},
                    DrawCase{3, 5, 3 + 41 % 3, true},
                    DrawCase{5, 3, 3 + 41 % 3, true},    // reversed bounds
                    DrawCase{-4, 2, 0 + 41 % 3, true},   // a negative bound counts as 0
                    DrawCase{2, -4, 0 + 41 % 3, true},
                    DrawCase{7, 7, 7, false},            // equal bounds: no draw
                    DrawCase{-3, -9, 0, false},          // both negative: 0 and 0
                    DrawCase{1, 1, 1, false},
                    DrawCase{1, 0, 41 % 2, true},        // the bounds of an empty list
                    DrawCase{0, 2147483647, 41, true},   // the raw value itself
                    DrawCase{2147483647, 0, 41, true},
                    DrawCase{1, 2147483647, 1 + 41, true},
                    DrawCase{100, 100000, 100 + 41, true}));

TEST(Draw, NeverExceedsLowPlus32767) {
    FixedTicks ticks;
    RandomSource random(ticks);
    random.setState(12345);
    for (int i = 0; i < 100000; ++i) {
        const int32_t value = random.draw(10, 2000000000);
        ASSERT_GE(value, 10);
        ASSERT_LE(value, 10 + 32767);
    }
}

}  // namespace
