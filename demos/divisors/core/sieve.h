#pragma once

#include <vector>

namespace divisors {

// The sieve of Eratosthenes as a sequence of steps for the animation: each step takes the
// next number not crossed out (a prime p) and crosses out its multiples from p*p on.
inline constexpr int largestSieve = 1000;

struct SieveStep {
    int prime = 0;
    std::vector<int> crossed; // multiples of prime crossed out in this step (not crossed before)
};

class Sieve {
  public:
    explicit Sieve(int limit); // limit is clamped to [2, largestSieve]

    int limit() const { return limit_; }
    // Steps for every prime p with p * p <= limit; the primes above sqrt(limit) need none.
    const std::vector<SieveStep>& steps() const { return steps_; }
    std::vector<int> primes() const;
    bool isCrossedOut(int k) const { return k < 2 || crossedAt_[static_cast<std::size_t>(k)] >= 0; }
    // The step that crossed k out (-1 when k is prime).
    int crossedAtStep(int k) const { return crossedAt_[static_cast<std::size_t>(k)]; }

  private:
    int limit_;
    std::vector<SieveStep> steps_;
    std::vector<int> crossedAt_;
};

} // namespace divisors
