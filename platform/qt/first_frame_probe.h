#pragma once

#include <functional>

class QWidget;

namespace platform {

// The start-up benchmark's probe. Only when the environment variable
// COURSE_FIRST_FRAME_PROBE is set: once the first top-level window has been painted (and
// put on the screen), the program prints "first-frame <nanoseconds>" with the system's
// monotonic clock on standard output and ends at once, writing nothing else. Without the
// variable nothing changes. Call it once the application object exists.
void installFirstFrameProbe();

// A window shown before the one the benchmark waits for (the menu's welcome picture). When
// the probe is on, once this window has been painted, "lead-in <nanoseconds>" is printed
// and `pass` is called to move on, and the window's frame does not count as the first.
// Without the variable it does nothing.
void passThroughFirstFrameProbe(QWidget& window, std::function<void()> pass);

// The variable's name, for the benchmark that sets it.
inline constexpr const char* firstFrameProbeVariable = "COURSE_FIRST_FRAME_PROBE";

} // namespace platform
