#pragma once

#include "kit/core/expression_input.h"

#include <optional>
#include <string>

namespace areas {

// An antiderivative F of f (F′ = f) found by the rules a learner uses: linearity, the power
// rule (polynomials expanded first), the standard integrals of sin, cos, tan, exp, ln, sinh,
// cosh, 1/(x² + c²) and 1/√(c² − x²), a linear inner function ax + b (divide by a), and the
// substitution u = g(x) where f = c·h(g(x))·g′(x), and integration by parts for a polynomial
// times exp, sin, cos, sinh or cosh of ax + b. The result is checked by differentiating it.
// nullopt when none of the rules applies.
struct FoundAntiderivative {
    kit::Expression F;
    std::string rule; // "power rule", "substitution u = x^2 + 1", ...
};

std::optional<FoundAntiderivative> antiderivative(const kit::Expression& f);

} // namespace areas
