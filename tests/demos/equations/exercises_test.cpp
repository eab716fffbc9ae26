// The generators over many seeds: each exercise is well formed and deterministic, its own answer
// passes, answers of the right form but wrong are refused, and typed garbage never throws.
#include "equations/core/exercises.h"

#include "equations/core/polynomial_algebra.h"
#include "kit/core/number_input.h"

#include "exercise_kind_checks.h"

#include <gtest/gtest.h>

using namespace equations;

namespace {

std::vector<std::string> listItems(const std::string& text) {
    std::vector<std::string> items(1);
    for (const char c : text)
        if (c == ',')
            items.emplace_back();
        else
            items.back() += c;
    return items;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : ",") + item;
    return text;
}

std::vector<std::string> wrongAnswers(const kit::Exercise& e) {
    const std::string& a = e.expectedAnswer;
    if (e.kind == "rational-roots") {
        auto items = listItems(a);
        std::vector<std::string> wrong;
        auto shifted = items;
        shifted.back() = mpq_class(kit::parseRational(items.back()).value() + 1).get_str();
        wrong.push_back(joined(shifted));
        if (items.size() > 1) {
            items.pop_back();
            wrong.push_back(joined(items));
        }
        wrong.push_back("none");
        return wrong;
    }
    if (e.kind == "factor")
        return {a + "*2", a + "*(x+1)", "x"};
    if (e.kind == "quadratic-formula") {
        if (a == "none")
            return {"0", "1, 2"};
        auto items = listItems(a);
        std::vector<std::string> wrong{"none", "1.5"};
        if (items.size() == 2)
            wrong.push_back(items.front());
        return wrong;
    }
    return {a == "(-inf, inf)" ? "empty" : "R", "(-inf, -100) U (100, inf)"};
}

} // namespace

TEST(EquationExercises, EveryKindOverManySeedsChecksItsOwnAnswerAndRefusesWrongOnes) {
    const auto kinds = exerciseKinds();
    ASSERT_GE(kinds.size(), 5u);
    exercise_checks::checkEveryKindOverSeeds(kinds, 250, wrongAnswers);
}

TEST(EquationExercises, NumbersStayOfAHumanSize) {
    for (const auto& kind : exerciseKinds())
        for (kit::Seed seed = 0; seed < 300; ++seed) {
            const kit::Exercise e = kind.generate(seed);
            EXPECT_LE(e.expectedAnswer.size(), 60u) << kind.id << ": " << e.expectedAnswer;
            EXPECT_LE(e.prompt.size(), 400u) << kind.id << ": " << e.prompt;
        }
}

TEST(EquationExercises, TheRationalRootsOfTheCubicAreItsRootsAndTheFactorsMultiplyBack) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise roots = rationalRootsExercise(seed);
        for (const auto& item : listItems(roots.expectedAnswer))
            EXPECT_TRUE(kit::parseRational(item).ok()) << item;
        const kit::Exercise factor = factorExercise(seed);
        // The worked solution ends with the factorisation the checker accepts.
        EXPECT_NE(factor.solutionSteps.back().find(" = "), std::string::npos);
        EXPECT_TRUE(factor.check(factor.expectedAnswer).correct);
    }
}

TEST(EquationExercises, AnInequalityWithItsBracketsTurnedIsNamedAsSuch) {
    for (kit::Seed seed = 0; seed < 100; ++seed) {
        const kit::Exercise e = polynomialInequalityExercise(seed);
        std::string turned = e.expectedAnswer;
        bool changed = false;
        for (auto& c : turned) {
            if (c == '[' || c == ']') {
                c = c == '[' ? '(' : ')';
                changed = true;
            }
        }
        if (!changed || e.expectedAnswer.find('{') != std::string::npos)
            continue;
        const kit::Verdict v = e.check(turned);
        EXPECT_FALSE(v.correct) << turned;
        EXPECT_NE(v.message.find("endpoints are right"), std::string::npos) << turned;
    }
}
