#pragma once

#include "kit/core/bounded_work.h"

#include <gmpxx.h>

#include <string>
#include <vector>

namespace decimals {

// One step of the long division behind the decimal point: 10·r = digit·q + next.
struct DivisionStep {
    mpz_class remainder;
    unsigned digit = 0;
    mpz_class nextRemainder;
};

// p/q = ±integerPart.preperiod(period), the period repeating for ever (empty when the decimal
// ends). complete is false when the budget ran out before the period closed; steps then holds
// the digits found so far.
struct DecimalExpansion {
    bool negative = false;
    mpz_class integerPart;
    std::string preperiod;
    std::string period;
    std::vector<DivisionStep> steps;
    bool complete = true;
};

// The decimal expansion of p/q (q non-zero) by long division, one budget step per digit. A
// remainder that comes back means the digits from its first appearance repeat for ever, and a
// remainder must come back within |q| steps since only 0..|q|-1 are possible.
DecimalExpansion longDivision(const mpz_class& p, const mpz_class& q, kit::WorkBudget& budget);

// "0.1(6)", "-2.(142857)", "0.375", "3"; an incomplete expansion ends in "...".
std::string expansionText(const DecimalExpansion& expansion);

} // namespace decimals
