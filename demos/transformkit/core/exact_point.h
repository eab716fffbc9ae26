#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>
#include <string>
#include <string_view>

namespace transformkit {

// A point (or a vector) of the plane with rational coordinates.
struct ExactPoint {
    mpq_class x;
    mpq_class y;
    bool operator==(const ExactPoint&) const = default;
};

ExactPoint operator+(const ExactPoint& p, const ExactPoint& q);
ExactPoint operator-(const ExactPoint& p, const ExactPoint& q);
ExactPoint operator*(const mpq_class& k, const ExactPoint& p);

mpq_class distanceSquared(const ExactPoint& p, const ExactPoint& q);

// A rational as the learner writes it: "3", "-5/2".
std::string numberText(const mpq_class& value);
// "(3, -5/2)", the form a typed answer takes.
std::string pointText(const ExactPoint& p);
// The same with the printed minus sign U+2212, for the page: "−5/2", "(3, −5/2)".
std::string displayNumber(const mpq_class& value);
std::string displayPoint(const ExactPoint& p);
// A decimal rounded to at most two places, trailing zeros dropped: "1.73", "−0.5", "4".
std::string roundedText(double value);
// The square root of a non-negative rational, simplified where the square factors are small:
// "5", "2√3", "√10/2"; large values fall back to a decimal.
std::string rootText(const mpq_class& square);

// "(3, -2)", "3, -2", "( 1/2 ; 4 )": two rationals, brackets optional, separated by a comma
// or a semicolon. The minus sign U+2212 is read as '-'.
kit::Parsed<ExactPoint> parsePoint(std::string_view text);

} // namespace transformkit
