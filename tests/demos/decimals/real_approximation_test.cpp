#include "decimals/core/number_line_zoom.h"
#include "decimals/core/root_approximation.h"
#include "decimals/core/rounding.h"

#include <gtest/gtest.h>

using namespace decimals;

TEST(SquareRoot, DigitsOfTheIntegerRootMatchKnownValues) {
    EXPECT_EQ(squareRootDigits(2, 30), "1.414213562373095048801688724209");
    EXPECT_EQ(squareRootDigits(3, 10), "1.7320508075");
    EXPECT_EQ(squareRootDigits(16, 3), "4.000");
    EXPECT_EQ(squareRootDigits(2, 0), "1");
}

TEST(SquareRoot, BisectionKeepsTheRootInsideIntervalsThatHalve) {
    const auto intervals = bisectSquareRoot(2, {1, 2}, 60);
    ASSERT_EQ(intervals.size(), 61u);
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        const Interval& interval = intervals[i];
        EXPECT_LE(interval.low * interval.low, 2);
        EXPECT_GT(interval.high * interval.high, 2);
        if (i > 0) {
            EXPECT_EQ((interval.high - interval.low) * 2,
                      intervals[i - 1].high - intervals[i - 1].low);
        }
    }
    // After 60 halvings the width is 2^-60 < 10^-18: 17 decimals are sure.
    EXPECT_GE(correctDecimals(intervals.back().low, 2, 30), 17);
    EXPECT_EQ(bisectSquareRoot(2, {1, 2}, 100000).size(),
              static_cast<std::size_t>(maxBisectionSteps) + 1);
}

TEST(SquareRoot, NewtonDoublesTheCorrectDigitsEachStep) {
    const auto values = newtonSquareRoot(2, 1, 7);
    ASSERT_EQ(values.size(), 8u);
    EXPECT_EQ(values[1], mpq_class(3, 2));
    EXPECT_EQ(values[2], mpq_class(17, 12));
    EXPECT_EQ(values[3], mpq_class(577, 408));
    // From the second step on, every step at least doubles the correct decimals, minus one.
    int before = correctDecimals(values[3], 2, 200);
    for (std::size_t i = 4; i < values.size(); ++i) {
        const int now = correctDecimals(values[i], 2, 200);
        EXPECT_GE(now, 2 * before - 1) << i;
        before = now;
    }
    EXPECT_GE(before, 90);
    EXPECT_EQ(newtonSquareRoot(2, 1, 1000).size(), static_cast<std::size_t>(maxNewtonSteps) + 1);
}

TEST(NumberLineZoom, WindowsAreNestedTenfoldAndHoldTheNumber) {
    const mpq_class x(22, 7);
    const auto windows = decimalZoom(x, 8);
    ASSERT_EQ(windows.size(), 9u);
    mpq_class width = 1;
    for (std::size_t k = 0; k < windows.size(); ++k) {
        EXPECT_LE(windows[k].low, x);
        EXPECT_LT(x, windows[k].high);
        EXPECT_EQ(windows[k].high - windows[k].low, width);
        if (k > 0) {
            EXPECT_GE(windows[k].low, windows[k - 1].low);
            EXPECT_LE(windows[k].high, windows[k - 1].high);
        }
        width /= 10;
    }
    EXPECT_EQ(truncatedDecimal(windows[5].low, 5), "3.14285");
    const auto roots = squareRootZoom(2, 12);
    for (const Interval& window : roots) {
        EXPECT_LE(window.low * window.low, 2);
        EXPECT_GT(window.high * window.high, 2);
    }
    EXPECT_EQ(truncatedDecimal(roots[12].low, 12), squareRootDigits(2, 12));
}

TEST(Rounding, HalvesGoAwayFromZero) {
    EXPECT_EQ(fixedText(mpq_class(2345, 1000), 2), "2.35");
    EXPECT_EQ(fixedText(mpq_class(-2345, 1000), 2), "-2.35");
    EXPECT_EQ(fixedText(mpq_class(2344, 1000), 2), "2.34");
    EXPECT_EQ(fixedText(mpq_class(49, 10000), 2), "0.00");
    EXPECT_EQ(fixedText(mpq_class(5, 2), 0), "3");
    EXPECT_EQ(fixedText(mpq_class(9999, 1000), 2), "10.00");
    EXPECT_EQ(fixedText(mpq_class(1, 3), 4), "0.3333");
    EXPECT_EQ(fixedText(mpq_class(2, 3), 4), "0.6667");
    EXPECT_EQ(roundToPlaces(mpq_class(1, 8), 2), mpq_class(13, 100));
}

TEST(ScientificNotation, MantissaBetweenOneAndTen) {
    const Scientific small = toScientific(mpq_class(345, 1000000), 3);
    EXPECT_EQ(small.mantissa, mpq_class(69, 20));
    EXPECT_EQ(small.exponent, -4);
    const Scientific carry = toScientific(mpq_class(9996, 1000), 3);
    EXPECT_EQ(carry.mantissa, 1);
    EXPECT_EQ(carry.exponent, 1);
    EXPECT_EQ(scientificHtml(carry, 3), "1.00 &times; 10<sup>1</sup>");
    for (long exponent = -30; exponent <= 30; ++exponent) {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
        const mpq_class x = exponent >= 0 ? mpq_class(-7 * power) : mpq_class(-7, power);
        const Scientific value = toScientific(x, 2);
        EXPECT_EQ(value.exponent, exponent);
        EXPECT_EQ(value.mantissa, -7);
    }
}

TEST(ScientificNotation, TypedFormsAndTheExponentLimit) {
    for (const char* text :
         {"3.45e-4", "3.45E-4", "3.45 x 10^-4", "3.45*10^-4", "3.45 \xC3\x97 10^-4"}) {
        const auto parsed = parseScientific(text);
        ASSERT_TRUE(parsed.ok()) << text << ": " << parsed.error().message;
        EXPECT_EQ(parsed.value().mantissa, mpq_class(69, 20)) << text;
        EXPECT_EQ(parsed.value().exponent, -4) << text;
    }
    EXPECT_TRUE(parseScientific("1e1000").ok());
    EXPECT_TRUE(parseScientific("1e-1000").ok());
    EXPECT_FALSE(parseScientific("1e1001").ok());
    EXPECT_FALSE(parseScientific("0.000345").ok());
    EXPECT_FALSE(parseScientific("e5").ok());
    EXPECT_FALSE(parseScientific("3.4e").ok());
    EXPECT_FALSE(parseScientific("3.4e" + std::string(100, '9')).ok());
}
