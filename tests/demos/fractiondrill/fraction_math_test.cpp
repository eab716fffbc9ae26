#include "fractiondrill/core/decimal_form.h"
#include "fractiondrill/core/fraction_operations.h"
#include "fractiondrill/core/fraction_text.h"
#include "fractiondrill/core/lowest_terms.h"

#include "kit/core/number_input.h"

#include <gtest/gtest.h>

using namespace fractiondrill;

namespace {

mpq_class fraction(long numerator, long denominator) {
    mpq_class value(numerator, denominator);
    value.canonicalize();
    return value;
}

long bruteGcd(long a, long b) {
    long best = 1;
    for (long d = 1; d <= std::max(std::labs(a), std::labs(b)); ++d)
        if (a % d == 0 && b % d == 0)
            best = d;
    return best;
}

} // namespace

TEST(FractionText, MixedNumbersReadBackAsTheSameValue) {
    EXPECT_EQ(mixedText(fraction(7, 4)), "1 3/4");
    EXPECT_EQ(mixedText(fraction(-7, 3)), "-2 1/3");
    EXPECT_EQ(mixedText(fraction(3, 4)), "3/4");
    EXPECT_EQ(mixedText(fraction(-3, 4)), "-3/4");
    EXPECT_EQ(mixedText(fraction(12, 4)), "3");
    EXPECT_EQ(mixedText(0), "0");
    for (long d = 1; d <= 12; ++d)
        for (long n = -40; n <= 40; ++n) {
            const mpq_class value = fraction(n, d);
            const auto parsed = kit::parseRational(mixedText(value));
            ASSERT_TRUE(parsed.ok()) << mixedText(value);
            EXPECT_EQ(parsed.value(), value) << mixedText(value);
            const MixedNumber mixed = toMixed(value);
            const mpq_class rebuilt =
                mpq_class(mixed.whole) + mpq_class(mixed.numerator, mixed.denominator);
            EXPECT_EQ(mixed.negative ? mpq_class(-rebuilt) : rebuilt, value);
            EXPECT_LT(mixed.numerator, mixed.denominator);
        }
}

TEST(LowestTerms, EuclidFindsTheGreatestCommonFactorFoundByTrialDivision) {
    for (long a = 1; a <= 60; ++a)
        for (long b = 1; b <= 60; ++b) {
            const auto lines = euclidLines(a, b);
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.back().remainder, 0);
            for (const EuclidLine& line : lines)
                EXPECT_EQ(line.a, line.quotient * line.b + line.remainder);
            EXPECT_EQ(lines.back().b, bruteGcd(a, b)) << a << ", " << b;
        }
    EXPECT_TRUE(euclidLines(5, 0).empty());
}

TEST(LowestTerms, TheWorkedReductionEndsInTheReducedFraction) {
    const auto steps = reductionSteps(18, 24);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_NE(steps[1].find("24 = 1 &middot; 18 + 6"), std::string::npos) << steps[1];
    EXPECT_NE(steps[2].find("= 3/4."), std::string::npos) << steps[2];
    EXPECT_NE(reductionSteps(5, 7).back().find("already in lowest terms"), std::string::npos);
}

TEST(FractionOperations, AgreeWithTheTextbookFormulasOnWholeNumbers) {
    // a/b + c/d = (ad + bc)/(bd), a/b · c/d = ac/(bd), a/b ÷ c/d = ad/(bc): computed with
    // integers only and compared by cross-multiplication.
    for (long a = -6; a <= 6; ++a)
        for (long b = 1; b <= 7; ++b)
            for (long c = -5; c <= 5; ++c)
                for (long d = 1; d <= 6; ++d) {
                    const mpq_class x = fraction(a, b), y = fraction(c, d);
                    const auto sameAs = [](const mpq_class& value, long num, long den) {
                        return value.get_num() * den == value.get_den() * num;
                    };
                    EXPECT_TRUE(sameAs(*apply(Operation::Add, x, y), a * d + b * c, b * d));
                    EXPECT_TRUE(sameAs(*apply(Operation::Subtract, x, y), a * d - b * c, b * d));
                    EXPECT_TRUE(sameAs(*apply(Operation::Multiply, x, y), a * c, b * d));
                    if (c == 0) {
                        EXPECT_FALSE(apply(Operation::Divide, x, y).has_value());
                    } else {
                        const long num = a * d * (c < 0 ? -1 : 1);
                        EXPECT_TRUE(sameAs(*apply(Operation::Divide, x, y), num, b * std::labs(c)));
                    }
                }
}

TEST(FractionOperations, TheCommonDenominatorIsTheSmallestSharedMultiple) {
    for (long b = 1; b <= 30; ++b)
        for (long d = 1; d <= 30; ++d) {
            long smallest = 1;
            while (smallest % b != 0 || smallest % d != 0)
                ++smallest;
            EXPECT_EQ(commonDenominator(fraction(1, b), fraction(1, d)), smallest);
        }
}

TEST(FractionOperations, WorkedSumsShowTheCommonDenominatorAndTheMixedResult) {
    const auto steps = operationSteps(Operation::Add, fraction(5, 6), fraction(3, 4));
    EXPECT_NE(steps[0].find("is their least common multiple, 12"), std::string::npos) << steps[0];
    EXPECT_NE(steps[1].find("10/12"), std::string::npos) << steps[1];
    EXPECT_NE(steps[1].find("9/12"), std::string::npos) << steps[1];
    EXPECT_NE(steps.back().find("<b>19/12</b>, as a mixed number 1 7/12"), std::string::npos)
        << steps.back();
    const auto quotient = operationSteps(Operation::Divide, fraction(1, 2), fraction(3, 4));
    EXPECT_NE(quotient[0].find("reciprocal 4/3"), std::string::npos) << quotient[0];
    EXPECT_NE(quotient.back().find("<b>2/3</b>"), std::string::npos) << quotient.back();
    EXPECT_EQ(operationSteps(Operation::Divide, 1, 0).size(), 1u);
}

TEST(DecimalForm, TerminatesExactlyWhenSomePowerOfTenIsAMultipleOfTheDenominator) {
    for (long d = 1; d <= 400; ++d) {
        mpz_class power = 10;
        bool divides = d == 1;
        for (int k = 1; k <= 30 && !divides; ++k, power *= 10)
            divides = power % d == 0;
        EXPECT_EQ(hasTerminatingDecimal(fraction(1, d)), divides) << d;
        for (long n : {1L, 3L, -7L, 123L}) {
            const auto decimal = terminatingDecimal(fraction(n, d));
            ASSERT_EQ(decimal.has_value(), hasTerminatingDecimal(fraction(n, d)));
            if (decimal) {
                const auto parsed = kit::parseRational(*decimal);
                ASSERT_TRUE(parsed.ok()) << *decimal;
                EXPECT_EQ(parsed.value(), fraction(n, d)) << *decimal;
            }
        }
    }
    EXPECT_EQ(*terminatingDecimal(fraction(3, 8)), "0.375");
    EXPECT_EQ(*terminatingDecimal(fraction(-5, 2)), "-2.5");
    EXPECT_EQ(*terminatingDecimal(fraction(1, 16)), "0.0625");
    EXPECT_EQ(*terminatingDecimal(3), "3");
    EXPECT_FALSE(powerOfTenDenominator(0).has_value());
}
