#include <gtest/gtest.h>

#include "desktop/HotkeyModifiers.h"

namespace {

TEST(HotkeyModifiers, ConvertsCodesToPlatformFlags) {
    const struct {
        int32_t code;
        uint32_t flags;
    } table[] = {{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 1}, {5, 3}, {6, 5}, {7, 7}, {8, 8}, {-1, 0xFFFFFFFFu}, {0x4000, 0x4000}};
    for (const auto& row : table) EXPECT_EQ(hotkeyModifierFlags(row.code), row.flags) << row.code;
}

}  // namespace
