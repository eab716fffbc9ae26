#pragma once

namespace platform {

// Milliseconds of a clock that never jumps with the system time.
double monotonicMilliseconds();

} // namespace platform
