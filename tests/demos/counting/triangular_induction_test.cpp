#include "counting/core/peano_arithmetic.h"
#include "counting/core/triangular_induction.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using namespace counting;

TEST(TriangularNumbers, ClosedFormEqualsTheSumUpToTheLargestN) {
    mpz_class running = 0;
    for (long n = 1; n <= 5000; ++n) {
        running += n;
        ASSERT_EQ(triangularNumber(n), running) << n;
    }
    EXPECT_EQ(triangularNumber(largestInductionN), sumByAdding(largestInductionN));
    EXPECT_EQ(triangularNumber(largestInductionN), mpz_class("500000500000"));
}

TEST(TriangularNumbers, DotPictureIsHalfTheRectangle) {
    for (long n = 1; n <= largestPictureN; ++n) {
        const DotPicture picture = triangularDots(n);
        ASSERT_EQ(picture.dotsInRow.size(), static_cast<std::size_t>(n));
        const long dots = std::accumulate(picture.dotsInRow.begin(), picture.dotsInRow.end(), 0L);
        EXPECT_EQ(2 * dots, picture.rows * picture.columns);
        EXPECT_EQ(mpz_class(dots), triangularNumber(n));
    }
}

TEST(InductionProof, ChainListsEveryCaseForSmallNAndStopsForLargeN) {
    for (long n = 1; n <= largestChainN; ++n) {
        const InductionProof proof = sumOfFirstNumbersProof(n);
        ASSERT_EQ(proof.chain.size(), static_cast<std::size_t>(n));
        // Every listed case states the sum that adding gives.
        for (long k = 1; k <= n; ++k)
            EXPECT_NE(proof.chain[k - 1].find(" = " + sumByAdding(k).get_str() + " = "),
                      std::string::npos);
        EXPECT_NE(proof.conclusion.back().find(triangularNumber(n).get_str()), std::string::npos);
    }
    const InductionProof large = sumOfFirstNumbersProof(largestInductionN);
    EXPECT_EQ(large.chain.size(), static_cast<std::size_t>(largestChainN) + 1);
    EXPECT_NE(large.conclusion.back().find("500000500000"), std::string::npos);
    EXPECT_FALSE(large.baseCase.empty());
    EXPECT_EQ(large.inductiveStep.size(), 4u);
}

int countSuccessors(const std::string& text) {
    int count = 0;
    for (char c : text)
        count += c == 'S' ? 1 : 0;
    return count;
}

TEST(PeanoArithmetic, SuccessorFormHasOneSLessThanTheNumber) {
    for (int n = 1; n <= largestPeanoOperand; ++n)
        EXPECT_EQ(countSuccessors(successorForm(n)), n - 1);
    EXPECT_EQ(successorForm(3), "S(S(1))");
}

TEST(PeanoArithmetic, AdditionAndMultiplicationReachTheSumAndProduct) {
    for (int a = 1; a <= largestPeanoOperand; ++a) {
        for (int b = 1; b <= largestPeanoOperand; ++b) {
            const auto sum = peanoAdditionSteps(a, b);
            // b - 1 unfoldings, each in two lines, the last equation, then b successors.
            ASSERT_EQ(sum.size(), static_cast<std::size_t>(2 * (b - 1) + 1 + b));
            EXPECT_NE(sum.back().find("= " + std::to_string(a + b) + " "), std::string::npos)
                << sum.back();
            const auto product = peanoMultiplicationSteps(a, b);
            EXPECT_TRUE(product.back().ends_with(" = " + std::to_string(a * b))) << product.back();
        }
    }
}

} // namespace
