#pragma once

#include "kit/core/expression_input.h"
#include "kit/core/random.h"
#include "kit/core/verdict.h"

#include <string_view>

namespace slopes {

// Checks a typed derivative of f. It is right when the difference from f′ simplifies to 0
// (expanded and normalised); when the algebra cannot show that (trigonometric identities,
// roots), the two are compared at random points instead, and a point where they differ is
// named. "f'(x) = ..." and "y' = ..." are read as the right side alone.
kit::Verdict checkDerivative(std::string_view typed, const kit::Expression& f, kit::Seed seed = 1);

} // namespace slopes
