#include "counting/core/divisibility_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace {

using namespace counting;

TEST(DivisibilityRules, DigitRulesAgreeWithDivisionForSmallNumbers) {
    for (long n = 0; n <= 30000; ++n) {
        for (int d : ruleDivisors()) {
            const RuleCheck check = applyDivisibilityRule(n, d);
            ASSERT_EQ(check.divides, n % d == 0) << n << " by " << d;
        }
    }
}

TEST(DivisibilityRules, DigitRulesAgreeWithDivisionForSixtyDigitNumbers) {
    std::mt19937_64 random(12);
    for (int i = 0; i < 2000; ++i) {
        std::string digits(60, '0');
        for (char& c : digits)
            c = static_cast<char>('0' + random() % 10);
        digits[0] = '9';
        const mpz_class n(digits);
        for (int d : ruleDivisors())
            ASSERT_EQ(applyDivisibilityRule(n, d).divides,
                      mpz_divisible_ui_p(n.get_mpz_t(), static_cast<unsigned long>(d)) != 0)
                << digits << " by " << d;
    }
}

TEST(DivisibilityRules, EachRuleShowsItsReasonAndWork) {
    for (int d : ruleDivisors()) {
        const RuleCheck check = applyDivisibilityRule(mpz_class("918082"), d);
        EXPECT_FALSE(check.rule.empty());
        EXPECT_FALSE(check.reason.empty());
        ASSERT_FALSE(check.work.empty());
        EXPECT_NE(check.work.back().find(check.divides ? "is divisible" : "is not divisible"),
                  std::string::npos)
            << d;
    }
    const RuleCheck eleven = applyDivisibilityRule(mpz_class("918082"), 11);
    EXPECT_TRUE(eleven.divides);
    EXPECT_NE(eleven.work.front().find("= &minus;22"), std::string::npos) << eleven.work.front();
    EXPECT_THROW(applyDivisibilityRule(100, 7), std::invalid_argument);
}

} // namespace
