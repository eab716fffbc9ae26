#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <vector>

namespace counting {

inline constexpr int smallestBase = 2;
inline constexpr int largestBase = 16;

bool isSupportedBase(int base);

// The numeral of a natural number n in the given base, digits 0-9 then A-F.
std::string toBase(const mpz_class& n, int base);

// Reads a numeral typed in the given base ("1011", "ff", "2A"); only the base's own digits
// are allowed, at most maxIntegerDigits of them.
kit::Parsed<mpz_class> parseInBase(std::string_view text, int base);

// Repeated division by the base, one line per division: "45 = 2 · 22 + 1   digit 1".
std::vector<std::string> repeatedDivisionSteps(const mpz_class& n, int base);

// Place value, one line per digit from the left: "1·2³ = 8", and the total.
std::vector<std::string> placeValueSteps(std::string_view numeral, int base);

// The same work done as Horner's scheme: "((1·2 + 0)·2 + 1)·2 + 1".
std::vector<std::string> hornerSteps(std::string_view numeral, int base);

// "1011<sub>2</sub>"
std::string numeralHtml(std::string_view numeral, int base);

} // namespace counting
