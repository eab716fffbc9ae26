// The area function against the known antiderivative, its slope against f (the fundamental
// theorem), and the area between curves against hand-worked values.
#include "areas/core/area_between.h"
#include "areas/core/area_function.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace areas;

namespace {

kit::Expression function(const char* text) {
    const auto parsed = graphs::parseFunction(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value();
}

} // namespace

TEST(AreaFunction, SamplesOfTheAreaUnderCosineFollowTheSine) {
    const auto samples = areaFunctionSamples(function("cos(x)"), 0, -3, 6, 180);
    ASSERT_GT(samples.size(), 170u);
    EXPECT_NEAR(samples.front().first, -3, 1e-9);
    EXPECT_NEAR(samples.back().first, 6, 1e-9);
    for (const auto& [x, area] : samples)
        EXPECT_NEAR(area, std::sin(x), 1e-10) << x;
}

TEST(AreaFunction, TheSlopeOfTheAreaIsTheFunction) {
    const kit::Expression f = function("x^2 exp(-x) + 1");
    for (double x : {-1.0, 0.5, 2.0, 4.5}) {
        const auto slope = areaSlope(f, 0.3, x, 1e-3);
        ASSERT_TRUE(slope.has_value());
        EXPECT_NEAR(*slope, *f.evaluate({x}), 1e-5) << x;
    }
    EXPECT_NEAR(*areaUpTo(function("2x"), 1, 3), 8, 1e-12);
    EXPECT_NEAR(*areaUpTo(function("2x"), 3, 1), -8, 1e-12);
}

TEST(AreaFunction, StopsAtAPoleAndBeforeAGap) {
    // 1/(x − 2) from 0: A exists only for x < 2.
    const auto samples = areaFunctionSamples(function("1/(x - 2)"), 0, -1, 5, 120);
    ASSERT_FALSE(samples.empty());
    EXPECT_LT(samples.back().first, 2);
    for (const auto& [x, area] : samples)
        EXPECT_NEAR(area, std::log(std::abs(x - 2)) - std::log(2.0), 1e-8) << x;
    EXPECT_FALSE(areaUpTo(function("1/(x - 2)"), 0, 3).has_value());
    EXPECT_FALSE(areaUpTo(function("sqrt(x)"), 1, -1).has_value());
    EXPECT_TRUE(areaFunctionSamples(function("sqrt(x)"), -1, -2, 2, 50).empty());
}

TEST(AreaBetween, ParabolaAndLineEncloseOneSixth) {
    const auto range = parseInterval("0", "1").value();
    const AreaBetween result = areaBetween(function("x"), function("x^2"), range);
    ASSERT_TRUE(result.error.empty()) << result.error;
    EXPECT_NEAR(result.area, 1.0 / 6, 1e-13);
    ASSERT_TRUE(result.exact.has_value());
    EXPECT_EQ(result.exact->text(), "1/6");
    // The other way round the area is the same, not negative.
    EXPECT_NEAR(areaBetween(function("x^2"), function("x"), range).area, 1.0 / 6, 1e-13);
    const auto found = crossings(function("x"), function("x^2"), -3, 3);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_NEAR(found[0], 0, 1e-12);
    EXPECT_NEAR(found[1], 1, 1e-12);
}

TEST(AreaBetween, CrossingCurvesAreSplitSoNoPieceCancels) {
    // sin and cos on [0, π] cross at π/4: the area is 2√2, while ∫(sin − cos) is 2.
    const AreaBetween result =
        areaBetween(function("sin(x)"), function("cos(x)"), parseInterval("0", "pi").value());
    ASSERT_TRUE(result.error.empty());
    ASSERT_EQ(result.crossings.size(), 1u);
    EXPECT_NEAR(result.crossings[0], std::numbers::pi / 4, 1e-12);
    EXPECT_NEAR(result.area, 2 * std::sqrt(2.0), 1e-10);
    EXPECT_NEAR(result.pieceIntegrals[0] + result.pieceIntegrals[1], 2, 1e-10);
    EXPECT_FALSE(result.exact.has_value()) << "π/4 is not rational";
    // Rational crossings give the exact area: x² and x + 2 meet at −1 and 2, area 9/2, and on
    // [−2, 3] the pieces outside count as well: 11/6 + 9/2 + 11/6.
    const AreaBetween parabola =
        areaBetween(function("x^2"), function("x + 2"), parseInterval("-2", "3").value());
    ASSERT_TRUE(parabola.exact.has_value());
    EXPECT_EQ(parabola.exact->text(), "49/6");
    EXPECT_NEAR(parabola.area, 49.0 / 6, 1e-12);
    // A sign change across a pole is not a crossing.
    EXPECT_TRUE(crossings(function("1/x"), function("0"), -1, 1).empty());
    EXPECT_EQ(areaBetween(function("1/x"), function("x"), parseInterval("-1", "1").value())
                  .error.rfind("f ", 0),
              0u);
    EXPECT_EQ(
        areaBetween(function("x"), function("sqrt(x - 5)"), parseInterval("-1", "1").value()).error,
        "g is not defined anywhere on [-1, 1]");
}
