#include "signednumbers2/core/congruence.h"
#include "signednumbers2/core/division_algorithm.h"

#include "kit/core/input_limits.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace signednumbers2;

// The remainder found by trying every candidate 0 .. |b| - 1.
long bruteRemainder(long a, long b) {
    const long size = b < 0 ? -b : b;
    for (long r = 0; r < size; ++r)
        if ((a - r) % b == 0)
            return r;
    return -1;
}

TEST(DivisionAlgorithm, QuotientAndRemainderAreTheOnesBruteForceFinds) {
    for (long a = -300; a <= 300; ++a) {
        for (long b = -17; b <= 17; ++b) {
            if (b == 0)
                continue;
            const DivisionWithRemainder d = divideWithRemainder(a, b);
            const long r = bruteRemainder(a, b);
            ASSERT_EQ(d.remainder, r) << a << " / " << b;
            ASSERT_EQ(d.quotient * b + d.remainder, a) << a << " / " << b;
            ASSERT_TRUE(d.steps.back().find("Check") != std::string::npos);
        }
    }
    EXPECT_THROW(divideWithRemainder(5, 0), std::invalid_argument);
}

TEST(DivisionAlgorithm, HoldsForSixtyDigitNumbersOfEitherSign) {
    const mpz_class big(std::string(kit::maxIntegerDigits, '9'));
    for (const mpz_class& a : {big, mpz_class(-big), mpz_class(big - 1), mpz_class(1 - big)}) {
        for (const mpz_class& b :
             {mpz_class(7), mpz_class(-7), mpz_class(big / 3), mpz_class(-big / 3 - 1)}) {
            const DivisionWithRemainder d = divideWithRemainder(a, b);
            EXPECT_EQ(d.quotient * b + d.remainder, a);
            EXPECT_GE(d.remainder, 0);
            EXPECT_LT(d.remainder, abs(b));
        }
    }
}

TEST(DivisionAlgorithm, NegativeDividendStepsTakeOneMoreMultiple) {
    const DivisionWithRemainder d = divideWithRemainder(-47, 5);
    EXPECT_EQ(d.quotient, -10);
    EXPECT_EQ(d.remainder, 3);
    ASSERT_EQ(d.steps.size(), 4u);
    EXPECT_NE(d.steps[2].find("may not be negative"), std::string::npos);
    EXPECT_EQ(divideWithRemainder(-47, -5).quotient, 10);
    EXPECT_EQ(divideWithRemainder(47, -5).quotient, -9);
}

TEST(Congruence, ResiduesAgreeWithWalkingRoundTheClock) {
    for (long n = 2; n <= largestClockModulus; ++n) {
        for (long a = -200; a <= 200; ++a) {
            long walked = a;
            while (walked < 0)
                walked += n;
            while (walked >= n)
                walked -= n;
            ASSERT_EQ(leastResidue(a, n), walked) << a << " mod " << n;
            for (long b = a - 2 * n; b <= a + 2 * n; b += 3)
                ASSERT_EQ(congruent(a, b, n), leastResidue(b, n) == walked);
        }
    }
}

TEST(Congruence, StepsNameTheResidueAndTheVerdict) {
    const auto steps = residueSteps(-23, 7);
    EXPECT_NE(steps.front().find("&minus;23 = (&minus;4) &middot; 7 + 5"), std::string::npos)
        << steps.front();
    EXPECT_NE(steps.back().find("&equiv; 5 (mod 7)"), std::string::npos);
    EXPECT_NE(congruenceSteps(14, 2, 12).back().find(" &equiv; 2 (mod 12)"), std::string::npos);
    EXPECT_NE(congruenceSteps(14, 3, 12).back().find("&#8802;"), std::string::npos);
}

} // namespace
