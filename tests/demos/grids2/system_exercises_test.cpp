// The generated exercises on systems, rank, Cramer's rule and eigenvalues over many seeds.
#include "grids2/core/linear_system.h"
#include "grids2/core/system_exercises.h"
#include "matrixkit/core/matrix_input.h"

#include "exercise_kind_checks.h"
#include "exercise_properties.h"

#include <gtest/gtest.h>

using namespace grids2;

namespace {

constexpr int seeds = 300;

std::vector<std::string> wrongFor(const kit::Exercise& e) {
    if (e.kind == "solve-system") {
        if (e.expectedAnswer == "none")
            return {"infinitely many", "(1, 2)", "(0, 0, 0)"};
        if (e.expectedAnswer == "infinitely many")
            return {"none", "(1, 2)", "(0, 0, 0)"};
        const auto x = matrixkit::parseVector(e.expectedAnswer).value();
        Vector off = x;
        off.back() += 1;
        return {"none", "infinitely many", vectorText(off), "(1, 2, 3, 4)"};
    }
    if (e.kind == "eigenvalues")
        return {e.expectedAnswer + ", 1", "1", "(1, 2)"};
    return {e.expectedAnswer + "1", "-" + e.expectedAnswer + "1"};
}

} // namespace

TEST(SystemExercises, EveryKindHoldsOverManySeeds) {
    const auto kinds = systemExerciseKinds();
    ASSERT_GE(kinds.size(), 3u);
    exercise_checks::checkEveryKindOverSeeds(kinds, seeds, wrongFor);
}

TEST(SystemExercises, AllThreeKindsOfSystemAreAsked) {
    int none = 0, many = 0, one = 0;
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const std::string answer = systemKind().generate(seed).expectedAnswer;
        none += answer == "none";
        many += answer == "infinitely many";
        one += answer.front() == '(';
    }
    EXPECT_GT(none, seeds / 20);
    EXPECT_GT(many, seeds / 20);
    EXPECT_GT(one, seeds / 2);
}

TEST(SystemExercises, SolutionAnswersSayWhatIsWrong) {
    const auto unique = expectSolution(2, SystemSolution::Unique, {1, 2});
    EXPECT_TRUE(unique("(1, 2)").correct);
    EXPECT_TRUE(unique("1, 2").correct);
    EXPECT_NE(unique("(1, 2, 3)").message.find("expected 2 values"), std::string::npos);
    EXPECT_NE(unique("none").message.find("exactly one solution"), std::string::npos);
    EXPECT_NE(unique("(2, 1)").message.find("substitute"), std::string::npos);
    const auto none = expectSolution(2, SystemSolution::None, {});
    EXPECT_TRUE(none("No solution").correct);
    EXPECT_FALSE(none("(1, 2)").correct);
    EXPECT_TRUE(expectSolution(3, SystemSolution::Infinite, {})("Infinitely many").correct);
}
