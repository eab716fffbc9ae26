// The graphs exercises over many seeds, with wrong answers of the right form refused.
#include "graphs/core/exercises.h"

#include "graphs/core/line_through.h"

#include "exercise_kind_checks.h"

#include <gtest/gtest.h>

using namespace graphs;

namespace {

std::vector<std::string> wrongAnswers(const kit::Exercise& e) {
    const std::string& a = e.expectedAnswer;
    if (e.kind == "slope")
        return {a == "undefined" ? "0" : "undefined", a == "undefined" ? "1" : a + "+1"};
    if (e.kind == "line-equation")
        return {a + " + 1", "y = 0*x + 12345", a.rfind("x =", 0) == 0 ? "y = x" : "x = 1"};
    if (e.kind == "domain")
        return {"R", "(-1000, 1000)"};
    return {"(" + a + ") + 1", "x"};
}

} // namespace

TEST(GraphExercises, EveryKindOverManySeedsChecksItsOwnAnswerAndRefusesWrongOnes) {
    const auto kinds = exerciseKinds();
    ASSERT_GE(kinds.size(), 6u);
    exercise_checks::checkEveryKindOverSeeds(kinds, 200, wrongAnswers);
}

TEST(GraphExercises, CommonMistakesAreNamed) {
    Line line = *lineThrough({0, 1}, {2, 5});
    EXPECT_TRUE(checkLineEquation("y = 2x + 1", line).correct);
    EXPECT_FALSE(checkLineEquation("2x+1", line).correct);
    EXPECT_TRUE(checkLineEquation("Y = 1 + 2*x", line).correct);
    EXPECT_EQ(checkLineEquation("y = 3x + 1", line).message,
              "the intercept is right, the slope is not");
    EXPECT_FALSE(checkLineEquation("x = 0", line).correct);
    const Line vertical = *lineThrough({4, 1}, {4, -5});
    EXPECT_TRUE(checkLineEquation("x = 4", vertical).correct);
    EXPECT_NE(checkLineEquation("y = 4", vertical).message.find("vertical"), std::string::npos);
}
