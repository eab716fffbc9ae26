#include "platform/clock/tick_count.h"

#include <chrono>

namespace platform {

std::uint32_t millisecondTickCount() {
    // The steady clock counts from system start on the platforms we ship for.
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart);
    return static_cast<std::uint32_t>(milliseconds.count());
}

} // namespace platform
