// Tangent lines and difference quotients: exact equations for rational points, the quotients
// tending to the derivative from both sides, and a corner where the two sides disagree.
#include "slopes/core/difference_quotient.h"
#include "slopes/core/tangent_line.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

kit::Expression fn(const char* text) {
    return graphs::parseFunction(text).value();
}

TEST(Tangent, ExactWhereThePointAndValuesAreRational) {
    // y = x^2 at 3: slope 6, y = 6x - 9.
    const auto t = slopes::tangentAt(fn("x^2"), 3);
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->exact);
    EXPECT_EQ(t->equationHtml, "y = 6x &minus; 9");
    // y = x^3 - x at 0.5: f = -3/8, f′ = -1/4, b = -3/8 + 1/8 = -1/4.
    const auto half = slopes::tangentAt(fn("x^3 - x"), 0.5);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->equationHtml, "y = &minus;1/4x &minus; 1/4");
    const auto sine = slopes::tangentAt(fn("sin(x)"), 1);
    ASSERT_TRUE(sine);
    EXPECT_FALSE(sine->exact);
    EXPECT_NEAR(sine->slope, std::cos(1.0), 1e-12);
    EXPECT_NEAR(sine->intercept, std::sin(1.0) - std::cos(1.0), 1e-12);
    EXPECT_FALSE(slopes::tangentAt(fn("sqrt(x)"), -1));
    EXPECT_FALSE(slopes::tangentAt(fn("abs(x)"), 0)) << "no derivative at the corner";
}

TEST(DifferenceQuotients, ShrinkTowardsTheDerivativeFromBothSides) {
    const auto f = fn("x^3");
    for (bool left : {false, true}) {
        const auto rows = slopes::quotientTable(f, 2, 7, left);
        ASSERT_EQ(rows.size(), 7u);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const double h = rows[k].h;
            ASSERT_TRUE(rows[k].quotient);
            // ((2 + h)^3 - 8)/h = 12 + 6h + h^2 exactly
            EXPECT_NEAR(*rows[k].quotient, 12 + 6 * h + h * h, 1e-7);
            EXPECT_EQ(h < 0, left);
        }
    }
    const auto corner = fn("abs(x)");
    EXPECT_DOUBLE_EQ(*slopes::secantSlope(corner, 0, 0.001), 1);
    EXPECT_DOUBLE_EQ(*slopes::secantSlope(corner, 0, -0.001), -1);
    EXPECT_FALSE(slopes::secantSlope(corner, 0, 0));
    EXPECT_FALSE(slopes::secantSlope(fn("log(x)"), 0.5, -1));
}

} // namespace
