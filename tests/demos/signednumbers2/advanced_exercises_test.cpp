#include "signednumbers2/core/absolute_value_relation.h"
#include "signednumbers2/core/advanced_exercises.h"

#include "demos/exercise_properties.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using namespace signednumbers2;

const kit::ExerciseKind& kindNamed(const std::string& id) {
    static const auto kinds = advancedExerciseKinds();
    return demo_test::kindNamed(kinds, id);
}

TEST(AdvancedExercises, EveryKindIsWellFormedOverManySeeds) {
    demo_test::expectEveryKindWellFormed(advancedExerciseKinds());
}

TEST(AdvancedExercises, DivisionAnswerSatisfiesTheTheoremAndRefusesANegativeRemainder) {
    for (kit::Seed seed = 0; seed < 400; ++seed) {
        const kit::Exercise exercise = kindNamed("division-algorithm").generate(seed);
        const auto numbers = demo_test::integersIn(exercise.prompt);
        const long a = numbers[0];
        const long b = numbers[1];
        const long q = std::stol(exercise.expectedAnswer);
        const long r =
            std::stol(exercise.expectedAnswer.substr(exercise.expectedAnswer.find(',') + 1));
        const long size = b < 0 ? -b : b;
        ASSERT_EQ(q * b + r, a) << exercise.prompt;
        ASSERT_TRUE(0 <= r && r < size);
        // The truncating division a calculator does: right only when it leaves r >= 0.
        const long truncated = a / b;
        if (a % b != 0 && a % b < 0) {
            EXPECT_FALSE(
                exercise.check(std::to_string(truncated) + ", " + std::to_string(a % b)).correct);
        }
        if (q != r) {
            EXPECT_FALSE(exercise.check(std::to_string(r) + ", " + std::to_string(q)).correct);
        }
    }
}

TEST(AdvancedExercises, ResiduesAndModularArithmeticAgreeWithDirectComputation) {
    for (kit::Seed seed = 0; seed < 400; ++seed) {
        const kit::Exercise residue = kindNamed("least-residue").generate(seed);
        const auto shown = demo_test::integersIn(residue.prompt);
        const long a = shown[shown.size() - 2];
        const long n = shown.back();
        EXPECT_EQ(residue.expectedAnswer, std::to_string(((a % n) + n) % n)) << residue.prompt;

        const kit::Exercise modular = kindNamed("modular-arithmetic").generate(seed);
        const auto terms = demo_test::integersIn(modular.prompt);
        ASSERT_EQ(terms.size(), 3u) << modular.prompt;
        const bool product = modular.prompt.find("&middot;") != std::string::npos;
        const long value = product ? terms[0] * terms[1] : terms[0] + terms[1];
        EXPECT_EQ(modular.expectedAnswer,
                  std::to_string(((value % terms[2]) + terms[2]) % terms[2]));
    }
}

TEST(AdvancedExercises, ParityAndOrderAnswersAgreeWithTheNumbers) {
    for (kit::Seed seed = 0; seed < 400; ++seed) {
        const kit::Exercise parity = kindNamed("parity").generate(seed);
        EXPECT_TRUE(
            parity.check(" " + std::string(parity.expectedAnswer == "even" ? "EVEN" : "Odd"))
                .correct);
        EXPECT_FALSE(parity.check(parity.expectedAnswer == "even" ? "odd" : "even").correct);

        const kit::Exercise order = kindNamed("order-multiply").generate(seed);
        const auto numbers = demo_test::integersIn(order.prompt);
        const long a = numbers[0], b = numbers[1], c = numbers[2];
        ASSERT_LT(a, b);
        EXPECT_EQ(order.expectedAnswer, a * c < b * c ? "<" : a * c > b * c ? ">" : "=");
    }
}

TEST(AdvancedExercises, AbsoluteValueAnswersAreTheIntegerSolutionsFoundBySearch) {
    for (kit::Seed seed = 0; seed < 400; ++seed) {
        for (const char* id : {"absolute-equation", "absolute-inequality"}) {
            const kit::Exercise exercise = kindNamed(id).generate(seed);
            // |a x + b| relation c, read back from the prompt.
            std::smatch m;
            const std::regex shape(
                "\\|(&minus;)?(\\d*)x(?: (\\+|&minus;) (\\d+))?\\| (&lt;|&le;|=) (&minus;)?(\\d+)");
            ASSERT_TRUE(std::regex_search(exercise.prompt, m, shape)) << exercise.prompt;
            AbsoluteValueProblem problem;
            problem.a = (m[2].length() ? std::stol(m[2]) : 1) * (m[1].matched ? -1 : 1);
            problem.b = m[4].matched ? std::stol(m[4]) * (m[3] == "+" ? 1 : -1) : 0;
            problem.relation = m[5] == "&lt;"   ? Relation::Less
                               : m[5] == "&le;" ? Relation::LessOrEqual
                                                : Relation::Equal;
            problem.c = std::stol(m[7]) * (m[6].matched ? -1 : 1);
            const std::string text = exercise.prompt;
            std::vector<long> solutions;
            for (long x = -200; x <= 200; ++x)
                if (satisfies(problem, mpq_class(x)))
                    solutions.push_back(x);
            std::string expected;
            if (std::string(id) == "absolute-equation") {
                for (long x : solutions)
                    expected += (expected.empty() ? "" : ", ") + std::to_string(x);
                if (expected.empty())
                    expected = "none";
            } else {
                ASSERT_FALSE(solutions.empty()) << text;
                expected =
                    std::to_string(solutions.front()) + ", " + std::to_string(solutions.back());
            }
            EXPECT_EQ(exercise.expectedAnswer, expected) << text;
        }
    }
}

TEST(AdvancedExercises, EquationSolutionsMayComeInEitherOrderButNotIncomplete) {
    int twoSolutions = 0;
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kindNamed("absolute-equation").generate(seed);
        const auto comma = exercise.expectedAnswer.find(',');
        if (comma == std::string::npos)
            continue;
        ++twoSolutions;
        const std::string first = exercise.expectedAnswer.substr(0, comma);
        const std::string second = exercise.expectedAnswer.substr(comma + 2);
        EXPECT_TRUE(exercise.check(second + ", " + first).correct);
        EXPECT_FALSE(exercise.check(first).correct) << "the second case forgotten";
    }
    EXPECT_GT(twoSolutions, 100);
}

} // namespace
