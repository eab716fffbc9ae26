#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace counting {

// The divisors that have a rule read off the decimal digits: 2, 3, 4, 5, 6, 8, 9, 10, 11.
const std::vector<int>& ruleDivisors();

// One rule applied to a natural number, worked on its decimal digits only (no long division).
struct RuleCheck {
    int divisor = 0;
    bool divides = false;
    std::string rule;              // "the last two digits form a multiple of 4"
    std::string reason;            // why the rule works: "100 = 4 &middot; 25, so ..."
    std::vector<std::string> work; // the rule applied to this number, step by step
};

// n >= 0; divisor one of ruleDivisors().
RuleCheck applyDivisibilityRule(const mpz_class& n, int divisor);

} // namespace counting
