#pragma once

#include "kit/core/expression_input.h"

#include <string_view>

namespace continuity {

// The point a that x approaches, typed exactly: "2", "-1/3", "pi/2", "sqrt(2)". Refused with
// the kit's reason when it cannot be read, and when it is not one real number.
kit::Parsed<kit::Expression> parsePoint(std::string_view text);

// The point's value as a double (parsePoint made sure it has one).
double pointValue(const kit::Expression& a);

} // namespace continuity
