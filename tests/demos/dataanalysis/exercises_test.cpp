// The practice exercises over many seeds through the kit's shared checks, and the rounded
// decimal checker on its edges.
#include "dataanalysis/core/exercises.h"
#include "dataanalysis/core/number_text.h"
#include "kit/core/number_input.h"

#include "exercise_kind_checks.h"

#include <gtest/gtest.h>

using namespace dataanalysis;

TEST(Exercises, EveryKindOverManySeeds) {
    const auto kinds = exerciseKinds();
    EXPECT_GE(kinds.size(), 9u);
    for (const auto& kind : kinds)
        exercise_checks::checkKindOverSeeds(kind, 150, [](const kit::Exercise& e) {
            const auto value = kit::parseRational(e.expectedAnswer);
            std::vector<std::string> wrong{"12345678"};
            if (value.ok()) {
                wrong.push_back(mpq_class(value.value() + 1).get_str());
                wrong.push_back(mpq_class(value.value() - mpq_class(1, 10)).get_str());
            }
            return wrong;
        });
}

TEST(Exercises, TheChiSquareAnswerIsTheStatisticOfTheShownCounts) {
    for (kit::Seed seed = 0; seed < 50; ++seed) {
        const kit::Exercise e = chiSquareExercise(seed);
        EXPECT_NE(e.prompt.find("equally likely"), std::string::npos);
        EXPECT_TRUE(e.check(e.expectedAnswer).correct);
    }
}

TEST(RoundedAnswers, RightWhenTheyRoundToTheExactValue) {
    const auto check = expectRounded(mpq_class(19, 7), 2); // 2.714285...
    EXPECT_TRUE(check("2.71").correct);
    EXPECT_TRUE(check("19/7").correct);
    EXPECT_TRUE(check("2.714").correct);
    EXPECT_FALSE(check("2.72").correct);
    EXPECT_FALSE(check("2.7").correct);
    const kit::Verdict garbage = check("2,71");
    EXPECT_FALSE(garbage.correct);
    EXPECT_FALSE(garbage.message.empty());
    EXPECT_NE(check("2.8").message.find("2 decimal places"), std::string::npos);
}

TEST(NumberText, DecimalsRoundHalfAwayFromZeroAndDropTrailingZeros) {
    EXPECT_EQ(decimalText(mpq_class(469, 200), 2), "2.35"); // 2.345
    EXPECT_EQ(decimalText(mpq_class(-469, 200), 2), "-2.35");
    EXPECT_EQ(decimalText(mpq_class(5, 2), 3), "2.5");
    EXPECT_EQ(decimalText(mpq_class(-1, 1000), 2), "0");
    EXPECT_EQ(decimalText(0.1 + 0.2, 4), "0.3");
    EXPECT_EQ(exactText(mpq_class(37, 4)), "37/4 = 9.25");
    EXPECT_EQ(exactText(mpq_class(1, 3)), "1/3 &asymp; 0.3333");
    EXPECT_EQ(exactText(mpq_class(6)), "6");
}
