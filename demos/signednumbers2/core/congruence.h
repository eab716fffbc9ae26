#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace signednumbers2 {

inline constexpr long largestClockModulus = 24;

// The r in 0..n-1 with a &equiv; r (mod n); n > 0.
mpz_class leastResidue(const mpz_class& a, const mpz_class& n);

// a &equiv; b (mod n): n divides a - b.
bool congruent(const mpz_class& a, const mpz_class& b, const mpz_class& n);

// Why a has that residue: a = q &middot; n + r, and the walk round the clock.
std::vector<std::string> residueSteps(const mpz_class& a, const mpz_class& n);

// Whether a &equiv; b (mod n), by the difference and by the residues.
std::vector<std::string> congruenceSteps(const mpz_class& a, const mpz_class& b,
                                         const mpz_class& n);

} // namespace signednumbers2
