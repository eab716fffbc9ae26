#pragma once

#include "kit/core/input_limits.h"
#include "kit/core/parse_result.h"

#include <optional>
#include <string>
#include <string_view>

namespace kit {

// Small helpers shared by the parsers of typed values.

// "unexpected 'x' at 3"; characters outside printable ASCII are named by their code.
std::string unexpectedAt(char c, std::size_t position);

// Digits without leading zeros (at least one).
std::size_t significantDigits(const std::string& digits);

// An error when the text is longer than maxInputLength or empty after trimming.
std::optional<ParseError> checkLength(std::string_view text, const char* what);

// The text in lower case with every space left out, for comparing a typed word or phrase:
// " Not Invertible" and "notinvertible" read the same.
std::string squeezedLowercase(std::string_view text);

} // namespace kit
