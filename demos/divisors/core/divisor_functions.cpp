#include "divisors/core/divisor_functions.h"

#include <algorithm>

namespace divisors {

std::vector<mpz_class> listDivisors(const Factorization& f, std::size_t limit) {
    // Multiply in one prime power at a time; keep only divisors that can still be among the
    // smallest `limit` (every later product is at least as large as the one it came from).
    std::vector<mpz_class> divisors{1};
    for (const auto& entry : f) {
        std::vector<mpz_class> next;
        mpz_class power = 1;
        for (unsigned long e = 0; e <= entry.exponent; ++e) {
            for (const auto& d : divisors)
                next.push_back(d * power);
            power *= entry.prime;
        }
        std::sort(next.begin(), next.end());
        if (next.size() > limit)
            next.resize(limit);
        divisors = std::move(next);
    }
    return divisors;
}

mpz_class divisorCount(const Factorization& f) {
    mpz_class count = 1;
    for (const auto& entry : f)
        count *= entry.exponent + 1;
    return count;
}

mpz_class divisorSum(const Factorization& f) {
    mpz_class sum = 1;
    for (const auto& entry : f) {
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), entry.prime.get_mpz_t(), entry.exponent + 1);
        sum *= (power - 1) / (entry.prime - 1);
    }
    return sum;
}

std::vector<DivisorPair> divisorPairs(const mpz_class& n, const std::vector<mpz_class>& sorted) {
    std::vector<DivisorPair> pairs;
    for (const auto& d : sorted) {
        const mpz_class other = n / d;
        if (d > other)
            break;
        pairs.push_back({d, other});
    }
    return pairs;
}

} // namespace divisors
