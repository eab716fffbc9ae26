#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace signednumbers {

// Results and powers larger than this are refused: "too large for this demonstration".
inline constexpr std::size_t largestResultDigits = 400;

// A typed integer expression evaluated one operation at a time in the order of operations:
// grouping (parentheses and absolute-value bars) first, then powers, then multiplication and
// division from the left, then addition and subtraction from the left.
// Typed form: integers, + - * / ^, the signs x, ·, ÷ and −, ( ), | |.
struct EvaluationTrace {
    std::vector<std::string> lines; // the whole expression after each step (HTML); typed form first
    std::vector<std::string> reasons; // reasons[i] explains the step from lines[i] to lines[i + 1]
    std::optional<mpz_class> value;
    std::string error; // why there is no value, with the place for typing errors
};

EvaluationTrace evaluateStepByStep(std::string_view text);

// Only the value, or the error.
kit::Parsed<mpz_class> evaluateInteger(std::string_view text);

} // namespace signednumbers
