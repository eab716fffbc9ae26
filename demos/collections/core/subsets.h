#pragma once

#include "collections/core/roster.h"

#include <gmpxx.h>
#include <string>
#include <utility>
#include <vector>

namespace collections {

// The largest set whose power set is listed in full (2^8 = 256 subsets).
inline constexpr std::size_t largestListedPowerSet = 8;

// Every subset of s, smallest first and, within one size, in the order of the elements.
std::vector<Elements> powerSet(const Elements& s);

// The number of subsets with k elements of a set with n elements: n choose k.
mpz_class subsetsOfSize(unsigned long n, unsigned long k);

// Every ordered pair (a, b) with a in A and b in B, by the first element, then the second.
std::vector<std::pair<long, long>> cartesianProduct(const Elements& a, const Elements& b);

// "(1, 4)"
std::string pairText(const std::pair<long, long>& pair);

// Whether every element of `part` is in `whole`.
bool isSubset(const Elements& part, const Elements& whole);

} // namespace collections
