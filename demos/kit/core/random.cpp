#include "kit/core/random.h"

#include <utility>

namespace kit {

Random::Random(Seed seed) : engine_(seed) {}

std::uint64_t Random::next() {
    return engine_();
}

std::int64_t Random::between(std::int64_t lo, std::int64_t hi) {
    if (lo > hi)
        std::swap(lo, hi);
    const auto span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo);
    if (span == UINT64_MAX)
        return static_cast<std::int64_t>(next());
    const std::uint64_t count = span + 1;
    // Rejection keeps every value equally likely: draws in the incomplete top block are redrawn.
    const std::uint64_t limit = UINT64_MAX - (UINT64_MAX % count);
    std::uint64_t draw = next();
    while (draw >= limit)
        draw = next();
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) + draw % count);
}

bool Random::chance(double p) {
    const double unit = static_cast<double>(next() >> 11) * 0x1.0p-53;
    return unit < p;
}

} // namespace kit
