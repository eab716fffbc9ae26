// What f′ and f″ tell about f, against extrema, monotonicity, concavity and inflections
// worked out by hand.
#include "slopes/core/function_study.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Kind = slopes::CriticalPoint::Kind;

kit::Expression fn(const char* text) {
    return graphs::parseFunction(text).value();
}

TEST(FunctionStudy, ACubicHasItsMaximumMinimumAndInflection) {
    // f = x^3 - 3x: f′ = 3(x - 1)(x + 1), f″ = 6x.
    const auto s = slopes::studyFunction(fn("x^3 - 3x"), -5, 5);
    ASSERT_EQ(s.critical.size(), 2u);
    EXPECT_NEAR(s.critical[0].x, -1, 1e-9);
    EXPECT_EQ(s.critical[0].kind, Kind::Maximum);
    EXPECT_NEAR(s.critical[0].y, 2, 1e-9);
    EXPECT_NEAR(s.critical[1].x, 1, 1e-9);
    EXPECT_EQ(s.critical[1].kind, Kind::Minimum);
    ASSERT_EQ(s.slope.size(), 3u);
    EXPECT_TRUE(s.slope[0].positive);
    EXPECT_FALSE(s.slope[1].positive);
    EXPECT_NEAR(s.slope[1].from, -1, 1e-9);
    EXPECT_NEAR(s.slope[1].to, 1, 1e-9);
    ASSERT_EQ(s.inflections.size(), 1u);
    EXPECT_NEAR(s.inflections[0].x, 0, 1e-9);
    ASSERT_EQ(s.bending.size(), 2u);
    EXPECT_FALSE(s.bending[0].positive);
    EXPECT_TRUE(s.bending[1].positive);
}

TEST(FunctionStudy, ATouchingZeroIsCriticalButNoExtremum) {
    const auto s = slopes::studyFunction(fn("x^3 + 2"), -3, 3.3);
    ASSERT_EQ(s.critical.size(), 1u);
    EXPECT_NEAR(s.critical[0].x, 0, 1e-4);
    EXPECT_EQ(s.critical[0].kind, Kind::Neither);
    ASSERT_EQ(s.slope.size(), 1u) << "x^3 increases throughout";
    EXPECT_TRUE(s.slope[0].positive);
}

TEST(FunctionStudy, PolesSplitTheStretchesAndTranscendentalExtremaAreFound) {
    // 1/x decreases on both sides of its pole, concave down left and up right.
    const auto pole = slopes::studyFunction(fn("1/x"), -4, 4.1);
    EXPECT_TRUE(pole.critical.empty());
    ASSERT_EQ(pole.slope.size(), 2u);
    EXPECT_FALSE(pole.slope[0].positive);
    EXPECT_FALSE(pole.slope[1].positive);
    EXPECT_TRUE(pole.inflections.empty());
    // x e^(-x): maximum at x = 1 (f′ = (1 - x)e^(-x)), inflection at 2 (f″ = (x - 2)e^(-x)).
    const auto s = slopes::studyFunction(fn("x exp(-x)"), -5, 5);
    ASSERT_EQ(s.critical.size(), 1u);
    EXPECT_NEAR(s.critical[0].x, 1, 1e-9);
    EXPECT_EQ(s.critical[0].kind, Kind::Maximum);
    EXPECT_NEAR(s.critical[0].y, std::exp(-1.0), 1e-12);
    ASSERT_EQ(s.inflections.size(), 1u);
    EXPECT_NEAR(s.inflections[0].x, 2, 1e-9);
    // sin on [-5, 5]: extrema at ±π/2 and ±3π/2, inflections at 0 and ±π.
    const auto wave = slopes::studyFunction(fn("sin(x)"), -5, 5);
    ASSERT_EQ(wave.critical.size(), 4u);
    EXPECT_NEAR(wave.critical[1].x, -M_PI / 2, 1e-9);
    EXPECT_EQ(wave.critical[1].kind, Kind::Minimum);
    EXPECT_EQ(wave.inflections.size(), 3u);
}

TEST(FunctionStudy, AFunctionUndefinedOnTheWindowGivesAnEmptyStudy) {
    const auto s = slopes::studyFunction(fn("sqrt(-x^2 - 1)"), -5, 5);
    EXPECT_TRUE(s.critical.empty());
    EXPECT_TRUE(s.slope.empty());
    EXPECT_TRUE(s.bending.empty());
}

TEST(FunctionStudy, HostileFunctionsEndWithAStudy) {
    // Towers of exponentials overflow at once instead of growing huge numbers; high powers and
    // power towers are studied like any other function.
    for (const char* f : {"exp(exp(exp(exp(x))))", "sin(x)^1000/x^1000", "x^(x^(x^x))", "sin(1/x)",
                          "log(abs(x)) / (x^2 - 1)"}) {
        SCOPED_TRACE(f);
        const auto s = slopes::studyFunction(fn(f), -5, 5);
        for (const auto& stretch : s.slope)
            EXPECT_LT(stretch.from, stretch.to);
    }
    const auto tower = slopes::studyFunction(fn("exp(exp(exp(exp(x))))"), -5, 5);
    ASSERT_FALSE(tower.slope.empty());
    EXPECT_TRUE(tower.slope.front().positive) << "increasing wherever it has values";
    EXPECT_TRUE(tower.critical.empty());
}

} // namespace
