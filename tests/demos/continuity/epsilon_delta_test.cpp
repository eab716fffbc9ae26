// The ε–δ test: for lines and parabolas the largest δ is known by hand, and δ just above it
// must be refused with a genuine counterexample while δ just below is accepted.
#include "continuity/core/epsilon_delta.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

kit::Expression fn(const char* text) {
    return graphs::parseFunction(text).value();
}

TEST(EpsilonDelta, ALineAcceptsExactlyTheDeltasUpToEpsilonOverItsSlope) {
    const auto f = fn("3x + 1"); // L = 7 at a = 2, |f - L| = 3|x - 2|
    for (double epsilon : {0.3, 0.09, 1.5}) {
        const double largest = epsilon / 3;
        EXPECT_TRUE(continuity::checkDelta(f, 2, 7, epsilon, 0.98 * largest).holds);
        const auto refused = continuity::checkDelta(f, 2, 7, epsilon, 1.05 * largest);
        ASSERT_FALSE(refused.holds);
        ASSERT_TRUE(refused.counterexample && refused.valueThere);
        EXPECT_GE(std::abs(3 * *refused.counterexample + 1 - 7), epsilon);
        EXPECT_LT(std::abs(*refused.counterexample - 2), 1.05 * largest);
    }
}

TEST(EpsilonDelta, AParabolaNeedsTheSmallerOfItsTwoSides) {
    // x^2 near 1 with ε = 0.5: |x^2 - 1| < 0.5 for sqrt(0.5) < x < sqrt(1.5), so the largest δ
    // is sqrt(1.5) - 1 (the right side is the tighter one).
    const auto f = fn("x^2");
    const double largest = std::sqrt(1.5) - 1;
    EXPECT_TRUE(continuity::checkDelta(f, 1, 1, 0.5, 0.99 * largest).holds);
    EXPECT_FALSE(continuity::checkDelta(f, 1, 1, 0.5, 1.02 * largest).holds);
    const auto found = continuity::workingDelta(f, 1, 1, 0.5);
    ASSERT_TRUE(found);
    EXPECT_LE(*found, largest);
    EXPECT_GT(*found, largest / 2); // the largest power of two below it
}

TEST(EpsilonDelta, AJumpHasNoWorkingDeltaAndAHoleIsIgnored) {
    EXPECT_FALSE(continuity::workingDelta(fn("abs(x)/x"), 0, 1, 0.5));
    // (x^2 - 1)/(x - 1) is undefined at 1 itself, which the punctured interval leaves out.
    EXPECT_TRUE(continuity::checkDelta(fn("(x^2 - 1)/(x - 1)"), 1, 2, 0.1, 0.09).holds);
    EXPECT_FALSE(continuity::checkDelta(fn("x"), 0, 0, 0.1, 0).holds);
}

} // namespace
