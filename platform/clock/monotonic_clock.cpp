#include "platform/clock/monotonic_clock.h"

#include <chrono>

namespace platform {

double monotonicMilliseconds() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace platform
