#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>

#include <string>
#include <string_view>

namespace decimals {

// x rounded to the given number of decimal places, halves away from zero (2.345 -> 2.35,
// -2.345 -> -2.35).
mpq_class roundToPlaces(const mpq_class& x, int places);

// x written with exactly places decimals after rounding: ("2.50", "-0.04", "3").
std::string fixedText(const mpq_class& x, int places);

// x = mantissa · 10^exponent with 1 <= |mantissa| < 10 (x non-zero), the mantissa rounded to
// the given number of significant figures.
struct Scientific {
    mpq_class mantissa;
    long exponent = 0;
};
Scientific toScientific(const mpq_class& x, int significantFigures);
std::string scientificHtml(const Scientific& value, int significantFigures);

// Reads "3.45e-4", "3.45E-4", "3.45 x 10^-4", "3.45*10^-4", "3.45 × 10^-4"; the mantissa is a
// decimal. Exponents beyond the kit's exponent limit are refused.
kit::Parsed<Scientific> parseScientific(std::string_view text);

} // namespace decimals
