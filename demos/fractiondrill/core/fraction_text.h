#pragma once

#include <gmpxx.h>

#include <string>

namespace fractiondrill {

// A rational written as a whole part and a proper fraction: -2 1/3 is negative, whole 2, 1/3.
struct MixedNumber {
    bool negative = false;
    mpz_class whole;
    mpz_class numerator;
    mpz_class denominator = 1;
};

MixedNumber toMixed(const mpq_class& value);

// "3/4", "-3/4", "2" (the value in lowest terms).
std::string fractionText(const mpq_class& value);
// "1 3/4", "-2 1/3", "3", "3/4".
std::string mixedText(const mpq_class& value);
// The fraction drawn with a raised numerator and lowered denominator for rich text.
std::string fractionHtml(const mpq_class& value);
// The fraction a/b exactly as written, without reducing it ("6/8").
std::string unreducedText(const mpz_class& numerator, const mpz_class& denominator);

} // namespace fractiondrill
