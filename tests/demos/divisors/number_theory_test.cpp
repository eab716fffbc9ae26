#include "divisors/core/divisor_functions.h"
#include "divisors/core/euclid.h"
#include "divisors/core/sieve.h"
#include "kit/core/random.h"

#include <gtest/gtest.h>

using namespace divisors;

namespace {
Factorization factorOf(const mpz_class& n) {
    kit::WorkBudget budget(factoringBudget);
    return *factorize(n, budget);
}
} // namespace

TEST(DivisorFunctions, CountSumAndListAgreeWithBruteForceUpTo3000) {
    for (long n = 1; n <= 3000; ++n) {
        std::vector<mpz_class> expected;
        mpz_class sum = 0;
        for (long d = 1; d <= n; ++d)
            if (n % d == 0) {
                expected.push_back(d);
                sum += d;
            }
        const Factorization f = factorOf(n);
        ASSERT_EQ(listDivisors(f), expected) << n;
        EXPECT_EQ(divisorCount(f), static_cast<unsigned long>(expected.size())) << n;
        EXPECT_EQ(divisorSum(f), sum) << n;
        const auto pairs = divisorPairs(n, expected);
        EXPECT_EQ(pairs.size(), (expected.size() + 1) / 2) << n;
        for (const auto& pair : pairs)
            EXPECT_EQ(pair.small * pair.large, n);
    }
}

TEST(DivisorFunctions, LargeNumbersUseTheExponentsAndListOnlyTheSmallest) {
    // 963761198400 has 6720 divisors, the most of any number below 10^12.
    const Factorization f = factorOf(mpz_class("963761198400"));
    EXPECT_EQ(divisorCount(f), 6720);
    const auto smallest = listDivisors(f, 10);
    EXPECT_EQ(smallest, (std::vector<mpz_class>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    const auto all = listDivisors(f);
    ASSERT_EQ(all.size(), 6720u);
    mpz_class sum = 0;
    for (const auto& d : all)
        sum += d;
    EXPECT_EQ(divisorSum(f), sum);
    const Factorization tenTo18 = factorOf(mpz_class("1000000000000000000"));
    EXPECT_EQ(divisorCount(tenTo18), 361);
}

TEST(Sieve, LeavesExactlyThePrimesAndCrossesEachCompositeOnceFromPSquared) {
    const Sieve sieve(largestSieve);
    for (int k = 2; k <= largestSieve; ++k) {
        bool prime = true;
        for (int d = 2; d * d <= k; ++d)
            prime = prime && k % d != 0;
        EXPECT_EQ(!sieve.isCrossedOut(k), prime) << k;
    }
    std::vector<int> seen(largestSieve + 1, 0);
    for (const auto& step : sieve.steps()) {
        EXPECT_LE(step.prime * step.prime, largestSieve);
        ASSERT_FALSE(step.crossed.empty());
        EXPECT_EQ(step.crossed.front(), step.prime * step.prime);
        for (int m : step.crossed) {
            EXPECT_EQ(m % step.prime, 0);
            ++seen[static_cast<std::size_t>(m)];
        }
    }
    for (int k = 4; k <= largestSieve; ++k)
        EXPECT_EQ(seen[static_cast<std::size_t>(k)], sieve.isCrossedOut(k) ? 1 : 0) << k;
    EXPECT_EQ(Sieve(400).primes().size(), 78u);
    EXPECT_EQ(Sieve(400).steps().back().prime, 19);
    EXPECT_EQ(Sieve(1).limit(), 2);
    EXPECT_EQ(Sieve(5000).limit(), largestSieve);
    EXPECT_EQ(Sieve(2).primes(), std::vector<int>{2});
}

TEST(Euclid, EveryLineIsADivisionAndTheCoefficientsGiveTheGcd) {
    kit::Random random(3);
    for (int k = 0; k < 2000; ++k) {
        const mpz_class a = random.between(0, k < 1000 ? 1000 : INT64_MAX);
        const mpz_class b = random.between(k == 0 ? 1 : 0, k < 1000 ? 1000 : INT64_MAX);
        if (a == 0 && b == 0)
            continue;
        const EuclidRun run = euclid(a, b);
        EXPECT_EQ(run.gcd, gcd(a, b));
        EXPECT_EQ(run.x * a + run.y * b, run.gcd);
        mpz_class previousB = b;
        for (const auto& line : run.lines) {
            EXPECT_EQ(line.a, line.q * line.b + line.r);
            EXPECT_GE(line.r, 0);
            EXPECT_LT(line.r, line.b);
            EXPECT_EQ(line.s * a + line.t * b, line.r);
        }
        EXPECT_EQ(leastCommonMultiple(a, b) * run.gcd, a * b);
    }
}

TEST(Euclid, KnownRunsAndEdges) {
    const EuclidRun run = euclid(252, 198);
    ASSERT_EQ(run.lines.size(), 4u);
    EXPECT_EQ(lineText(run.lines[0], false), "252 = 1 * 198 + 54");
    EXPECT_EQ(lineText(run.lines[3], false), "36 = 2 * 18 + 0");
    EXPECT_EQ(run.gcd, 18);
    EXPECT_EQ(run.x, 4);
    EXPECT_EQ(run.y, -5);
    EXPECT_EQ(leastCommonMultiple(252, 198), 2772);

    const EuclidRun zero = euclid(7, 0);
    EXPECT_TRUE(zero.lines.empty());
    EXPECT_EQ(zero.gcd, 7);
    EXPECT_EQ(zero.x, 1);

    // Consecutive Fibonacci numbers take the most lines: F(90), F(89) need 88 divisions.
    mpz_class f0 = 0, f1 = 1;
    for (int k = 0; k < 89; ++k) {
        const mpz_class next = f0 + f1;
        f0 = f1;
        f1 = next;
    }
    const EuclidRun fibonacci = euclid(f1, f0);
    EXPECT_EQ(fibonacci.gcd, 1);
    EXPECT_EQ(fibonacci.lines.size(), 88u);
    EXPECT_EQ(fibonacci.x * f1 + fibonacci.y * f0, 1);
}
