#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>
#include <string>
#include <string_view>
#include <vector>

namespace arrows {

// A vector from the origin with exact rational components (two or three of them).
using ExactVector = std::vector<mpq_class>;

ExactVector add(const ExactVector& a, const ExactVector& b);
ExactVector subtract(const ExactVector& a, const ExactVector& b);
ExactVector scale(const mpq_class& s, const ExactVector& a);
// s·a + t·b
ExactVector combine(const mpq_class& s, const ExactVector& a, const mpq_class& t,
                    const ExactVector& b);
mpq_class dot(const ExactVector& a, const ExactVector& b);
mpq_class lengthSquared(const ExactVector& a);
bool isZero(const ExactVector& a);
// (a·b / b·b) b; b must not be the zero vector.
ExactVector projection(const ExactVector& a, const ExactVector& onto);
// Three components each.
ExactVector cross(const ExactVector& a, const ExactVector& b);
// a·b as a sum of products, "3·1 + (-2)·4 = -5" without the result.
std::string dotWorking(const ExactVector& a, const ExactVector& b);
// The 2×2 determinant a₁b₂ − a₂b₁ of two plane vectors: zero when they are parallel.
mpq_class determinant(const ExactVector& a, const ExactVector& b);

// "(3, -3/2)"
std::string vectorText(const ExactVector& a);
// "-3/2", and a negative number in brackets for products: "(-3/2)".
std::string rationalText(const mpq_class& q);
std::string bracketedText(const mpq_class& q);

// "(3, -1/2)", "3, -1/2", "<3; 0.5>" or "3 -1/2": components as rationals; dimension is the
// number the answer must have (a clear message for a different count).
kit::Parsed<ExactVector> parseVector(std::string_view text, std::size_t dimension);

} // namespace arrows
