#pragma once

#include "divisors/core/factorization.h"
#include "kit/core/parse_result.h"
#include "kit/core/verdict.h"

#include <functional>
#include <string_view>

namespace divisors {

// A typed product of powers: "2^3 * 3 * 5", "2*2*2*3*5", "2^3 x 3 x 5", "2³·3·5" is not
// needed; "·" and "×" are accepted as times signs. Bases and exponents as typed (not merged).
struct TypedFactor {
    mpz_class base;
    unsigned long exponent = 1;
    std::size_t position = 0; // from 1
};
kit::Parsed<std::vector<TypedFactor>> parseFactorProduct(std::string_view text);

// Checker for "write n as a product of primes": every factor must be a prime and the product
// must be n; the message says which factor is not prime or what the product is instead.
std::function<kit::Verdict(std::string_view)> expectFactorization(mpz_class n);

// Largest number the explore area takes (30 digits): every number up to 10^18 factors at once,
// larger ones as far as the work budget allows.
inline constexpr std::size_t largestExploredDigits = 30;
// The number for the explore area: a whole number from 1 with at most 30 digits.
kit::Parsed<mpz_class> parseExploredNumber(std::string_view text);

} // namespace divisors
