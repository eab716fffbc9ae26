// The graphs program's mathematics: curves cut at poles and gaps, the formula writer read back
// by the parser, compositions and inverses checked by evaluation, domains against the formula's
// own definedness at many points, and lines through their two points.
#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"
#include "graphs/core/line_through.h"

#include "kit/core/random.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace graphs;

namespace {

kit::Expression f(const char* text) {
    const auto parsed = parseFunction(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value();
}

bool inSet(const equations::SolutionSet& set, double x) {
    for (const auto& piece : set) {
        const bool above = piece.low.infinite || x > piece.low.root.value ||
                           (piece.lowClosed && x == piece.low.root.value);
        const bool below = piece.high.infinite || x < piece.high.root.value ||
                           (piece.highClosed && x == piece.high.root.value);
        if (above && below)
            return true;
    }
    return false;
}

const char* const formulas[] = {"x^2 - 2",      "1/(x - 1)",         "sqrt(x + 3)",
                                "(2x+1)/(x-3)", "sqrt(x-1)/(x-3)",   "1/((x+2)(x-4))",
                                "log(x^2 - 4)", "sqrt((x+2)/(x-1))", "x^3 - 3x + 1/2",
                                "-x + 2",       "(x^2-1)/(x-1)",     "1/x^2 - 3x"};

} // namespace

TEST(Curves, APoleSplitsTheCurveAndAGapLeavesItOut) {
    const auto hyperbola = sampleCurve(f("1/(x - 1)"), -5, 5, 400, 10);
    ASSERT_EQ(hyperbola.size(), 2u);
    EXPECT_LT(hyperbola[0].back().first, 1.0);
    EXPECT_GT(hyperbola[1].front().first, 1.0);
    const auto root = sampleCurve(f("sqrt(x + 3)"), -5, 5, 400, 10);
    ASSERT_EQ(root.size(), 1u);
    // The piece starts on the edge of the domain, at (-3, 0), not at the first sample after it.
    EXPECT_GE(root[0].front().first, -3.0);
    EXPECT_NEAR(root[0].front().first, -3.0, 1e-9);
    EXPECT_NEAR(root[0].front().second, 0.0, 1e-4);
    int poles = 0;
    sampleCurve(f("1/(x - 1) + 1/(x + 2)"), -5, 5, 300, 10, &poles);
    EXPECT_EQ(poles, 2);
    sampleCurve(f("sqrt(4 - x^2)"), -5, 5, 300, 10, &poles);
    EXPECT_EQ(poles, 0);
    // A steep but continuous curve stays in one piece, and so does an even pole's neighbourhood
    // on each side.
    EXPECT_EQ(sampleCurve(f("x^5"), -5, 5, 100, 10).size(), 1u);
    EXPECT_EQ(sampleCurve(f("1/x^2"), -5, 5, 401, 10).size(), 2u);
    EXPECT_EQ(sampleCurve(f("tan(x)"), -4, 4, 800, 10).size(), 3u);
    EXPECT_TRUE(sampleCurve(f("sqrt(-1 - x^2)"), -5, 5, 100, 10).empty());
}

TEST(Formulas, TheWrittenFormulaReadsBackAsTheSameFunction) {
    for (const char* text : formulas) {
        const kit::Expression e = f(text);
        const std::string typed = formulaTyped(e);
        const auto again = parseFunction(typed);
        ASSERT_TRUE(again.ok()) << text << " written as " << typed;
        for (double x : {-3.7, -0.4, 0.3, 2.2, 5.9}) {
            const auto a = e.evaluate({x}), b = again.value().evaluate({x});
            ASSERT_EQ(a.has_value(), b.has_value()) << typed << " at " << x;
            if (a) {
                EXPECT_NEAR(*a, *b, 1e-9 * (1 + std::abs(*a))) << typed << " at " << x;
            }
        }
        EXPECT_EQ(formulaHtml(e).find('*'), std::string::npos) << formulaHtml(e);
    }
    EXPECT_EQ(formulaTyped(f("x^2 - 2")), "x^2 - 2");
    EXPECT_EQ(formulaTyped(f("1/(x - 1)")), "1/(x - 1)");
    EXPECT_EQ(formulaHtml(f("2x^2 - 3x + 1")), "2x<sup>2</sup> &minus; 3x + 1");
}

TEST(Formulas, CompositionAndInverseAgreeWithEvaluation) {
    for (const char* outer : formulas)
        for (const char* inner : {"2x + 1", "x^2", "1/(x+2)"}) {
            const kit::Expression composed = compose(f(outer), f(inner));
            for (double x : {-1.3, 0.7, 2.9}) {
                const auto g = f(inner).evaluate({x});
                const auto expected = g ? f(outer).evaluate({*g}) : std::nullopt;
                const auto got = composed.evaluate({x});
                if (expected && got) {
                    EXPECT_NEAR(*got, *expected, 1e-9 * (1 + std::abs(*expected)))
                        << outer << " of " << inner << " at " << x;
                } else if (expected) {
                    ADD_FAILURE() << outer << " of " << inner << " undefined at " << x;
                }
            }
        }
    for (const char* text : {"3x - 6", "(2x + 1)/(x - 3)", "-x/4 + 7", "(x - 1)/(2x + 5)"}) {
        const auto inverse = inverseFormula(f(text));
        ASSERT_TRUE(inverse.has_value()) << text;
        for (double x : {-2.0, 0.25, 4.0}) {
            const auto y = f(text).evaluate({x});
            ASSERT_TRUE(y.has_value());
            EXPECT_NEAR(*inverse->evaluate({*y}), x, 1e-9) << text;
        }
    }
    EXPECT_FALSE(inverseFormula(f("x^2")).has_value());
    EXPECT_FALSE(inverseFormula(f("(2x + 4)/(x + 2)")).has_value()); // the constant 2
    EXPECT_FALSE(inverseFormula(f("5")).has_value());
}

TEST(Domains, TheSetFoundIsWhereTheFormulaIsDefined) {
    for (const char* text : formulas) {
        const kit::Expression e = f(text);
        const Domain domain = domainOf(e);
        ASSERT_TRUE(domain.exact) << text;
        for (int k = -80; k <= 80; ++k) {
            const double x = k / 8.0;
            EXPECT_EQ(inSet(domain.set, x), e.evaluate({x}).has_value())
                << text << " at " << x << ": " << equations::solutionTyped(domain.set);
        }
    }
    EXPECT_EQ(equations::solutionTyped(domainOf(f("sqrt(x-1)/(x-3)")).set), "[1, 3) U (3, inf)");
    EXPECT_EQ(equations::solutionTyped(domainOf(f("sqrt((x+2)(x-4))")).set),
              "(-inf, -2] U [4, inf)");
    EXPECT_FALSE(domainOf(f("1/sin(x)")).exact);
}

TEST(Lines, TheLineThroughTwoPointsPassesThroughBoth) {
    kit::Random random(3);
    for (int trial = 0; trial < 200; ++trial) {
        ExactPoint p{mpq_class(random.between(-12, 12), 2), random.between(-6, 6)};
        ExactPoint q{mpq_class(random.between(-12, 12), 2), random.between(-6, 6)};
        // lineThrough canonicalises what it is given; the comparisons here need it too.
        p.x.canonicalize();
        q.x.canonicalize();
        const auto line = lineThrough(p, q);
        if (p.x == q.x && p.y == q.y) {
            EXPECT_FALSE(line.has_value());
            continue;
        }
        ASSERT_TRUE(line.has_value());
        if (line->vertical) {
            EXPECT_EQ(line->xValue, p.x);
            EXPECT_EQ(equationTyped(*line), "x = " + p.x.get_str());
            continue;
        }
        EXPECT_EQ(line->slope * p.x + line->intercept, p.y);
        EXPECT_EQ(line->slope * q.x + line->intercept, q.y);
        if (line->xIntercept) {
            EXPECT_EQ(line->slope * *line->xIntercept + line->intercept, 0);
        }
        const auto typed = parseFunction(equationTyped(*line).substr(4));
        ASSERT_TRUE(typed.ok()) << equationTyped(*line);
        EXPECT_NEAR(*typed.value().evaluate({q.x.get_d()}), q.y.get_d(), 1e-12);
    }
    EXPECT_EQ(equationTyped(*lineThrough({-2, -1}, {3, 2})), "y = (3/5)*x + 1/5");
    EXPECT_EQ(equationHtml(*lineThrough({1, 3}, {5, 3})), "y = 3");
}
