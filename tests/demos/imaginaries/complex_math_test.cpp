#include "imaginaries/core/exact_complex.h"
#include "imaginaries/core/polar_form.h"
#include "imaginaries/core/quadratic.h"

#include "kit/core/input_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace imaginaries;

namespace {

ExactComplex z(long re, long im) {
    return {mpq_class(re), mpq_class(im)};
}

void expectNear(std::complex<double> actual, std::complex<double> expected, double tolerance) {
    EXPECT_NEAR(actual.real(), expected.real(), tolerance);
    EXPECT_NEAR(actual.imag(), expected.imag(), tolerance);
}

} // namespace

TEST(ExactComplex, OperationsAgreeWithFloatingPointComplexNumbers) {
    for (long a = -4; a <= 4; ++a)
        for (long b = -4; b <= 4; ++b)
            for (long c = -3; c <= 3; ++c)
                for (long d = -3; d <= 3; ++d) {
                    const std::complex<double> x{static_cast<double>(a), static_cast<double>(b)};
                    const std::complex<double> y{static_cast<double>(c), static_cast<double>(d)};
                    expectNear(toDouble(z(a, b) + z(c, d)), x + y, 1e-12);
                    expectNear(toDouble(z(a, b) - z(c, d)), x - y, 1e-12);
                    expectNear(toDouble(z(a, b) * z(c, d)), x * y, 1e-12);
                    const auto quotient = divide(z(a, b), z(c, d));
                    ASSERT_EQ(quotient.has_value(), c != 0 || d != 0);
                    if (quotient) {
                        expectNear(toDouble(*quotient), x / y, 1e-12);
                        EXPECT_EQ(*quotient * z(c, d), z(a, b)); // exactly, no rounding
                    }
                    EXPECT_EQ(normSquared(z(a, b)), (z(a, b) * conjugate(z(a, b))).re);
                }
}

TEST(ExactComplex, PowersByRepeatedSquaringMatchRepeatedMultiplication) {
    for (long a = -2; a <= 2; ++a)
        for (long b = -2; b <= 2; ++b) {
            ExactComplex product{1, 0};
            for (unsigned n = 0; n <= 20; ++n) {
                EXPECT_EQ(power(z(a, b), n), product) << a << " " << b << " " << n;
                product = product * z(a, b);
            }
        }
    EXPECT_EQ(power(z(1, 1), 8), z(16, 0));
    EXPECT_EQ(power(z(0, 1), 3), z(0, -1));
}

TEST(ExactComplex, WrittenFormsReadBack) {
    EXPECT_EQ(complexText(z(3, -4)), "3 - 4i");
    EXPECT_EQ(complexText(z(0, -1)), "-i");
    EXPECT_EQ(complexText(z(0, 2)), "2i");
    EXPECT_EQ(complexText(z(5, 0)), "5");
    EXPECT_EQ(complexText(z(0, 0)), "0");
    EXPECT_EQ(complexText({mpq_class(1, 2), mpq_class(3, 4)}), "1/2 + 3/4i");
    for (long a = -3; a <= 3; ++a)
        for (long b = -3; b <= 3; ++b)
            for (long d : {1L, 2L, 7L}) {
                ExactComplex value{mpq_class(a, d), mpq_class(b, d)};
                value.re.canonicalize();
                value.im.canonicalize();
                const auto parsed = parseComplex(complexText(value));
                ASSERT_TRUE(parsed.ok()) << complexText(value);
                EXPECT_EQ(parsed.value(), value) << complexText(value);
            }
}

TEST(ExactComplex, TypedFormsAndTheirFaults) {
    const std::vector<std::pair<std::string, ExactComplex>> forms{
        {"3-4i", z(3, -4)},
        {" 3 - 4 i ", z(3, -4)},
        {"-i", z(0, -1)},
        {"i", z(0, 1)},
        {"+2i", z(0, 2)},
        {"-2i+1", z(1, -2)},
        {"3+4*i", z(3, 4)},
        {"4", z(4, 0)},
        {"0.5-1.5i", {mpq_class(1, 2), mpq_class(-3, 2)}},
        {"1/2+3/4i", {mpq_class(1, 2), mpq_class(3, 4)}},
        {"2-3j", z(2, -3)}};
    for (const auto& [text, value] : forms) {
        const auto parsed = parseComplex(text);
        ASSERT_TRUE(parsed.ok()) << text << ": " << parsed.error().message;
        EXPECT_EQ(parsed.value(), value) << text;
    }
    for (const char* bad : {"", "3+", "1+2+3i", "2ii", "x", "1/0+i", "3 - - 4i", "(3+4i)"})
        EXPECT_FALSE(parseComplex(bad).ok()) << bad;
    // "1 3/4 + i" would silently read as 13/4 + i without the space check.
    const auto mixed = parseComplex("1 3/4 + i");
    ASSERT_FALSE(mixed.ok());
    EXPECT_NE(mixed.error().message.find("space inside a number at 2"), std::string::npos);
    EXPECT_FALSE(parseComplex(std::string(kit::maxInputLength + 1, '1')).ok());
    const auto list = parseComplexList("1+2i, 1-2i");
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(list.value().size(), 2u);
    EXPECT_FALSE(parseComplexList("1+2i,").ok());
}

