// The fields program's mathematics against independent computations: inverses multiplied back,
// the Euclid lines' invariant, ax + b = c against trying every x, the characteristic against
// repeated addition and lcm, the field of four elements against polynomial arithmetic, and
// which Z_n are fields against primality.
#include "addmult/core/ring_axioms.h"
#include "fieldsplus/core/characteristic.h"
#include "fieldsplus/core/domain_check.h"
#include "fieldsplus/core/field_of_four.h"
#include "fieldsplus/core/linear_equation.h"
#include "fieldsplus/core/modular_inverse.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <numeric>

using namespace fieldsplus;

TEST(InverseModulo, EveryInverseMultipliesBackToOneAndEveryLineKeepsItsCombination) {
    for (std::int64_t n = 2; n <= 200; ++n)
        for (std::int64_t a = 1; a < n; ++a) {
            const InverseRun run = inverseModulo(a, n);
            ASSERT_EQ(run.gcd, std::gcd(a, n)) << a << " mod " << n;
            ASSERT_EQ(run.inverse.has_value(), std::gcd(a, n) == 1);
            if (run.inverse) {
                ASSERT_GE(*run.inverse, 0);
                ASSERT_LT(*run.inverse, n);
                ASSERT_EQ(a * *run.inverse % n, 1 % n) << a << " mod " << n;
            }
            for (const auto& line : run.lines) {
                ASSERT_EQ(line.dividend, line.quotient * line.divisor + line.remainder);
                ASSERT_EQ(line.remainder, line.s * a + line.t * n);
            }
        }
}

TEST(InverseModulo, LargePrimesAndTheWrittenSolution) {
    const std::int64_t p = 999999937; // the largest prime below 10^9
    for (std::int64_t a : {2LL, 3LL, 123456789LL, 999999936LL}) {
        const InverseRun run = inverseModulo(a, p);
        ASSERT_TRUE(run.inverse);
        EXPECT_EQ(mpz_class(mpz_class(static_cast<long>(a)) * static_cast<long>(*run.inverse) %
                            static_cast<long>(p)),
                  1);
    }
    const auto steps = inverseSteps(inverseModulo(17, 43));
    EXPECT_EQ(steps[1], "43 = 2&middot;17 + 9 &nbsp;&rArr;&nbsp; 9 = (-2)&middot;17 + "
                        "1&middot;43");
    EXPECT_NE(steps.back().find("<b>38</b>"), std::string::npos);
    const auto none = inverseSteps(inverseModulo(4, 10));
    EXPECT_NE(none.back().find("4 has no inverse modulo 10"), std::string::npos);
    EXPECT_THROW(inverseModulo(0, 7), std::invalid_argument);
    EXPECT_THROW(inverseModulo(7, 7), std::invalid_argument);
    EXPECT_THROW(inverseModulo(1, largestModulus + 1), std::invalid_argument);
}

TEST(LinearEquation, SolutionsAreExactlyTheXThatWork) {
    for (std::int64_t n = 2; n <= 24; ++n)
        for (std::int64_t a = -3; a < n; ++a)
            for (std::int64_t b = 0; b < n; ++b)
                for (std::int64_t c = 0; c < n; ++c) {
                    std::vector<std::int64_t> tried;
                    for (std::int64_t x = 0; x < n; ++x)
                        if (reduced(a * x + b, n) == c)
                            tried.push_back(x);
                    const LinearSolution s = solveLinear(a, b, c, n);
                    ASSERT_EQ(s.count, static_cast<std::int64_t>(tried.size()));
                    ASSERT_EQ(s.solutions, tried) << a << "x + " << b << " = " << c << " mod " << n;
                    ASSERT_FALSE(s.steps.empty());
                }
}

