// The sets exercises over many seeds: well formed, their own answers pass, the usual wrong
// answers and typed garbage are refused with a message.
#include "collections/core/collections_exercises.h"
#include "collections/core/roster.h"
#include "collections/core/set_expression.h"

#include "demos/exercise_kind_checks.h"
#include "demos/exercise_properties.h"

#include <gtest/gtest.h>

namespace {

using collections::Elements;

const kit::ExerciseKind& kindNamed(const std::string& id) {
    static const auto kinds = collections::collectionsExerciseKinds();
    return demo_test::kindNamed(kinds, id);
}

// The expected roster with one element too many and one too few.
std::vector<std::string> rosterMistakes(const kit::Exercise& exercise) {
    Elements expected = collections::parseRoster(exercise.expectedAnswer).value();
    std::vector<std::string> wrong;
    Elements more = expected;
    more.insert(99);
    wrong.push_back(collections::rosterText(more));
    if (!expected.empty()) {
        Elements fewer = expected;
        fewer.erase(fewer.begin());
        wrong.push_back(fewer.empty() ? "{}" : collections::rosterText(fewer));
    }
    return wrong;
}

std::vector<std::string> offByOne(const kit::Exercise& exercise) {
    const long n = std::stol(exercise.expectedAnswer);
    return {std::to_string(n + 1), std::to_string(n - 1), "{" + exercise.expectedAnswer + "}"};
}

TEST(CollectionsExercises, EveryKindIsWellFormedOverManySeeds) {
    ASSERT_EQ(collections::collectionsExerciseKinds().size(), 5u);
    exercise_checks::checkKindOverSeeds(kindNamed("set-expression"), 400, rosterMistakes);
    exercise_checks::checkKindOverSeeds(kindNamed("inclusion-exclusion"), 400, offByOne);
    exercise_checks::checkKindOverSeeds(kindNamed("power-set"), 400, offByOne);
    exercise_checks::checkKindOverSeeds(
        kindNamed("cartesian-product"), 400, [](const kit::Exercise& exercise) {
            return exercise.expectedAnswer.starts_with("{") ? rosterMistakes(exercise)
                                                            : offByOne(exercise);
        });
    // The common mistake: the complement distributed without turning union into intersection.
    exercise_checks::checkKindOverSeeds(
        kindNamed("de-morgan"), 400, [](const kit::Exercise& exercise) {
            std::string flipped = exercise.expectedAnswer;
            for (char& c : flipped)
                c = c == 'u' ? 'n' : (c == 'n' ? 'u' : c);
            return std::vector<std::string>{flipped, "A' n B' n C' n A"};
        });
}

TEST(CollectionsExercises, DeMorganRefusesTheQuestionItselfAndTheCommonMistake) {
    const auto& kind = kindNamed("de-morgan");
    int mistakesSeen = 0;
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        // The expression asked about, in the course's signs, between <b> and </b>.
        const auto open = exercise.prompt.find("<b>") + 3;
        const std::string question =
            exercise.prompt.substr(open, exercise.prompt.find("</b>") - open);
        const kit::Verdict same = exercise.check(question);
        EXPECT_FALSE(same.correct) << question;
        EXPECT_NE(same.message.find("apply De Morgan's law"), std::string::npos) << same.message;
        if (question == "(A \u222a B)\u2032" || question == "(B \u222a A)\u2032") {
            const kit::Verdict mistake = exercise.check("A' u B'");
            EXPECT_FALSE(mistake.correct);
            EXPECT_NE(mistake.message.find("shades other regions"), std::string::npos);
            ++mistakesSeen;
        }
        // Any expression with the same regions and complements on single sets passes.
        EXPECT_TRUE(exercise.check(exercise.expectedAnswer + " u \u2205").correct);
    }
    EXPECT_GT(mistakesSeen, 0);
}

TEST(CollectionsExercises, RosterAnswersTakeAnyOrderAndCountWhatIsWrong) {
    const auto check = collections::expectRoster({1, 3, 5});
    EXPECT_TRUE(check("{5, 3, 1}").correct);
    EXPECT_TRUE(check("1, 3, 5, 5").correct);
    EXPECT_EQ(check("{1, 3}").message, "Not correct yet: 1 element missing.");
    EXPECT_EQ(check("{1, 2, 3, 4, 5}").message, "Not correct yet: 2 elements that do not belong.");
    EXPECT_EQ(check("{1, 2}").message,
              "Not correct yet: 2 elements missing and 1 element that does not belong.");
    EXPECT_FALSE(check("{1, 3, 5").correct);
    const auto empty = collections::expectRoster({});
    EXPECT_TRUE(empty("{}").correct);
    EXPECT_TRUE(empty("\u2205").correct);
}

TEST(CollectionsExercises, PowerSetAndProductAnswersFollowTheirFormulas) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kindNamed("power-set").generate(seed);
        const auto open = exercise.prompt.find('{');
        const Elements s = collections::parseRoster(
                               exercise.prompt.substr(open, exercise.prompt.find('}') - open + 1))
                               .value();
        const long all = 1L << s.size();
        const long answer = std::stol(exercise.expectedAnswer);
        if (exercise.prompt.find("proper") != std::string::npos)
            EXPECT_EQ(answer, all - 1);
        else if (exercise.prompt.find("exactly") != std::string::npos)
            EXPECT_LT(answer, all);
        else
            EXPECT_EQ(answer, all);
    }
}

} // namespace
