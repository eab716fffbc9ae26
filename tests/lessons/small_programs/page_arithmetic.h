#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace small_programs {

// The arithmetic a Page states in words and numbers, read the way a learner reads it:
// numbers (with the exponents ² and ³), "x", "×" or "*", "/", "+", "-", parentheses and "=".
// Everything else (words, letters, decimals, "gcf(" ...) ends an expression.

struct ArithmeticCheck {
    int checkedEquations = 0;
    std::vector<std::string> wrongEquations; // "100 = 1 x 60 + 41 (100 is not 101)"
};

// Every equality between two complete numeric expressions in a Windows-1252 text line,
// such as "24 = 2 x 2 x 2 x 3 = 2³ x 3" (two equalities); sides that are only part of a
// longer expression ("m + 2 = ...") are not checked.
ArithmeticCheck checkArithmetic(std::string_view line);

// The value of the numeric expression that `text` begins with, up to the first "=" or
// the first word that is no part of it; nothing when there is none.
std::optional<double> leadingValue(std::string_view text);

} // namespace small_programs
