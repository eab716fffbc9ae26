#pragma once

#include "equations/core/polynomial.h"

#include <optional>
#include <string>
#include <vector>

namespace equations {

// The rational root theorem: a root p/q in lowest terms of a polynomial with integer
// coefficients has p dividing the constant term and q dividing the leading coefficient.
struct RootCandidates {
    Polynomial integral; // the polynomial scaled to integer coefficients, x^k divided out
    int powersOfX = 0;   // how often x itself divides (0 is then a root)
    std::vector<mpq_class> candidates; // every +-p/q, smallest first
};
// nullopt when the constant term or the leading coefficient is too large to list divisors of.
std::optional<RootCandidates> rationalRootCandidates(const Polynomial& p);

// Synthetic division of p by (x - r): the bottom row of Horner's scheme, highest power first;
// its last entry is p(r).
std::vector<mpq_class> syntheticDivision(const Polynomial& p, const mpq_class& r);

} // namespace equations
