// Sets intersected piece by piece against membership at many points, formulas of quotients and
// roots written readably, and the function exercises' named mistakes.
#include "graphs/core/exercises.h"
#include "graphs/core/function_algebra.h"

#include "kit/core/random.h"

#include <gtest/gtest.h>

using namespace graphs;

namespace {

equations::SolutionSet solved(const char* p, const char* q, equations::Relation r) {
    return equations::solve(
        equations::signChart(equations::factorOverRationals(equations::parsePolynomial(p).value()),
                             equations::factorOverRationals(equations::parsePolynomial(q).value())),
        r);
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

kit::Expression f(const char* text) {
    return parseFunction(text).value();
}

} // namespace

TEST(Intersections, AgreeWithMembershipInBothSets) {
    using equations::Relation;
    const std::vector<equations::SolutionSet> sets{
        solved("(x+2)(x-1)(x-3)", "1", Relation::LessEqual),
        solved("x-1", "x+1", Relation::Greater),
        solved("(x-1)^2", "1", Relation::LessEqual),
        solved("x^2+1", "1", Relation::Greater),
        solved("x^2+1", "1", Relation::Less),
        solved("x", "(x-3)^2", Relation::GreaterEqual),
        solved("(2x-1)(x+4)", "1", Relation::Less)};
    for (const auto& a : sets)
        for (const auto& b : sets) {
            const auto both = intersect(a, b);
            for (int k = -48; k <= 48; ++k) {
                const double x = k / 8.0;
                EXPECT_EQ(inSet(both, x), inSet(a, x) && inSet(b, x))
                    << equations::solutionTyped(a) << " and " << equations::solutionTyped(b)
                    << " at " << x << ": " << equations::solutionTyped(both);
            }
        }
}

TEST(Formulas, QuotientsRootsAndLogarithmsAreWrittenReadably) {
    EXPECT_EQ(formulaTyped(f("(2x+1)/(x-3)")), "(2*x + 1)/(x - 3)");
    EXPECT_EQ(formulaHtml(f("sqrt(x+3)")), "&radic;(x + 3)");
    EXPECT_EQ(formulaTyped(f("sqrt(x+3)")), "sqrt(x + 3)");
    EXPECT_EQ(formulaTyped(f("-1/(x^2)")), "-1/x^2");
    EXPECT_EQ(formulaTyped(f("log(x - 2)")), "log(x - 2)");
    EXPECT_EQ(formulaTyped(compose(f("2x+1"), f("x^2"))), "2*x^2 + 1");
    EXPECT_EQ(formulaTyped(*inverseFormula(f("3x - 6"))), "x/3 + 2");
}

TEST(FunctionExercises, TheClassicMistakesGetTheirOwnMessages) {
    bool sawReversed = false;
    for (kit::Seed seed = 0; seed < 80; ++seed) {
        const kit::Exercise inverse = inverseExercise(seed);
        // The function itself is the inverse of the expected answer; its reciprocal is the
        // classic wrong inverse and is named as such.
        const auto function = inverseFormula(f(inverse.expectedAnswer.c_str()));
        ASSERT_TRUE(function.has_value()) << inverse.expectedAnswer;
        const auto verdict = inverse.check("1/(" + formulaTyped(*function) + ")");
        EXPECT_FALSE(verdict.correct);
        EXPECT_NE(verdict.message.find("reciprocal"), std::string::npos) << verdict.message;
        const kit::Exercise composition = compositionExercise(seed);
        for (const auto& step : composition.solutionSteps)
            sawReversed = sawReversed || step.find("g(f(x)) = ") != std::string::npos;
    }
    EXPECT_TRUE(sawReversed);
    const kit::Exercise shifted = transformationExercise(4);
    EXPECT_TRUE(shifted.check("y = " + shifted.expectedAnswer).correct);
    EXPECT_FALSE(shifted.check("y = (" + shifted.expectedAnswer + ") + 1").correct);
}