TEST(LinearEquation, HugeSolutionSetsAreCountedNotListed) {
    const LinearSolution all = solveLinear(0, 5, 5, largestModulus);
    EXPECT_EQ(all.count, largestModulus);
    EXPECT_EQ(all.solutions.size(), static_cast<std::size_t>(largestListedSolutions));
    const LinearSolution many = solveLinear(500000000, 0, 0, largestModulus);
    EXPECT_EQ(many.count, 500000000);
    EXPECT_EQ(many.solutions[1], 2);
    const LinearSolution one = solveLinear(3, 4, 2, 7);
    EXPECT_EQ(one.solutions, std::vector<std::int64_t>{4});
    EXPECT_NE(one.steps.back().find("Check: 3&middot;4 + 4 = 16"), std::string::npos);
}

TEST(Characteristic, RepeatedUnityUntilZero) {
    for (int n = 2; n <= 30; ++n)
        EXPECT_EQ(characteristicOf(addmult::integersModulo(n)).value, n);
    for (int n = 2; n <= 6; ++n)
        for (int m = 2; n * m <= addmult::largestProductSize; ++m)
            EXPECT_EQ(characteristicOf(addmult::productRing(n, m)).value, std::lcm(n, m));
    EXPECT_EQ(characteristicOf(fieldOfFour()).value, 2);
    EXPECT_EQ(characteristicOf(addmult::matricesOverZ2()).value, 2);
    const auto run = characteristicOf(addmult::integersModulo(3));
    EXPECT_EQ(run.sums,
              (std::vector<std::string>{"1 \u00b7 1 = 1", "2 \u00b7 1 = 2", "3 \u00b7 1 = 0"}));
    addmult::FiniteRing noUnity = addmult::integersModulo(4);
    for (auto& row : noUnity.mul)
        for (int& v : row)
            v = 0;
    EXPECT_FALSE(characteristicOf(noUnity).value);
}

TEST(FieldOfFour, IsAFieldWithASquaredEqualToAPlusOne) {
    const addmult::FiniteRing f = fieldOfFour();
    EXPECT_TRUE(addmult::isRing(f));
    const DomainCheck check = checkDomain(f);
    EXPECT_TRUE(check.field());
    EXPECT_TRUE(check.integralDomain());
    // Multiplication of c1 a + c0 against the polynomial product reduced by a^2 = a + 1.
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            int coefficients[3] = {0, 0, 0};
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j)
                    coefficients[i + j] ^= ((x >> i) & 1) & ((y >> j) & 1);
            const int c0 = coefficients[0] ^ coefficients[2],
                      c1 = coefficients[1] ^ coefficients[2];
            EXPECT_EQ(f.product(x, y), c1 * 2 + c0);
            EXPECT_EQ(f.sum(x, y), x ^ y);
        }
    EXPECT_EQ(f.elements[f.product(2, 2)], "a+1");
    EXPECT_EQ(fieldOfFourElement(" A + 1 "), 3);
    EXPECT_EQ(fieldOfFourElement("1+a"), 3);
    EXPECT_EQ(fieldOfFourElement("a"), 2);
    EXPECT_FALSE(fieldOfFourElement("2"));
    EXPECT_FALSE(fieldOfFourElement("a^2"));
    EXPECT_FALSE(checkDomain(addmult::integersModulo(4)).field()); // four elements, no field
}

TEST(DomainCheck, ZnIsAFieldAndAnIntegralDomainExactlyWhenNIsPrime) {
    for (int n = 2; n <= 30; ++n) {
        const DomainCheck check = checkDomain(addmult::integersModulo(n));
        EXPECT_EQ(check.field(), isPrime(n)) << n;
        EXPECT_EQ(check.integralDomain(), isPrime(n)) << n;
        EXPECT_EQ(check.zeroDivisorExample.empty(), isPrime(n)) << n;
    }
    EXPECT_EQ(checkDomain(addmult::integersModulo(6)).zeroDivisorExample, "2 \u00b7 3 = 0");
    const DomainCheck matrices = checkDomain(addmult::matricesOverZ2());
    EXPECT_FALSE(matrices.commutative);
    EXPECT_FALSE(matrices.field());
    EXPECT_FALSE(checkDomain(addmult::productRing(3, 5)).integralDomain());
}
