#pragma once

#include "decimals/core/root_approximation.h"

#include <gmpxx.h>

#include <vector>

namespace decimals {

// Zooming into the number line around x: at level k the window is the interval of length
// 10^-k with decimal ends that contains x, [floor(x·10^k)/10^k, that + 10^-k]. Each window is
// one tenth of the one before and lies inside it: nested intervals that close in on x, whose
// left ends are x's decimal expansion cut off after k places.
std::vector<Interval> decimalZoom(const mpq_class& x, int levels);

// The same for √n, whose digits come from the integer square root (√n is not a fraction).
std::vector<Interval> squareRootZoom(const mpz_class& n, int levels);

} // namespace decimals
