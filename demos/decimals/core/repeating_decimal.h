#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <vector>

namespace decimals {

// A decimal written with its repeating block in brackets: -12.3(45) is negative, integer
// digits "12", preperiod "3" and period "45" (12.3454545...).
struct RepeatingDecimal {
    bool negative = false;
    std::string integerDigits;
    std::string preperiod;
    std::string period;
};

// Reads "0.1(6)", "2.(3)", "0.25", "-1.0(142857)", "7" and ".5"; says what is wrong and where
// otherwise ("expected ')' at 6"). Longer than the kit's input limit is refused.
kit::Parsed<RepeatingDecimal> parseRepeatingDecimal(std::string_view text);

// x = I.A(B) with a = |A| and b = |B| digits: 10^(a+b)·x − 10^a·x = IAB − IA, an integer, so
// x = (IAB − IA) / (10^a·(10^b − 1)).
mpq_class toFraction(const RepeatingDecimal& decimal);

// That computation written out for the learner.
std::vector<std::string> toFractionSteps(const RepeatingDecimal& decimal);

std::string repeatingText(const RepeatingDecimal& decimal);

} // namespace decimals
