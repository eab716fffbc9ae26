#pragma once

#include "transformkit/core/exact_point.h"

#include <string>

namespace transformkit {

// (x, y) -> (a·x + b·y + e, c·x + d·y + f) with rational coefficients: every translation,
// reflection in a line with rational coefficients, rotation through a multiple of 90° and
// dilation with a rational factor is one of these, and so are their compositions.
struct AffineMap {
    mpq_class a = 1, b = 0, c = 0, d = 1;
    mpq_class e = 0, f = 0;
    bool operator==(const AffineMap&) const = default;

    ExactPoint apply(const ExactPoint& p) const;
    mpq_class determinant() const { return a * d - b * c; }
    bool isIdentity() const { return *this == AffineMap{}; }
};

// First `first`, then `second`.
AffineMap composed(const AffineMap& first, const AffineMap& second);

// "(x, y) → (x + 3, y − 2)", "(x, y) → ((3x + 4y − 8)/5, (4x − 3y + 16)/5)".
std::string ruleText(const AffineMap& map);

// One coordinate's formula: "x + 3", "−y", "(3x + 4y − 8)/5".
std::string formulaText(const mpq_class& cx, const mpq_class& cy, const mpq_class& constant);

} // namespace transformkit
