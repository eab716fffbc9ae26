// Factorisations checked by multiplying back and by irreducibility, roots by substitution and
// multiplicities by division, against products built from known roots.
#include "equations/core/polynomial_algebra.h"
#include "equations/core/rational_roots.h"

#include "kit/core/random.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace equations;

namespace {

Polynomial read(const char* text) {
    const auto parsed = parsePolynomial(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << (parsed.ok() ? "" : parsed.error().message);
    return parsed.ok() ? parsed.value() : Polynomial();
}

Polynomial power(const Polynomial& p, int n) {
    Polynomial result({mpq_class(1)});
    for (int k = 0; k < n; ++k)
        result = result * p;
    return result;
}

// How often (x - r) divides p, by repeated exact division.
int divisions(Polynomial p, const mpq_class& r) {
    int count = 0;
    while (!p.isZero()) {
        const Division d = divide(p, Polynomial::linear(r));
        if (!d.remainder.isZero())
            break;
        p = d.quotient;
        ++count;
    }
    return count;
}

void expectSoundFactorisation(const Polynomial& p) {
    SCOPED_TRACE(p.typed());
    const Factorization f = factorOverRationals(p);
    EXPECT_EQ(expand(f), p);
    for (const auto& factor : f.factors) {
        EXPECT_GT(factor.polynomial.leading(), 0);
        for (const auto& c : factor.polynomial.coefficients())
            EXPECT_EQ(c.get_den(), 1);
        // No factor of degree two or more has a rational root left in it.
        const auto candidates = rationalRootCandidates(factor.polynomial);
        if (factor.polynomial.degree() >= 2 && candidates) {
            for (const auto& c : candidates->candidates)
                EXPECT_NE(factor.polynomial.at(c), 0) << factor.polynomial.typed();
        }
    }
    for (const auto& root : realRoots(f)) {
        if (root.rational) {
            EXPECT_EQ(p.at(*root.rational), 0) << root.typed;
            EXPECT_EQ(divisions(p, *root.rational), root.multiplicity) << root.typed;
        } else {
            const double scale = 1.0 + std::abs(p.leading().get_d()) *
                                           std::pow(1.0 + std::abs(root.value), p.degree());
            EXPECT_LT(std::abs(p.at(root.value)), 1e-8 * scale) << root.typed;
        }
    }
}

} // namespace

TEST(Polynomials, TypedTextIsExpandedAndCollected) {
    EXPECT_EQ(read("(x-1)^2 (2x+3)"), Polynomial({3, -4, -1, 2}));
    EXPECT_EQ(read("x^3 - 1/2 x + 0.25").typed(), "x^3 - (1/2)*x + 1/4");
    EXPECT_EQ(read("(x+1)(x-1) - x^2").typed(), "-1");
    EXPECT_EQ(read("-x^2 + 3x").html(), "&minus;x<sup>2</sup> + 3x");
    EXPECT_TRUE(read("x - x").isZero());
}

TEST(Polynomials, WhatIsNotAPolynomialIsRefusedWithItsReason) {
    const auto reason = [](const char* text) {
        const auto parsed = parsePolynomial(text);
        EXPECT_FALSE(parsed.ok()) << text;
        return parsed.ok() ? std::string() : parsed.error().message;
    };
    EXPECT_NE(reason("1/x").find("not a polynomial"), std::string::npos);
    EXPECT_NE(reason("sqrt(x) + 1").find("not a polynomial"), std::string::npos);
    EXPECT_NE(reason("x^13").find("at most 12"), std::string::npos);
    EXPECT_NE(reason("(x+1)^20").find("degree is 20"), std::string::npos);
    EXPECT_NE(reason("x^2 + sqrt(2)").find("rational"), std::string::npos);
    EXPECT_FALSE(reason("sin(x)").empty());
    for (const char* garbage : {"", "((", "x +", "y^2", "2 ** x", "x^x", "\xff\xfe", "1/0"})
        EXPECT_FALSE(reason(garbage).empty()) << garbage;
}

TEST(Polynomials, DivisionWithRemainderRebuildsTheDividend) {
    const Polynomial a = read("3x^5 - 2x^3 + x - 7"), b = read("x^2 + 2x - 1/3");
    const Division d = divide(a, b);
    EXPECT_LT(d.remainder.degree(), b.degree());
    EXPECT_EQ(d.quotient * b + d.remainder, a);
    EXPECT_THROW(divide(a, Polynomial()), std::invalid_argument);
}

TEST(Factorisation, KnownCasesComeOutInLowestTermsWithTheirMultiplicities) {
    EXPECT_EQ(factorizationTyped(factorOverRationals(read("x^4 - 2x^3 - 3x^2 + 4x + 4"))),
              "(x + 1)^2*(x - 2)^2");
    EXPECT_EQ(factorizationTyped(factorOverRationals(read("2x^3 - 8x"))), "2*(x + 2)*x*(x - 2)");
    EXPECT_EQ(factorizationTyped(factorOverRationals(read("x^3 - 3x^2 + 2x - 6"))),
              "(x - 3)*(x^2 + 2)");
    EXPECT_EQ(factorizationTyped(factorOverRationals(read("1/2 x^2 - 1/8"))),
              "(1/8)*(2*x + 1)*(2*x - 1)");
    EXPECT_EQ(factorizationTyped(factorOverRationals(read("-x^2 + 5x - 6"))), "-(x - 2)*(x - 3)");
    EXPECT_EQ(factorizationTyped(factorOverRationals(read("7"))), "7");
}

TEST(Factorisation, RandomProductsOfKnownFactorsMultiplyBackAndRootsSubstituteToZero) {
    kit::Random random(2024);
    for (int trial = 0; trial < 150; ++trial) {
        Polynomial p({mpq_class(random.between(1, 6), random.between(1, 4))});
        const auto factors = random.between(1, 4);
        for (int k = 0; k < factors; ++k) {
            const auto shape = random.between(0, 3);
            Polynomial f;
            if (shape <= 1)
                f = Polynomial({mpq_class(random.between(-9, 9)), mpq_class(random.between(1, 3))});
            else if (shape == 2)
                f = Polynomial({mpq_class(random.between(-7, 7)), mpq_class(random.between(-4, 4)),
                                mpq_class(1)});
            else
                f = Polynomial({mpq_class(random.between(-5, 5)), mpq_class(random.between(-3, 3)),
                                mpq_class(0), mpq_class(1)});
            p = p * power(f, static_cast<int>(random.between(1, 2)));
        }
        if (p.degree() > maxDegree)
            continue;
        expectSoundFactorisation(p);
    }
}

TEST(Roots, ExactRootsOfQuadraticsAndNumericRootsOfCubicsHaveTheirKnownValues) {
    const auto roots = realRoots(factorOverRationals(read("x^2 + 3x + 1")));
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(roots[0].typed, "(-3 - sqrt(5))/2");
    EXPECT_EQ(roots[1].typed, "(-3 + sqrt(5))/2");
    EXPECT_NEAR(roots[1].value, (-3 + std::sqrt(5.0)) / 2, 1e-12);
    const auto surd = realRoots(factorOverRationals(read("x^2 - 12")));
    ASSERT_EQ(surd.size(), 2u);
    EXPECT_EQ(surd[1].typed, "2*sqrt(3)");
    EXPECT_TRUE(realRoots(factorOverRationals(read("2x^2 - 4x + 5"))).empty());
    EXPECT_EQ(nonRealQuadraticRootsHtml(factorOverRationals(read("2x^2 - 4x + 5"))).size(), 1u);
    const auto plastic = realRoots(factorOverRationals(read("x^3 - x - 1")));
    ASSERT_EQ(plastic.size(), 1u);
    EXPECT_FALSE(plastic[0].exact);
    EXPECT_NEAR(plastic[0].value, 1.324717957244746, 1e-12);
    // Wilkinson-like: five well separated roots of an irreducible quintic found and ordered.
    const auto quintic = realRoots(factorOverRationals(read("x^5 - 10x^3 + 20x - 1")));
    ASSERT_EQ(quintic.size(), 5u);
    for (std::size_t k = 1; k < quintic.size(); ++k)
        EXPECT_LT(quintic[k - 1].value, quintic[k].value);
}

TEST(Roots, TheRationalRootTheoremListsEveryRationalRoot) {
    kit::Random random(99);
    for (int trial = 0; trial < 100; ++trial) {
        std::vector<mpq_class> roots;
        Polynomial p({mpq_class(random.between(1, 5))});
        for (int k = 0; k < 3; ++k) {
            mpq_class r(random.between(-6, 6), random.between(1, 4));
            r.canonicalize();
            roots.push_back(r);
            p = p * Polynomial::linear(r);
        }
        const auto candidates = rationalRootCandidates(p);
        ASSERT_TRUE(candidates.has_value());
        for (const auto& r : roots) {
            if (r == 0) {
                EXPECT_GT(candidates->powersOfX, 0);
                continue;
            }
            EXPECT_NE(std::find(candidates->candidates.begin(), candidates->candidates.end(), r),
                      candidates->candidates.end())
                << r.get_str() << " of " << p.typed();
            const auto row = syntheticDivision(p, r);
            EXPECT_EQ(row.back(), 0);
            EXPECT_EQ(Polynomial(std::vector<mpq_class>(row.rbegin() + 1, row.rend())),
                      divide(p, Polynomial::linear(r)).quotient);
        }
    }
    EXPECT_FALSE(rationalRootCandidates(read("x^2 - 1000003")).has_value());
}

TEST(Roots, TypedFactorisationsAreCheckedForValueAndForBeingFinished) {
    const Polynomial p = read("2x^3 - 8x");
    EXPECT_TRUE(checkFactorisation("2x(x-2)(x+2)", p).correct);
    EXPECT_TRUE(checkFactorisation("(2x+4)*x*(x-2)", p).correct);
    EXPECT_TRUE(checkFactorisation("-2x(2-x)(x+2)", p).correct);
    const auto unfinished = checkFactorisation("2x(x^2-4)", p);
    EXPECT_FALSE(unfinished.correct);
    EXPECT_NE(unfinished.message.find("can still be factored"), std::string::npos);
    EXPECT_NE(checkFactorisation("2x^3-8x", p).message.find("written as a sum"), std::string::npos);
    EXPECT_NE(checkFactorisation("2x(x-2)(x+3)", p).message.find("multiplies out"),
              std::string::npos);
    EXPECT_TRUE(checkFactorisation("(x-3)(x^2+2)", read("x^3 - 3x^2 + 2x - 6")).correct);
    for (const char* garbage : {"", "((", "1/0", "x^^2", "\xff"})
        EXPECT_FALSE(checkFactorisation(garbage, p).correct) << garbage;
}
