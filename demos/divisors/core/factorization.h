#pragma once

#include "kit/core/bounded_work.h"

#include <gmpxx.h>
#include <optional>
#include <string>
#include <vector>

namespace divisors {

struct PrimePower {
    mpz_class prime;
    unsigned long exponent = 0;
};

// n = p1^e1 * p2^e2 * ... with p1 < p2 < ...; empty for n = 1.
using Factorization = std::vector<PrimePower>;

// Largest trial divisor before Pollard's rho takes over.
inline constexpr unsigned long trialDivisionLimit = 1000000;
// Steps a factorisation may take in the explore area. Every n up to 10^18 needs far fewer
// (Pollard's rho finds a factor p after about sqrt(p) steps, some 40 000 for p near 10^9);
// a number whose two smallest prime factors are both far larger stops with "too large for
// this demonstration" instead of freezing the window.
inline constexpr std::uint64_t factoringBudget = 1500000;

// Miller-Rabin with the first twelve primes as bases (certain below 3.3 * 10^24), plus
// GMP's own test for larger numbers.
bool isPrime(const mpz_class& n);

// Prime factorisation of n >= 1: trial division up to trialDivisionLimit, then Pollard's rho
// (Brent's cycle finding) with Miller-Rabin. nullopt when the budget runs out first.
std::optional<Factorization> factorize(const mpz_class& n, kit::WorkBudget& budget);

// "2^3 &middot; 3 &middot; 5" (html) or "2^3 * 3 * 5" (plain).
std::string factorizationText(const Factorization& f, bool html);
mpz_class product(const Factorization& f);

} // namespace divisors
