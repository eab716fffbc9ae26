#pragma once

#include "kit/core/expression_input.h"

#include <optional>
#include <string>

namespace slopes {

// The tangent to y = f(x) at x = a: y = f′(a)(x − a) + f(a) = mx + b. When a is a decimal
// with at most 6 places and f(a), f′(a) come out rational, the equation is exact; otherwise
// its numbers are rounded.
struct Tangent {
    double slope = 0, intercept = 0, a = 0, value = 0;
    bool exact = false;
    std::string equationHtml; // "y = 4x &minus; 3"
};

// nullopt where f or f′ is undefined at a.
std::optional<Tangent> tangentAt(const kit::Expression& f, double a);

} // namespace slopes
