#include "kit/core/bounded_work.h"

namespace kit {

bool WorkBudget::spend(std::uint64_t n) {
    if (exhausted_ || n > remaining_) {
        remaining_ = 0;
        exhausted_ = true;
        return false;
    }
    remaining_ -= n;
    return true;
}

} // namespace kit
