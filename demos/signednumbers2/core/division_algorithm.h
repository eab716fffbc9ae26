#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace signednumbers2 {

// The division algorithm: for integers a and b != 0 there are unique integers q and r with
// a = q &middot; b + r and 0 <= r < |b|.
struct DivisionWithRemainder {
    mpz_class quotient;
    mpz_class remainder;
    std::vector<std::string> steps; // how q and r are found, for a learner
};

// b != 0 (throws std::invalid_argument otherwise).
DivisionWithRemainder divideWithRemainder(const mpz_class& a, const mpz_class& b);

} // namespace signednumbers2
