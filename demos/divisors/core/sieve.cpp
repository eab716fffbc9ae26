#include "divisors/core/sieve.h"

#include <algorithm>

namespace divisors {

Sieve::Sieve(int limit)
    : limit_(std::clamp(limit, 2, largestSieve)),
      crossedAt_(static_cast<std::size_t>(limit_) + 1, -1) {
    for (int p = 2; p * p <= limit_; ++p) {
        if (crossedAt_[static_cast<std::size_t>(p)] >= 0)
            continue;
        SieveStep step{p, {}};
        for (int m = p * p; m <= limit_; m += p)
            if (crossedAt_[static_cast<std::size_t>(m)] < 0) {
                crossedAt_[static_cast<std::size_t>(m)] = static_cast<int>(steps_.size());
                step.crossed.push_back(m);
            }
        steps_.push_back(std::move(step));
    }
}

std::vector<int> Sieve::primes() const {
    std::vector<int> result;
    for (int k = 2; k <= limit_; ++k)
        if (!isCrossedOut(k))
            result.push_back(k);
    return result;
}

} // namespace divisors
