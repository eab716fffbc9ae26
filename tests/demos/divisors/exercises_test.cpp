#include "divisors/core/exercises.h"
#include "kit/core/number_input.h"

#include <gtest/gtest.h>
#include <set>

using namespace divisors;

namespace {

// A wrong answer of the same form as the expected one, for each kind.
std::string wrongAnswer(const kit::Exercise& e) {
    if (e.kind == "factorise")
        return e.expectedAnswer + " * 2";
    if (e.kind == "divisor-list")
        return e.expectedAnswer.substr(e.expectedAnswer.find(',') + 1);
    if (e.kind == "coprime")
        return e.expectedAnswer == "yes" ? "no" : "yes";
    if (e.kind == "bezout") {
        const auto pair = kit::parseIntegerList(e.expectedAnswer).value();
        return mpz_class(pair[0] + 1).get_str() + ", " + pair[1].get_str();
    }
    return mpz_class(kit::parseInteger(e.expectedAnswer).value() + 1).get_str();
}

} // namespace

TEST(DivisorExercises, EveryKindOverManySeedsIsWellDefinedAndChecksItsOwnAnswer) {
    const auto kinds = exerciseKinds();
    ASSERT_GE(kinds.size(), 3u);
    for (const auto& kind : kinds) {
        std::set<std::string> prompts;
        for (kit::Seed seed = 0; seed < 300; ++seed) {
            const kit::Exercise e = kind.generate(seed * 7919 + 11);
            const std::string where = kind.id + " seed " + std::to_string(seed);
            ASSERT_EQ(e.kind, kind.id) << where;
            EXPECT_FALSE(e.prompt.empty()) << where;
            EXPECT_FALSE(e.answerHint.empty()) << where;
            EXPECT_GE(e.solutionSteps.size(), 2u) << where;
            EXPECT_LE(e.expectedAnswer.size(), 60u) << where << ": " << e.expectedAnswer;
            const kit::Verdict right = e.check(e.expectedAnswer);
            EXPECT_TRUE(right.correct)
                << where << ": " << e.expectedAnswer << " -> " << right.message;
            const std::string wrong = wrongAnswer(e);
            EXPECT_FALSE(e.check(wrong).correct) << where << ": " << wrong;
            EXPECT_FALSE(e.check("").correct) << where;
            EXPECT_FALSE(e.check("((").correct) << where;
            EXPECT_FALSE(e.check(std::string(400, '9')).correct) << where;
            prompts.insert(e.prompt);
        }
        EXPECT_GT(prompts.size(), 40u) << kind.id << " varies with the seed";
    }
}

TEST(DivisorExercises, TheSameSeedGivesTheSameExercise) {
    for (const auto& kind : exerciseKinds()) {
        const auto a = kind.generate(424242), b = kind.generate(424242);
        EXPECT_EQ(a.prompt, b.prompt) << kind.id;
        EXPECT_EQ(a.expectedAnswer, b.expectedAnswer) << kind.id;
        EXPECT_EQ(a.solutionSteps, b.solutionSteps) << kind.id;
    }
}

TEST(DivisorExercises, BezoutAcceptsEveryCorrectPairAndShowsWhatAWrongOneGives) {
    const auto check = expectBezoutPair(252, 198);
    EXPECT_TRUE(check("4, -5").correct);
    EXPECT_TRUE(check("15, -19").correct) << "4 + 11, -5 - 14";
    EXPECT_TRUE(check("-7 9").correct);
    EXPECT_EQ(check("1, 1").message, "252 \u00b7 1 + 198 \u00b7 1 = 450, not 18");
    EXPECT_EQ(check("4").message, "type two numbers x and y, separated by a comma");
}

TEST(DivisorExercises, WorkedSolutionsShowTheMethod) {
    const auto gcd = gcdExercise(1);
    EXPECT_NE(gcd.solutionSteps[1].find(" = "), std::string::npos) << "a = q b + r lines";
    EXPECT_NE(gcd.solutionSteps.back().find(gcd.expectedAnswer), std::string::npos);
    const auto count = divisorCountExercise(1);
    EXPECT_NE(count.solutionSteps[2].find("("), std::string::npos) << "(e + 1) factors";
    const auto factorise = factorizeExercise(1);
    EXPECT_NE(factorise.solutionSteps[1].find("&divide;"), std::string::npos);
}
