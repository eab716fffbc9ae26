#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace fractiondrill {

// One line of the Euclidean algorithm: a = q·b + r.
struct EuclidLine {
    mpz_class a, b, quotient, remainder;
};

// The lines of Euclid's algorithm for gcd(|a|, |b|); the last line has remainder 0. Empty when b =
// 0.
std::vector<EuclidLine> euclidLines(const mpz_class& a, const mpz_class& b);

// The worked reduction of numerator/denominator (denominator non-zero) to lowest terms:
// the gcd found by Euclid's algorithm, then both parts divided by it.
std::vector<std::string> reductionSteps(const mpz_class& numerator, const mpz_class& denominator);

} // namespace fractiondrill
