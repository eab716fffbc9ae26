// The kit's helpers for reading typed text.
#include "kit/core/text_scan.h"

#include <gtest/gtest.h>

namespace {

TEST(TextScan, SqueezedLowercaseLeavesOutEverySpaceAndLowersEveryLetter) {
    EXPECT_EQ(kit::squeezedLowercase(" Not Invertible "), "notinvertible");
    EXPECT_EQ(kit::squeezedLowercase("No\tSolution\n"), "nosolution");
    EXPECT_EQ(kit::squeezedLowercase("   "), "");
    EXPECT_EQ(kit::squeezedLowercase("X = -3"), "x=-3");
}

TEST(TextScan, SqueezedLowercaseKeepsCharactersBeyondAsciiAsTyped) {
    // "∞" and "ℤ" in UTF-8: their bytes are neither spaces nor letters to lower.
    EXPECT_EQ(kit::squeezedLowercase("+ \u221e"), "+\u221e");
    EXPECT_EQ(kit::squeezedLowercase("Z \u2124"), "z\u2124");
}

} // namespace
