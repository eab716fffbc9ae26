#pragma once

#include <array>
#include <cstdint>

namespace doorgame {

// RANROT type W: a lagged Fibonacci generator on 17 pairs of 32-bit words with rotation.
// Each draw combines two table entries ten places apart, rotates them by 19 and 27 bits
// and yields 64 random bits.
class RanrotGenerator {
  public:
    explicit RanrotGenerator(std::uint32_t seed);

    // The next 64 random bits.
    std::uint64_t next();

    // An integer uniform over 0..n inclusive; n below 0 gives 0.
    int randomUpTo(int n);

  private:
    static constexpr int tableSize = 17;
    static constexpr int secondLag = 10;

    std::array<std::array<std::uint32_t, 2>, tableSize> table_{};
    int first_ = 0;
    int second_ = secondLag;
};

// Where a 64-bit draw x falls when 0..2^64-1 is cut into `count` equal parts:
// floor(x * count / 2^64).
std::uint32_t scaleDraw(std::uint64_t x, std::uint32_t count);

} // namespace doorgame
