#include "menu/core/tick_seeded_random.h"

#include "platform/clock/tick_count.h"

namespace menu {

int TickSeededRandom::operator()(int low, int high) {
    if (!generator_)
        generator_.emplace(seed_ ? *seed_ : platform::millisecondTickCount());
    return std::uniform_int_distribution<int>(low, high)(*generator_);
}

} // namespace menu
