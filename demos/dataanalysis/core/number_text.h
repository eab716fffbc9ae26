#pragma once

#include <gmpxx.h>

#include <string>

namespace dataanalysis {

// Numbers as the course writes them: "3.5", "-0.25", "7" (trailing zeros dropped, "&minus;"
// not used so that the text can be typed back).
std::string decimalText(double value, int places);
std::string decimalText(const mpq_class& value, int places);
// "7", "-3/4"
std::string fractionText(const mpq_class& value);
// "37/4 = 9.25" or just "9" for a whole number; the decimal rounded to `places`.
std::string exactText(const mpq_class& value, int places = 4);
// "0.0123", "< 0.0001"
std::string pValueText(double p);

} // namespace dataanalysis
