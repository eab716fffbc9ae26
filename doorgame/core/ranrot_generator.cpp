#include "doorgame/core/ranrot_generator.h"

#include <bit>

namespace doorgame {

namespace {

constexpr std::uint32_t seedMultiplier = 2891336453U;
constexpr int firstRotation = 19;
constexpr int secondRotation = 27;
constexpr int drawsDiscardedAfterSeeding = 31;

} // namespace

RanrotGenerator::RanrotGenerator(std::uint32_t seed) {
    std::uint32_t s = seed;
    for (auto& pair : table_) {
        for (auto& word : pair) {
            s = s * seedMultiplier + 1U; // modulo 2^32 by unsigned wrap-around
            word = s;
        }
    }
    for (int i = 0; i < drawsDiscardedAfterSeeding; ++i)
        next();
}

std::uint64_t RanrotGenerator::next() {
    auto& entry = table_[first_];
    const auto& lagged = table_[second_];
    const std::uint32_t low = std::rotl(entry[0], firstRotation) + lagged[0];
    const std::uint32_t high = std::rotl(entry[1], secondRotation) + lagged[1];
    entry[0] = high;
    entry[1] = low;
    first_ = first_ == 0 ? tableSize - 1 : first_ - 1;
    second_ = second_ == 0 ? tableSize - 1 : second_ - 1;
    return (std::uint64_t{high} << 32) | low;
}

int RanrotGenerator::randomUpTo(int n) {
    if (n < 0)
        return 0;
    const auto count = static_cast<std::uint32_t>(n) + 1U;
    return static_cast<int>(scaleDraw(next(), count));
}

std::uint32_t scaleDraw(std::uint64_t x, std::uint32_t count) {
    // x * count / 2^64 in two 32-bit halves, so that no product overflows 64 bits.
    const std::uint64_t highPart = (x >> 32) * count;
    const std::uint64_t lowPart = (x & 0xFFFFFFFFULL) * count;
    return static_cast<std::uint32_t>((highPart + (lowPart >> 32)) >> 32);
}

} // namespace doorgame
