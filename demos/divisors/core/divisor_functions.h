#pragma once

#include "divisors/core/factorization.h"

#include <gmpxx.h>
#include <vector>

namespace divisors {

// Every divisor of the factorised number, smallest first; at most `limit` of them (the
// smallest), so that a number with a hundred thousand divisors stays quick to show.
std::vector<mpz_class> listDivisors(const Factorization& f, std::size_t limit = SIZE_MAX);

// The number of divisors, (e1 + 1)(e2 + 1)..., and their sum, the product of
// (p^(e+1) - 1)/(p - 1).
mpz_class divisorCount(const Factorization& f);
mpz_class divisorSum(const Factorization& f);

// Divisor pairs a * b = n with a <= b, from the sorted divisor list.
struct DivisorPair {
    mpz_class small, large;
};
std::vector<DivisorPair> divisorPairs(const mpz_class& n, const std::vector<mpz_class>& sorted);

} // namespace divisors
