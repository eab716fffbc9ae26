#pragma once

#include "gridpoints/core/coordinates.h"

#include "kit/core/answer_checks.h"
#include "kit/core/parse_result.h"

#include <array>
#include <gmpxx.h>
#include <string_view>

namespace gridpoints {

// A polynomial in x and y of degree at most 2: the coefficients of 1, x, y, x², xy, y².
struct Quadratic {
    std::array<mpq_class, 6> c;
    bool operator==(const Quadratic&) const = default;
    int degree() const;
};

// An equation typed by the learner, moved to one side: left − right. Accepts "y = 2x - 3",
// "2x - y = 3", "y - 1 = 2(x - 3)", "(x - 2)^2 + (y + 1)^2 = 25", "x² + y² - 4x = 5"; the
// signs − and ·, and ² for ^2. Terms of degree more than 2 are refused.
struct TypedEquation {
    Quadratic left;
    Quadratic right;
    Quadratic difference() const;
};
kit::Parsed<TypedEquation> parseEquation(std::string_view text);

Quadratic lineQuadratic(const Line& line); // a·x + b·y − c
Quadratic circleQuadratic(const ExactPoint& centre, const mpq_class& radiusSquared);

// True when p = λ·q for a number λ ≠ 0: the two equations have the same points.
bool sameEquation(const Quadratic& p, const Quadratic& q);

enum class LineForm { Any, SlopeIntercept };
// A typed line equal to the expected one; SlopeIntercept wants "y = mx + b" (or "x = k" for a
// vertical line) and says so when an equivalent equation is in another form.
kit::AnswerCheck expectLine(const Line& expected, LineForm form);
kit::AnswerCheck expectCircle(const ExactPoint& centre, const mpq_class& radiusSquared);
// A typed point equal to the expected one, coordinate by coordinate.
kit::AnswerCheck expectPoint(const ExactPoint& expected);

} // namespace gridpoints
