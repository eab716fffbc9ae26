#pragma once

#include "kit/core/expression_input.h"

#include <string>
#include <vector>

namespace areas {

enum class SumRule { Left, Right, Midpoint, Trapezoid, Simpson };

inline constexpr int maxPieces = 1000;

// One piece [x0, x1] of a sum with the heights it uses: f at both ends and at the middle.
struct SumPiece {
    double x0 = 0, x1 = 0;
    double left = 0, middle = 0, right = 0;
};

// The sum of n equal pieces of [a, b] by a rule: rectangles with the height at the left end,
// the right end or the middle, trapezoids, or Simpson's parabolas through the ends and the
// middle of each piece, (h/6)(f(x₀) + 4f(m) + f(x₁)).
struct RiemannSum {
    std::string error;
    double value = 0;
    std::vector<SumPiece> pieces;
};

RiemannSum riemannSum(const kit::Expression& f, double a, double b, int n, SumRule rule);
// All five rules in the order of SumRule from one sampling of f (2n + 1 values).
std::vector<RiemannSum> everyRule(const kit::Expression& f, double a, double b, int n);

const char* ruleName(SumRule rule); // "left sum", "Simpson's rule", ...

// The contribution of one piece by the rule.
double pieceArea(const SumPiece& piece, SumRule rule);

} // namespace areas
