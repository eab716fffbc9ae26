#include "decimals/core/long_division.h"
#include "decimals/core/repeating_decimal.h"

#include "kit/core/input_limits.h"

#include <gtest/gtest.h>

using namespace decimals;

namespace {

// The decimal of p/q in lowest terms starts repeating after max(twos, fives) places, where q
// has those powers of 2 and 5, and its block is as long as the order of 10 modulo the rest
// of q: the smallest k with 10^k ≡ 1.
struct Shape {
    std::size_t preperiod;
    std::size_t period;
};

Shape shapeByNumberTheory(long q) {
    std::size_t twos = 0, fives = 0;
    while (q % 2 == 0) {
        q /= 2;
        ++twos;
    }
    while (q % 5 == 0) {
        q /= 5;
        ++fives;
    }
    std::size_t order = 0;
    if (q > 1) {
        long power = 1;
        do {
            power = power * 10 % q;
            ++order;
        } while (power != 1);
    }
    return {std::max(twos, fives), order};
}

long gcdOf(long a, long b) {
    return b == 0 ? a : gcdOf(b, a % b);
}

} // namespace

TEST(LongDivision, PeriodAndPreperiodAgreeWithTheOrderOfTen) {
    for (long q = 1; q <= 400; ++q)
        for (long p : {1L, 2L, 3L, 10L, 37L, 399L}) {
            const long g = gcdOf(p, q);
            const Shape expected = shapeByNumberTheory(q / g);
            kit::WorkBudget budget(10000);
            const DecimalExpansion expansion = longDivision(p, q, budget);
            ASSERT_TRUE(expansion.complete);
            EXPECT_EQ(expansion.preperiod.size(), expected.preperiod) << p << "/" << q;
            EXPECT_EQ(expansion.period.size(), expected.period) << p << "/" << q;
            EXPECT_EQ(expansion.integerPart, p / q);
        }
}

TEST(LongDivision, TheWrittenExpansionReadsBackAsTheSameFraction) {
    for (long q = 1; q <= 120; ++q)
        for (long p = -130; p <= 130; p += 7) {
            kit::WorkBudget budget(1000);
            const DecimalExpansion expansion = longDivision(p, q, budget);
            const std::string text = expansionText(expansion);
            const auto parsed = parseRepeatingDecimal(text);
            ASSERT_TRUE(parsed.ok()) << text << ": " << parsed.error().message;
            mpq_class value(p, q);
            value.canonicalize();
            EXPECT_EQ(toFraction(parsed.value()), value) << text;
        }
    kit::WorkBudget budget(100);
    EXPECT_EQ(expansionText(longDivision(1, 7, budget)), "0.(142857)");
    EXPECT_EQ(expansionText(longDivision(1, 6, budget)), "0.1(6)");
    EXPECT_EQ(expansionText(longDivision(-22, 7, budget)), "-3.(142857)");
    EXPECT_EQ(expansionText(longDivision(3, 8, budget)), "0.375");
    EXPECT_EQ(expansionText(longDivision(12, 4, budget)), "3");
    EXPECT_EQ(expansionText(longDivision(7, -12, budget)), "-0.58(3)");
}

TEST(LongDivision, EachStepIsTenTimesTheRemainderDividedAgain) {
    kit::WorkBudget budget(100);
    const DecimalExpansion expansion = longDivision(5, 13, budget);
    ASSERT_EQ(expansion.steps.size(), 6u);
    for (const DivisionStep& step : expansion.steps) {
        EXPECT_EQ(step.remainder * 10, step.digit * 13 + step.nextRemainder);
        EXPECT_LT(step.nextRemainder, 13);
    }
    // The period closes when the first remainder returns.
    EXPECT_EQ(expansion.steps.back().nextRemainder, expansion.steps.front().remainder);
}

TEST(LongDivision, TheBudgetStopsLongPeriodsAtItsExactBoundary) {
    // 1/7 needs exactly six digits before the remainder 1 comes back.
    kit::WorkBudget enough(6);
    EXPECT_TRUE(longDivision(1, 7, enough).complete);
    kit::WorkBudget tooLittle(5);
    const DecimalExpansion cut = longDivision(1, 7, tooLittle);
    EXPECT_FALSE(cut.complete);
    EXPECT_TRUE(tooLittle.exhausted());
    EXPECT_EQ(expansionText(cut), "0.14285...");
    // A 60-digit prime denominator has a period far beyond any budget: it stops, it does not hang.
    const mpz_class prime("622288097498926496141095869268883999563096063592498055290461");
    kit::WorkBudget budget(20000);
    const DecimalExpansion huge = longDivision(1, prime, budget);
    EXPECT_FALSE(huge.complete);
    EXPECT_EQ(huge.steps.size(), 20000u);
}

TEST(RepeatingDecimal, KnownValues) {
    const auto value = [](const char* text) {
        const auto parsed = parseRepeatingDecimal(text);
        EXPECT_TRUE(parsed.ok()) << text;
        return parsed.ok() ? toFraction(parsed.value()) : mpq_class(-999);
    };
    EXPECT_EQ(value("0.(9)"), 1);
    EXPECT_EQ(value("0.(3)"), mpq_class(1, 3));
    EXPECT_EQ(value("0.1(6)"), mpq_class(1, 6));
    EXPECT_EQ(value("2.(3)"), mpq_class(7, 3));
    EXPECT_EQ(value("1.0(142857)"), mpq_class(71, 70));
    EXPECT_EQ(value("-0.(142857)"), mpq_class(-1, 7));
    EXPECT_EQ(value("0.25"), mpq_class(1, 4));
    EXPECT_EQ(value(".5"), mpq_class(1, 2));
    EXPECT_EQ(value(" 7 "), 7);
    EXPECT_EQ(value("0.(36)"), mpq_class(4, 11));
}

TEST(RepeatingDecimal, BadInputSaysWhatAndWhere) {
    const auto message = [](std::string_view text) {
        const auto parsed = parseRepeatingDecimal(text);
        EXPECT_FALSE(parsed.ok()) << text;
        return parsed.ok() ? std::string() : parsed.error().message;
    };
    EXPECT_EQ(message("0.(3"), "expected ')' at 5");
    EXPECT_EQ(message("0.()"), "expected the repeating digits at 4");
    EXPECT_EQ(message("1.2.3"), "unexpected '.' at 4");
    EXPECT_EQ(message(""), "expected a decimal number at 1");
    EXPECT_EQ(message("abc"), "expected a decimal number at 1");
    EXPECT_EQ(message("0.(3)4"), "unexpected '4' at 6");
    // The input limit: 200 characters are read, 201 are refused.
    const std::string longest = "0." + std::string(kit::maxInputLength - 6, '1') + "(2)";
    ASSERT_EQ(longest.size(), kit::maxInputLength - 1);
    EXPECT_TRUE(parseRepeatingDecimal(longest + " ").ok());
    EXPECT_NE(message(longest + "  ").find("longer than 200"), std::string::npos);
}

TEST(RepeatingDecimal, TheWorkedConversionShowsTheSubtraction) {
    const RepeatingDecimal x = parseRepeatingDecimal("0.1(6)").value();
    const auto steps = toFractionSteps(x);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_NE(steps[2].find("16 &minus; 1 = 15"), std::string::npos) << steps[2];
    EXPECT_NE(steps[3].find("90 x = 15"), std::string::npos) << steps[3];
    EXPECT_NE(steps[4].find("<b>1/6</b>"), std::string::npos) << steps[4];
}
