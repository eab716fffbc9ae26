// The sums against their closed forms on x² and against the orders of their errors on eˣ.
#include "areas/core/riemann_sum.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace areas;

namespace {

kit::Expression function(const char* text) {
    const auto parsed = graphs::parseFunction(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value();
}

double nd(int n) {
    return static_cast<double>(n);
}

} // namespace

TEST(RiemannSums, SumsOfXSquaredMatchTheSumsOfSquaresFormula) {
    const kit::Expression f = function("x^2");
    for (int n = 1; n <= 60; ++n) {
        // Σ k² for k = 0 … n − 1 is (n − 1)n(2n − 1)/6; each term is (k/n)²·(1/n).
        const double left = (nd(n) - 1) * nd(n) * (2 * nd(n) - 1) / (6 * nd(n) * nd(n) * nd(n));
        const double right = nd(n) * (nd(n) + 1) * (2 * nd(n) + 1) / (6 * nd(n) * nd(n) * nd(n));
        EXPECT_NEAR(riemannSum(f, 0, 1, n, SumRule::Left).value, left, 1e-13);
        EXPECT_NEAR(riemannSum(f, 0, 1, n, SumRule::Right).value, right, 1e-13);
        EXPECT_NEAR(riemannSum(f, 0, 1, n, SumRule::Trapezoid).value, (left + right) / 2, 1e-13);
        // On x² the midpoint rule falls short by exactly (b − a)h²f″/24 = 1/(12n²).
        EXPECT_NEAR(riemannSum(f, 0, 1, n, SumRule::Midpoint).value,
                    1.0 / 3 - 1.0 / (12 * nd(n) * nd(n)), 1e-13);
        EXPECT_NEAR(riemannSum(f, 0, 1, n, SumRule::Simpson).value, 1.0 / 3, 1e-13);
        EXPECT_EQ(riemannSum(f, 0, 1, n, SumRule::Left).pieces.size(), static_cast<size_t>(n));
    }
    // Simpson's parabolas are exact for cubics too.
    EXPECT_NEAR(riemannSum(function("x^3 - 2x"), -1, 2, 3, SumRule::Simpson).value,
                (16.0 / 4 - 4) - (1.0 / 4 - 1), 1e-12);
}

TEST(RiemannSums, HalvingThePiecesShrinksTheErrorsByTheRulesOrders) {
    const kit::Expression f = function("exp(x)");
    const double exact = std::exp(1.0) - 1;
    const auto ratio = [&](SumRule rule) {
        const double coarse = riemannSum(f, 0, 1, 20, rule).value - exact;
        const double fine = riemannSum(f, 0, 1, 40, rule).value - exact;
        return coarse / fine;
    };
    EXPECT_NEAR(ratio(SumRule::Left), 2, 0.05);
    EXPECT_NEAR(ratio(SumRule::Right), 2, 0.05);
    EXPECT_NEAR(ratio(SumRule::Midpoint), 4, 0.05);
    EXPECT_NEAR(ratio(SumRule::Trapezoid), 4, 0.05);
    EXPECT_NEAR(ratio(SumRule::Simpson), 16, 0.3);
    // Left and right sums bracket the integral of an increasing function.
    EXPECT_LT(riemannSum(f, 0, 1, 7, SumRule::Left).value, exact);
    EXPECT_GT(riemannSum(f, 0, 1, 7, SumRule::Right).value, exact);
}

TEST(RiemannSums, APointWhereFIsUndefinedIsNamedAndOnlyIfTheRuleUsesIt) {
    const kit::Expression f = function("1/(1 - x)");
    const RiemannSum right = riemannSum(f, 0, 1, 4, SumRule::Right);
    EXPECT_NE(right.error.find("x = 1"), std::string::npos) << right.error;
    EXPECT_NE(right.error.find("right sum"), std::string::npos) << right.error;
    EXPECT_TRUE(riemannSum(f, 0, 1, 4, SumRule::Left).error.empty());
    EXPECT_TRUE(riemannSum(f, 0, 1, 4, SumRule::Midpoint).error.empty());
    const auto all = everyRule(f, 0, 1, 4);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_TRUE(all[static_cast<std::size_t>(SumRule::Left)].error.empty());
    EXPECT_FALSE(all[static_cast<std::size_t>(SumRule::Trapezoid)].error.empty());
    EXPECT_NEAR(all[static_cast<std::size_t>(SumRule::Midpoint)].value,
                riemannSum(f, 0, 1, 4, SumRule::Midpoint).value, 1e-15);
    EXPECT_FALSE(riemannSum(f, 0, 1, 0, SumRule::Left).error.empty());
    EXPECT_FALSE(riemannSum(f, 0, 1, maxPieces + 1, SumRule::Left).error.empty());
}
