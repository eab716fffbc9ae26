// Sign charts and solution sets against brute force: the quotient evaluated exactly at many
// rational points, and membership in the set read from the relation itself.
#include "equations/core/sign_chart.h"
#include "equations/core/solution_input.h"

#include "kit/core/random.h"

#include <gtest/gtest.h>

using namespace equations;

namespace {

Polynomial read(const char* text) {
    return parsePolynomial(text).value();
}

bool holds(const mpq_class& value, Relation r) {
    switch (r) {
    case Relation::Less:
        return value < 0;
    case Relation::LessEqual:
        return value <= 0;
    case Relation::Greater:
        return value > 0;
    case Relation::GreaterEqual:
        return value >= 0;
    }
    return false;
}

bool inSet(const SolutionSet& set, const mpq_class& x) {
    const double v = x.get_d();
    for (const auto& piece : set) {
        const auto& low = piece.low.root;
        const auto& high = piece.high.root;
        const bool aboveLow =
            piece.low.infinite ||
            (low.rational ? (piece.lowClosed ? x >= *low.rational : x > *low.rational)
                          : v > low.value);
        const bool belowHigh =
            piece.high.infinite ||
            (high.rational ? (piece.highClosed ? x <= *high.rational : x < *high.rational)
                           : v < high.value);
        if (aboveLow && belowHigh)
            return true;
    }
    return false;
}

// Every quarter between -8 and 8 (where all the critical points of the tests lie), checked.
void expectSolvedLikeBruteForce(const Polynomial& p, const Polynomial& q) {
    SCOPED_TRACE(p.typed() + " over " + q.typed());
    const SignChart chart = signChart(factorOverRationals(p), factorOverRationals(q));
    for (const Relation r :
         {Relation::Less, Relation::LessEqual, Relation::Greater, Relation::GreaterEqual}) {
        const SolutionSet set = solve(chart, r);
        for (int k = -32 * 4; k <= 32 * 4; ++k) {
            const mpq_class x(k, 16);
            const mpq_class below = q.at(x);
            const bool expected = below != 0 && holds(p.at(x) / below, r);
            EXPECT_EQ(inSet(set, x), expected)
                << "x = " << x.get_str() << ", " << relationTyped(r) << ": " << solutionTyped(set);
        }
    }
}

} // namespace

TEST(SignChart, KnownInequalitiesGiveTheirIntervals) {
    const auto solved = [](const char* p, const char* q, Relation r) {
        return solutionTyped(
            solve(signChart(factorOverRationals(read(p)), factorOverRationals(read(q))), r));
    };
    EXPECT_EQ(solved("x^2 - x - 6", "1", Relation::Less), "(-2, 3)");
    EXPECT_EQ(solved("(x+2)(x-1)^2", "1", Relation::GreaterEqual), "[-2, inf)");
    EXPECT_EQ(solved("(x+2)(x-1)^2", "1", Relation::Greater), "(-2, 1) U (1, inf)");
    EXPECT_EQ(solved("(x-1)^2", "1", Relation::LessEqual), "{1}");
    EXPECT_EQ(solved("(x-1)^2", "1", Relation::Less), "empty");
    EXPECT_EQ(solved("x^2 + 1", "1", Relation::Greater), "(-inf, inf)");
    EXPECT_EQ(solved("x + 1", "x - 2", Relation::LessEqual), "[-1, 2)");
    EXPECT_EQ(solved("3", "x - 2", Relation::Greater), "(2, inf)");
    EXPECT_EQ(solved("x^2 - 2", "1", Relation::GreaterEqual), "(-inf, -sqrt(2)] U [sqrt(2), inf)");
    // A common zero of numerator and denominator is left out even for <=.
    EXPECT_EQ(solved("(x-1)(x+1)", "x - 1", Relation::GreaterEqual), "[-1, 1) U (1, inf)");
}

TEST(SignChart, RandomQuotientsAgreeWithBruteForceAtEveryTestPoint) {
    kit::Random random(7);
    for (int trial = 0; trial < 60; ++trial) {
        Polynomial p({mpq_class(random.chance(0.5) ? 1 : -1) * random.between(1, 3)});
        Polynomial q({mpq_class(1)});
        for (auto k = random.between(0, 3); k > 0; --k)
            p = p * Polynomial::linear(mpq_class(random.between(-12, 12), 2));
        for (auto k = random.between(0, 2); k > 0; --k)
            q = q * Polynomial::linear(mpq_class(random.between(-6, 6)));
        if (random.chance(0.3))
            p = p * Polynomial({1, 0, 1}); // a factor without real roots
        expectSolvedLikeBruteForce(p, q);
    }
}

TEST(SignChart, TheChartHasARowPerFactorAndZerosWhereTheyBelong) {
    const SignChart chart =
        signChart(factorOverRationals(read("-(x+2)(x-1)^2")), factorOverRationals(read("x-3")));
    ASSERT_EQ(chart.points.size(), 3u);
    EXPECT_TRUE(chart.points[2].excluded());
    ASSERT_EQ(chart.rows.size(), 4u); // -1, (x+2), (x-1)^2, (x-3)
    EXPECT_EQ(chart.rows[2].signs, (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(chart.rows[2].zeroAt, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(chart.signs, (std::vector<int>{-1, 1, 1, -1}));
    const std::string html = signChartHtml(chart);
    EXPECT_NE(html.find("undef."), std::string::npos);
    EXPECT_NE(html.find("(below)"), std::string::npos);
}
