#pragma once

#include "kit/core/expression_input.h"

#include <optional>
#include <utility>
#include <vector>

namespace areas {

// The area function A(x) = ∫ₐˣ f(t) dt, sampled across [left, right] from the start a outwards
// (a fixed 10-point Gauss rule on each step, so the samples are cumulative sums). Samples stop
// where f is undefined or has a pole, since A is not defined beyond them.
std::vector<std::pair<double, double>> areaFunctionSamples(const kit::Expression& f, double a,
                                                           double left, double right, int steps);

// A(x) by adaptive quadrature; nullopt where the integral from a to x is not proper.
std::optional<double> areaUpTo(const kit::Expression& f, double a, double x);

// The slope of A at x by the central difference (A(x + h) − A(x − h))/2h: the fundamental
// theorem says it is f(x).
std::optional<double> areaSlope(const kit::Expression& f, double a, double x, double h);

} // namespace areas
