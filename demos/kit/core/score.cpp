#include "kit/core/score.h"

namespace kit {

void Score::record(bool correct) {
    ++attempted_;
    if (correct)
        ++correct_;
}

std::string Score::text() const {
    return "Score: " + std::to_string(correct_) + " of " + std::to_string(attempted_);
}

void Score::reset() {
    correct_ = 0;
    attempted_ = 0;
}

} // namespace kit
