#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>

namespace fractiondrill {

// A fraction in lowest terms has a finite decimal exactly when its denominator has no prime
// factor other than 2 and 5.
bool hasTerminatingDecimal(const mpq_class& value);

// The exact finite decimal ("0.375", "-2.5", "3"), or nothing when the decimal repeats.
std::optional<std::string> terminatingDecimal(const mpq_class& value);

// The power of ten the denominator must be scaled to (8 -> 1000), nothing if none exists.
std::optional<mpz_class> powerOfTenDenominator(const mpz_class& denominator);

} // namespace fractiondrill
