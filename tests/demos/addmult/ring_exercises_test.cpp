// The rings program's exercises over many seeds: each is the same for the same seed, its
// expected answer passes its own checker, and wrong or badly typed answers are refused with a
// reason.
#include "addmult/core/element_set_check.h"
#include "addmult/core/ring_exercises.h"

#include <gtest/gtest.h>

using namespace addmult;

TEST(RingExercises, EveryKindIsRepeatableAndAcceptsItsOwnAnswer) {
    const auto kinds = exerciseKinds();
    ASSERT_GE(kinds.size(), 3u);
    for (const auto& kind : kinds)
        for (kit::Seed seed = 0; seed < 300; ++seed) {
            const kit::Exercise e = kind.generate(seed);
            EXPECT_EQ(e.kind, kind.id);
            EXPECT_FALSE(e.prompt.empty());
            EXPECT_GE(e.solutionSteps.size(), 2u) << kind.id;
            EXPECT_EQ(kind.generate(seed).prompt, e.prompt);
            EXPECT_EQ(kind.generate(seed).expectedAnswer, e.expectedAnswer);
            const kit::Verdict right = e.check(e.expectedAnswer);
            EXPECT_TRUE(right.correct) << kind.id << " " << seed << ": " << e.prompt << " -> "
                                       << e.expectedAnswer << ": " << right.message;
            EXPECT_NE(e.solutionSteps.back().find(e.expectedAnswer), std::string::npos)
                << kind.id << ": the last step states the answer";
            for (const char* bad : {"", "banana", "1/2", "99999999999999999999", "((("})
                EXPECT_FALSE(e.check(bad).correct) << kind.id << " took \"" << bad << "\"";
        }
}

TEST(RingExercises, ArithmeticIsTheRemainderAndCongruentAnswersArePointedOut) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = arithmeticExercise(seed);
        const int answer = std::stoi(e.expectedAnswer);
        const auto at = e.prompt.find("Z<sub>") + 6;
        const int n = std::stoi(e.prompt.substr(at));
        ASSERT_GE(answer, 0);
        ASSERT_LT(answer, n);
        const kit::Verdict congruent = e.check(std::to_string(answer + n));
        EXPECT_FALSE(congruent.correct);
        EXPECT_NE(congruent.message.find("congruent"), std::string::npos);
        EXPECT_FALSE(e.check(std::to_string((answer + 1) % n)).correct);
    }
}

TEST(RingExercises, ListsAreCheckedAsSetsOfElements) {
    const auto check = expectElementSet({1, 5, 7, 11}, 12);
    EXPECT_TRUE(check("11, 7, 5, 1").correct);
    EXPECT_TRUE(check("1 5 7 11").correct);
    EXPECT_EQ(check("1, 5, 7").message,
              "Some are missing. Not correct yet. Try again, or show the solution step by step.");
    EXPECT_NE(check("1, 5, 7, 11, 3").message.find("3 does not belong"), std::string::npos);
    EXPECT_EQ(check("1, 5, 7, 13").message, "13 is not an element of Z_12: use 0 to 11");
    EXPECT_EQ(check("1, 1, 5, 7, 11").message, "an element is typed twice: list each one once");
    EXPECT_FALSE(check("none").correct);
    EXPECT_NE(check("1, five").message.find("(type the numbers separated by commas, or none)"),
              std::string::npos);
    const auto empty = expectElementSet({}, 7);
    EXPECT_TRUE(empty("none").correct);
    EXPECT_TRUE(empty(" None ").correct);
    EXPECT_FALSE(empty("0").correct);
}

TEST(RingExercises, ZeroDivisorExercisesIncludePrimesWhoseAnswerIsNone) {
    bool sawNone = false, sawSome = false;
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = zeroDivisorsExercise(seed);
        (e.expectedAnswer == "none" ? sawNone : sawSome) = true;
    }
    EXPECT_TRUE(sawNone);
    EXPECT_TRUE(sawSome);
}

TEST(RingExercises, MatrixProductsWantTheEntriesInOrder) {
    for (kit::Seed seed = 0; seed < 100; ++seed) {
        const kit::Exercise e = matrixProductExercise(seed);
        std::string reversed(e.expectedAnswer.rbegin(), e.expectedAnswer.rend());
        if (reversed != e.expectedAnswer) {
            EXPECT_FALSE(e.check(reversed).correct) << e.prompt;
        }
        EXPECT_FALSE(e.check("1 0 0").correct);
    }
}
