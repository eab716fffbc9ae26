#include "journal/core/duration_text.h"

namespace journal {

std::string hoursAndMinutes(long long minutes) {
    const bool negative = minutes < 0;
    const unsigned long long size = negative ? 0ULL - static_cast<unsigned long long>(minutes)
                                             : static_cast<unsigned long long>(minutes);
    const unsigned long long hours = size / 60, rest = size % 60;
    std::string text = negative ? "-" : "";
    if (hours == 0)
        return text + std::to_string(rest) + " min";
    return text + std::to_string(hours) + " h " + (rest < 10 ? "0" : "") + std::to_string(rest) +
           " min";
}

} // namespace journal
