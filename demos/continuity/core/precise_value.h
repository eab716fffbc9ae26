#pragma once

// Only .cpp files include this: it brings in GiNaC.
#include "kit/core/ginac_access.h"

#include <optional>

namespace continuity {

// f at the exact point x, worked in 40-digit floating point (x is rounded to 40 digits
// first); nullopt where f is undefined or not real, an infinite double beyond 10^300.
std::optional<double> preciseValue(const kit::Expression& f, const GiNaC::ex& x);

} // namespace continuity
