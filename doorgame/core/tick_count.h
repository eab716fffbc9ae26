#pragma once

#include <cstdint>

namespace doorgame {

// Milliseconds since the system started, wrapping at 2^32 like the system's tick counter.
// Seeds the door game's generator so that every run plays a different sequence.
std::uint32_t millisecondTickCount();

} // namespace doorgame
