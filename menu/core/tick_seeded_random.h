#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace menu {

// Uniform random integers from a generator seeded when first used: from the millisecond
// tick count, so that every run differs, or from a fixed seed.
class TickSeededRandom {
  public:
    TickSeededRandom() = default;
    explicit TickSeededRandom(std::uint32_t seed) : seed_(seed) {}

    // A uniform integer from `low` to `high`, both included.
    int operator()(int low, int high);

  private:
    std::optional<std::uint32_t> seed_;
    std::optional<std::mt19937> generator_;
};

} // namespace menu
