// The generated exercises over many seeds: well formed, their own answers accepted, wrong
// answers and garbage refused with a message, and each answer checked against the core.
#include "mappings/core/mappings_exercises.h"

#include "demos/exercise_kind_checks.h"

namespace {

std::vector<std::string> wrongFor(const kit::Exercise& e) {
    if (e.kind == "relation-properties") {
        std::vector<std::string> wrong;
        for (const char* other : {"R", "S", "A", "T", "R, S, A, T", "none", "R, T", "S, T"})
            if (other != e.expectedAnswer)
                wrong.push_back(other);
        return wrong;
    }
    if (e.kind == "transitive-closure") {
        const std::string inner = e.expectedAnswer.substr(1, e.expectedAnswer.size() - 2);
        const std::string withoutFirst = inner.substr(inner.find(')') + 1);
        return {"{}", withoutFirst.empty() ? "{}" : withoutFirst.substr(1),
                "(1,2), (2,1), (1,1), (2,2), (3,3), (4,4), (1,3), (3,1), (2,3), (3,2), (1,4), "
                "(4,1), (2,4), (4,2), (3,4), (4,3)"};
    }
    if (e.kind == "equivalence-class")
        return {"1, 2, 3, 4, 5", e.expectedAnswer + ", 9"};
    if (e.kind == "composition")
        return {e.expectedAnswer + ", 1", "0"};
    return {"0", "7", std::to_string(std::stoi(e.expectedAnswer) % 6 + 1)};
}

TEST(MappingsExercises, EveryKindIsSoundOverManySeeds) {
    const auto kinds = mappings::mappingsExerciseKinds();
    ASSERT_EQ(kinds.size(), 5u);
    exercise_checks::checkEveryKindOverSeeds(kinds, 300, wrongFor);
}

TEST(MappingsExercises, PairAnswersAreReadInAnyOrderAndTheirFaultsNamed) {
    mappings::Relation closure(3);
    closure.set(1, 2, true);
    closure.set(2, 3, true);
    closure.set(1, 3, true);
    EXPECT_TRUE(mappings::checkPairs(closure, "(1,3), (2,3), (1,2)").correct);
    EXPECT_EQ(mappings::checkPairs(closure, "(1,2),(2,3)").message,
              "Some pairs are still missing (2 typed, 3 needed).");
    EXPECT_EQ(mappings::checkPairs(closure, "(1,2),(2,3),(1,3),(3,1)").message,
              "(3,1) does not belong to the answer.");
    EXPECT_FALSE(mappings::checkPairs(closure, "(1,4)").correct);
}

TEST(MappingsExercises, PropertyLettersAreReadInAnyOrderAndCase) {
    EXPECT_TRUE(mappings::checkPropertyLetters("RST", "t, r s").correct);
    EXPECT_TRUE(mappings::checkPropertyLetters("", "None").correct);
    EXPECT_EQ(mappings::checkPropertyLetters("RT", "R, S, T").message,
              "S does not hold: look for a counterexample.");
    EXPECT_EQ(mappings::checkPropertyLetters("RT", "reflexive").message,
              "\"REFLEXIVE\" is not one of the letters R, S, A, T.");
    EXPECT_FALSE(mappings::checkPropertyLetters("RT", "R").correct);
    EXPECT_FALSE(mappings::checkPropertyLetters("", "none, R").correct);
}

} // namespace

namespace {

TEST(MappingsExercises, AClassIsReadWithOrWithoutBracesButNotWithEmptyPlaces) {
    const auto kind = mappings::equivalenceClassKind();
    for (kit::Seed seed = 0; seed < 50; ++seed) {
        const kit::Exercise e = kind.generate(seed);
        EXPECT_TRUE(e.check("{" + e.expectedAnswer + "}").correct) << e.expectedAnswer;
        EXPECT_FALSE(e.check("," + e.expectedAnswer).correct);
        EXPECT_FALSE(e.check(e.expectedAnswer + ",").correct);
    }
}

} // namespace
