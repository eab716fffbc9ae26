#pragma once

#include <gmpxx.h>
#include <string>
#include <vector>

namespace divisors {

// One line of the Euclidean algorithm: a = q * b + r with 0 <= r < b.
struct EuclidLine {
    mpz_class a, b, q, r;
    // Bezout coefficients of the remainder r: r = s * (first a) + t * (first b).
    mpz_class s, t;
};

struct EuclidRun {
    mpz_class a, b;                // the numbers given (non-negative)
    std::vector<EuclidLine> lines; // empty when b = 0
    mpz_class gcd;
    mpz_class x, y; // gcd = x * a + y * b
};

// gcd(a, b) for a, b >= 0, not both 0, line by line with the extended coefficients.
EuclidRun euclid(const mpz_class& a, const mpz_class& b);

mpz_class leastCommonMultiple(const mpz_class& a, const mpz_class& b);

// "84 = 2 &middot; 36 + 12"
std::string lineText(const EuclidLine& line, bool html);

} // namespace divisors
