#include "menu/core/tick_seeded_random.h"

#include <chrono>

namespace menu {

std::uint32_t millisecondTickCount() {
    // The steady clock counts from system start on the platforms we ship for.
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart);
    return static_cast<std::uint32_t>(milliseconds.count());
}

int TickSeededRandom::operator()(int low, int high) {
    if (!generator_)
        generator_.emplace(seed_ ? *seed_ : millisecondTickCount());
    return std::uniform_int_distribution<int>(low, high)(*generator_);
}

} // namespace menu
