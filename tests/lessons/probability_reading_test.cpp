// The readers the probability content tests rely on, on texts written the way the lessons
// write them: what counts as a calculation and a stated number, and what does not.
#include "printed_equalities.h"
#include "probability_reading.h"

#include <gtest/gtest.h>

using namespace lesson_tests;

namespace {

std::vector<std::string> equalitiesIn(std::string_view text) {
    std::vector<std::string> out;
    for (const auto& e : printedEqualities(text))
        out.push_back(e.left + " = " + e.right + (e.holds() ? "" : " (wrong)"));
    return out;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(PrintedEqualities, ChainsOfCountsAndRoundedResults) {
    EXPECT_EQ(equalitiesIn("so n(S) = 9C3 = 84 and n(E) = 5C3 = 10, so P(E) = 10 / 84 = 0.119, or"),
              (Texts{"9C3 = 84", "5C3 = 10", "10 / 84 = 0.119"}));
    EXPECT_EQ(equalitiesIn("9! / (1! 4! 2! 2!) = 362,880 / 96 = 3780."),
              (Texts{"9! / (1! 4! 2! 2!) = 362,880 / 96", "362,880 / 96 = 3780"}));
    EXPECT_EQ(equalitiesIn("P(B | A) = 0.25 / 0.42 = 0.595 = 60%."),
              (Texts{"0.25 / 0.42 = 0.595", "0.595 = 60%"}));
    EXPECT_EQ(equalitiesIn("sigma = sqrt(0.72) = 0.8485, about"), (Texts{"sqrt(0.72) = 0.8485"}));
    EXPECT_EQ(equalitiesIn("= (-5) \xB7 37/38 + 175 \xB7 1/38 = -10/38 = -0.26"),
              (Texts{"(-5) \xB7 37/38 + 175 \xB7 1/38 = -10/38", "-10/38 = -0.26"}));
}

TEST(PrintedEqualities, WrongArithmeticAndWrongRoundingAreCaught) {
    EXPECT_EQ(equalitiesIn("0.3 x 0.5 = 0.16"), (Texts{"0.3 x 0.5 = 0.16 (wrong)"}));
    EXPECT_EQ(equalitiesIn("13C5 = 1288"), (Texts{"13C5 = 1288 (wrong)"}));
    EXPECT_EQ(equalitiesIn("10 / 84 = 0.12"), (Texts{"10 / 84 = 0.12"})) << "rounded to 2 places";
    EXPECT_EQ(equalitiesIn("10 / 84 = 0.118"), (Texts{"10 / 84 = 0.118 (wrong)"}));
    // A rounded intermediate carries its rounding on: 0.0000310 stands for 0.00003095 to
    // 0.00003105, so this product may print as 0.00099 but not as 0.00097.
    EXPECT_EQ(equalitiesIn("105 \xB7 0.0000310 \xB7 0.3025 = 0.00099"),
              (Texts{"105 \xB7 0.0000310 \xB7 0.3025 = 0.00099"}));
    EXPECT_EQ(equalitiesIn("105 \xB7 0.0000310 \xB7 0.3025 = 0.00097").size(), 1u);
    EXPECT_FALSE(printedEqualities("105 \xB7 0.0000310 \xB7 0.3025 = 0.00097")[0].holds());
}

TEST(PrintedEqualities, UnknownsWordsAndUnfinishedCalculationsAreLeftOut) {
    EXPECT_TRUE(equalitiesIn("P(2) = (7! / (5! 2!)) \xB7 0.3^2").empty()) << "P(2) is no 2";
    EXPECT_TRUE(equalitiesIn("P(at least one man) = 1 - P(no man)").empty());
    EXPECT_TRUE(equalitiesIn("mean^2 = 1.7956").empty()) << "the 2 belongs to mean^2";
    EXPECT_TRUE(equalitiesIn("0 <= P(E) <= 1").empty());
    EXPECT_TRUE(equalitiesIn("24 = 2 x 2 x 2 x 3 = 2\xB3 x 3").size() == 1) << "2 cubed is no 2";
    EXPECT_TRUE(equalitiesIn("(-3/2)(2) + 2 = -1").empty()) << "(2) continues (-3/2)";
    EXPECT_TRUE(equalitiesIn("n = 7 Number of trials, x = 2 successes").empty());
}

TEST(StatedNumbers, PercentagesFractionsRatiosAndCountsWithTheirRounding) {
    const auto numbers = statedNumbers("C. 1 in 8 or 12.5%");
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_DOUBLE_EQ(numbers[0].value, 0.125);
    EXPECT_DOUBLE_EQ(numbers[0].halfUnit, 0);
    EXPECT_DOUBLE_EQ(numbers[1].value, 0.125);
    EXPECT_DOUBLE_EQ(numbers[1].halfUnit, 0.0005);

    const auto fraction = statedNumbers("C. 1/76,904,685. Yes, age discrimination is occurring.");
    ASSERT_EQ(fraction.size(), 1u);
    EXPECT_DOUBLE_EQ(fraction[0].value, 1 / 76904685.0);

    EXPECT_TRUE(statedNumbers("B. 56%")[0].isRoundingOf(20.0 / 36));
    EXPECT_FALSE(statedNumbers("C. 65%")[0].isRoundingOf(20.0 / 36));
    EXPECT_DOUBLE_EQ(statedNumbers("A. No chance")[0].value, 0);
    EXPECT_DOUBLE_EQ(statedNumbers("D. 259,459,200")[0].value, 259459200);
}

TEST(StatedNumbers, ExponentsAndNumbersGluedToWordsAreNoStatedNumbers) {
    EXPECT_TRUE(statedNumbers("0.5^14 and n1 and the 2nd").empty());
    const auto list = statedNumbers("{3, 4, 6, 8, 9, 12}");
    EXPECT_EQ(list.size(), 6u) << "a comma and a blank separate numbers";
}

TEST(StatedNumbers, CountsInWordsOrDigits) {
    EXPECT_EQ(countAfter("A fair coin is tossed three times.", "tossed"), 3);
    EXPECT_EQ(countBefore("Two eggs are taken at random", " eggs are taken"), 2);
    EXPECT_EQ(countAfter("choose 12 of them", "choose"), 12);
    EXPECT_FALSE(countAfter("tossed many times", "tossed"));
    const auto part =
        partOfWhole("noticed that exactly half, so exactly 7 of the 14 guests", "exactly");
    ASSERT_TRUE(part);
    EXPECT_EQ(part->part, 7);
    EXPECT_EQ(part->whole, 14);
}