TEST(PolarForm, KnownArgumentsAndTheWayBack) {
    EXPECT_NEAR(degrees(toPolar({1, 1}).argument), 45, 1e-9);
    EXPECT_NEAR(degrees(toPolar({-1, 0}).argument), 180, 1e-9);
    EXPECT_NEAR(degrees(toPolar({0, -2}).argument), -90, 1e-9);
    EXPECT_NEAR(toPolar({3, 4}).modulus, 5, 1e-12);
    expectNear(fromPolar(toPolar({-2.5, 0.75})), {-2.5, 0.75}, 1e-12);
    EXPECT_DOUBLE_EQ(principalDegrees(270), -90);
    EXPECT_DOUBLE_EQ(principalDegrees(-180), 180);
    EXPECT_DOUBLE_EQ(principalDegrees(540), 180);
    EXPECT_EQ(polarText(toPolar({3, 4})), "5 (cos 53.13\xC2\xB0 + i sin 53.13\xC2\xB0)");
}

TEST(PolarForm, NthRootsSolveTheEquationAndFormARegularPolygon) {
    for (int n = 1; n <= 12; ++n)
        for (const std::complex<double> w :
             {std::complex<double>(8, 0), {0, 1}, {-3, 4}, {-1, -1}}) {
            const auto roots = nthRoots(w, n);
            ASSERT_EQ(roots.size(), static_cast<std::size_t>(n));
            for (std::size_t k = 0; k < roots.size(); ++k) {
                expectNear(std::pow(roots[k], n), w, 1e-9 * std::abs(w));
                // Neighbouring corners are one n-th of a turn apart.
                const auto next = roots[(k + 1) % roots.size()];
                expectNear(next, roots[k] * std::polar(1.0, 2 * std::numbers::pi / n), 1e-9);
            }
        }
    EXPECT_TRUE(nthRoots({0, 0}, 3).empty());
    EXPECT_TRUE(nthRoots({1, 0}, 0).empty());
}

TEST(Quadratic, RootsSatisfyTheEquationExactly) {
    for (long a = 1; a <= 3; ++a)
        for (long p = -4; p <= 4; ++p)
            for (long q = 1; q <= 5; ++q) {
                const mpq_class b = -2 * a * p, c = a * (p * p + q * q);
                const QuadraticRoots roots = solveQuadratic(a, b, c);
                EXPECT_LT(roots.discriminant, 0);
                const auto exact = exactRoots(roots);
                ASSERT_EQ(exact.size(), 2u);
                for (const ExactComplex& x : exact) {
                    const ExactComplex value =
                        ExactComplex{a, 0} * x * x + ExactComplex{b, 0} * x + ExactComplex{c, 0};
                    EXPECT_EQ(value, z(0, 0));
                }
                EXPECT_EQ(exact[0], conjugate(exact[1]));
                EXPECT_EQ(exact[0], z(p, q));
            }
    const QuadraticRoots surd = solveQuadratic(1, 1, 2); // (−1 ± i√7)/2
    EXPECT_FALSE(surd.exact());
    EXPECT_EQ(surd.realPart, mpq_class(-1, 2));
    EXPECT_EQ(surd.offsetFactor, mpq_class(1, 2));
    EXPECT_EQ(surd.offsetRadicand, 7);
    const auto steps = quadraticSteps(1, 1, 2);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_NE(steps[0].find("= -7."), std::string::npos) << steps[0];
    EXPECT_NE(steps[2].find("-1/2 &plusmn; 1/2&radic;7i"), std::string::npos) << steps[2];
}

TEST(Quadratic, SquareFactorsComeOutOfTheRoot) {
    mpq_class factor;
    mpz_class radicand;
    simplifySquareRoot(12, factor, radicand);
    EXPECT_EQ(factor, 2);
    EXPECT_EQ(radicand, 3);
    simplifySquareRoot(mpq_class(8, 9), factor, radicand); // √(8/9) = 2√2/3
    EXPECT_EQ(factor, mpq_class(2, 3));
    EXPECT_EQ(radicand, 2);
    simplifySquareRoot(mpq_class(9, 4), factor, radicand);
    EXPECT_EQ(factor, mpq_class(3, 2));
    EXPECT_EQ(radicand, 1);
    for (long n = 1; n <= 500; ++n) {
        simplifySquareRoot(n, factor, radicand);
        EXPECT_EQ(factor * factor * radicand, n);
        for (long d = 2; d * d <= radicand; ++d)
            EXPECT_NE(radicand % (d * d), 0) << n;
    }
}
