#pragma once

#include "addmult/core/finite_ring.h"

#include <optional>
#include <string_view>

namespace fieldsplus {

// The field of four elements 0, 1, a, a+1: polynomials over Z_2 of degree below 2, added
// term by term and multiplied modulo a^2 + a + 1 (so a^2 = a + 1). Element k has the bits of
// k as its coefficients: 2 is a, 3 is a+1.
addmult::FiniteRing fieldOfFour();

// The element a typed name stands for: "0", "1", "a", "a+1" or "1+a" (spaces and case
// ignored); nothing for anything else.
std::optional<int> fieldOfFourElement(std::string_view typed);

} // namespace fieldsplus
