#pragma once

#include "kit/core/expression_input.h"

#include <chrono>
#include <string>

namespace areas {

// ∫ₐᵇ f(x) dx by adaptive Gauss–Kronrod quadrature (Boost.Math, 31 points, the Gauss 15-point
// rule inside for the error estimate), with a bound on the number of evaluations and on the
// time they take.
struct NumericIntegral {
    std::string error; // non-empty: f is undefined at a node, or the work ran out
    double value = 0;
    double errorEstimate = 0;
    long evaluations = 0;
};

inline constexpr long maxEvaluations = 60000;
inline constexpr std::chrono::seconds maxSeconds{3};

NumericIntegral gaussKronrod(const kit::Expression& f, double a, double b);

// Whether f can be integrated over [a, b] as a proper integral: defined at every sample, no
// pole and no gap (found with the graphs program's curve sampler). Empty when it can,
// otherwise what is wrong: "f is not defined at x = 0 inside [−1, 1]".
std::string integrabilityProblem(const kit::Expression& f, double a, double b);

} // namespace areas
