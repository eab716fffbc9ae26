#pragma once

#include "kit/core/expression_input.h"

#include <optional>
#include <vector>

namespace slopes {

// The slope of the secant through (a, f(a)) and (a + h, f(a + h)): (f(a + h) − f(a))/h.
std::optional<double> secantSlope(const kit::Expression& f, double a, double h);

struct QuotientRow {
    double h = 0;
    std::optional<double> value;    // f(a + h)
    std::optional<double> quotient; // (f(a + h) − f(a))/h
};

// The difference quotients for h = ±1, ±0.1, ... ±10^-(rows-1): from the right when h > 0,
// from the left when negative; they approach f′(a) where f is differentiable.
std::vector<QuotientRow> quotientTable(const kit::Expression& f, double a, int rows, bool left);

} // namespace slopes
