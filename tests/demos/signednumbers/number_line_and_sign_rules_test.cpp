#include "signednumbers/core/integer_text.h"
#include "signednumbers/core/number_line_walk.h"
#include "signednumbers/core/sign_rules.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace signednumbers;

TEST(NumberLineWalk, LandsOnTheSumAndTheDifference) {
    for (long a = -25; a <= 25; ++a) {
        for (long b = -25; b <= 25; ++b) {
            const NumberLineWalk sum = additionWalk(a, b);
            ASSERT_EQ(sum.start, a);
            ASSERT_EQ(sum.start + sum.move, sum.end);
            ASSERT_EQ(sum.end, a + b);
            const NumberLineWalk difference = subtractionWalk(a, b);
            ASSERT_EQ(difference.move, -b) << "subtracting walks the opposite way";
            ASSERT_EQ(difference.end, a - b);
            EXPECT_NE(difference.explanation.back().find("= " + integerHtml(a - b) + "."),
                      std::string::npos);
        }
    }
    EXPECT_NE(additionWalk(-3, 5).explanation[1].find("5 steps to the right"), std::string::npos);
    EXPECT_NE(subtractionWalk(4, -2).explanation[2].find("2 steps to the right"),
              std::string::npos);
    EXPECT_NE(additionWalk(4, -1).explanation[1].find("1 step to the left"), std::string::npos);
}

TEST(SignRules, ProductAndQuotientFollowTheSigns) {
    for (long a = -12; a <= 12; ++a) {
        for (long b = -12; b <= 12; ++b) {
            const auto product = productReasoning(a, b);
            EXPECT_TRUE(product.back().ends_with(" = " + integerHtml(a * b) + "."));
            if (a != 0 && b != 0) {
                const bool like = (a < 0) == (b < 0);
                EXPECT_NE(product.front().find(like ? "positive" : "negative"), std::string::npos);
            }
            if (b == 0)
                continue;
            const auto quotient = quotientReasoning(a * b, b);
            EXPECT_TRUE(quotient.back().ends_with(" = " + integerHtml(a) + ".")) << quotient.back();
        }
    }
    EXPECT_THROW(quotientReasoning(5, 0), std::invalid_argument);
}

TEST(IntegerText, WritesTrueMinusSignsAndBracketsNegativeOperands) {
    EXPECT_EQ(integerHtml(-12L), "&minus;12");
    EXPECT_EQ(integerHtml(0L), "0");
    EXPECT_EQ(operandHtml(-3L), "(&minus;3)");
    EXPECT_EQ(operandHtml(3L), "3");
}

} // namespace
