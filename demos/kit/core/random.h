#pragma once

#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

namespace kit {

using Seed = std::uint64_t;

// Exercise generators draw from this: the same seed gives the same sequence with every
// compiler and standard library, because the ranges are cut from the raw 64-bit output
// here rather than by the library's distributions (whose algorithms differ).
class Random {
  public:
    explicit Random(Seed seed);

    // Uniform in [lo, hi], both included; lo > hi is swapped.
    std::int64_t between(std::int64_t lo, std::int64_t hi);
    // True with probability p (p <= 0 never, p >= 1 always).
    bool chance(double p);

    template <class T> const T& pick(const std::vector<T>& items) {
        if (items.empty())
            throw std::invalid_argument("Random::pick from an empty list");
        const auto last = static_cast<std::int64_t>(items.size()) - 1;
        return items[static_cast<std::size_t>(between(0, last))];
    }

    std::uint64_t next();

  private:
    std::mt19937_64 engine_;
};

} // namespace kit
