#include "kit/core/answer_checks.h"

#include <gtest/gtest.h>

using namespace kit;

TEST(RationalCheck, EquivalentFormsCountWhereTheExerciseAllowsThem) {
    const auto check = expectRational(mpq_class(3, 4), FractionForm::AnyEquivalent);
    for (const char* typed : {"3/4", "6/8", "0.75", " 75/100 ", ".75"}) {
        const Verdict verdict = check(typed);
        EXPECT_TRUE(verdict.correct) << typed;
        EXPECT_EQ(verdict.message, "Correct.");
    }
    EXPECT_FALSE(check("4/3").correct);
    EXPECT_FALSE(check("-3/4").correct);
    EXPECT_FALSE(check("0.7").correct);
}

TEST(RationalCheck, LowestTermsRefusesUnreducedAndDecimalFormsWithTheReason) {
    const auto check = expectRational(mpq_class(6, 8), FractionForm::LowestTerms);
    EXPECT_TRUE(check("3/4").correct);
    const Verdict unreduced = check("6/8");
    EXPECT_FALSE(unreduced.correct);
    EXPECT_EQ(unreduced.message, "6/8 is right but not in lowest terms");
    const Verdict decimal = check("0.75");
    EXPECT_FALSE(decimal.correct);
    EXPECT_EQ(decimal.message, "0.75 is right, but write it as a fraction in lowest terms");

    const auto mixed = expectRational(mpq_class(7, 4), FractionForm::LowestTerms);
    EXPECT_TRUE(mixed("7/4").correct);
    EXPECT_TRUE(mixed("1 3/4").correct);
    EXPECT_FALSE(mixed("1 6/8").correct);
    EXPECT_FALSE(mixed("14/8").correct);
}

TEST(RationalCheck, GarbledInputGivesTheParserMessage) {
    const auto check = expectRational(mpq_class(1, 2), FractionForm::AnyEquivalent);
    EXPECT_EQ(check("1/0").correct, false);
    EXPECT_NE(check("1/0").message.find("is 0"), std::string::npos);
    EXPECT_EQ(check("1/2)").message, "unexpected ')' at 4");
    EXPECT_FALSE(check(std::string(500, '1')).correct);
}

TEST(IntegerCheck, NamesNonIntegersAndAcceptsOnlyTheValue) {
    const auto check = expectInteger(12);
    EXPECT_TRUE(check(" 12").correct);
    EXPECT_TRUE(check("+12").correct);
    EXPECT_FALSE(check("13").correct);
    EXPECT_EQ(check("3.5").message, "expected an integer, got \"3.5\"");
    EXPECT_EQ(check("24/2").message, "expected an integer, got \"24/2\"");
    EXPECT_EQ(check("twelve").message, "unexpected 't' at 1");
}

TEST(IntegerListCheck, UnorderedComparesAsCollectionsOrderedSaysWhenOnlyTheOrderIsWrong) {
    const auto unordered = expectIntegerList({1, 2, 3, 6}, false);
    EXPECT_TRUE(unordered("6, 3, 2, 1").correct);
    EXPECT_FALSE(unordered("1, 2, 3").correct);
    EXPECT_EQ(unordered("1, 2, 3").message, "expected 4 numbers, got 3");
    EXPECT_FALSE(unordered("1, 2, 2, 6").correct);

    const auto ordered = expectIntegerList({2, 2, 3}, true);
    EXPECT_TRUE(ordered("2 2 3").correct);
    EXPECT_EQ(ordered("3 2 2").message, "The right numbers, but not in the right order.");
    EXPECT_FALSE(ordered("2 3 3").correct);
}

TEST(ChoiceCheck, IgnoresCaseAndSpaces) {
    const auto check = expectChoice({"Yes", "y"});
    EXPECT_TRUE(check("  yes ").correct);
    EXPECT_TRUE(check("Y").correct);
    EXPECT_FALSE(check("no").correct);
    EXPECT_FALSE(check("").correct);
}
