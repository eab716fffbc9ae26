#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the system started, wrapping at 2^32 like the system's tick counter.
// Seeds the random numbers of the menu and the door game so that every run differs.
std::uint32_t millisecondTickCount();

} // namespace platform
