#include "engine/core/study_time.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine {

int minutesOfRun(double startMilliseconds, double nowMilliseconds) {
    const double minutes = (nowMilliseconds - startMilliseconds) / 1000.0 / 60.0;
    if (!(minutes > 0))
        return 0;
    // nearbyint rounds in the default mode: to nearest, halves to even.
    const double rounded = std::nearbyint(minutes);
    return rounded > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                     : static_cast<int>(rounded);
}

std::string_view firstLine(std::string_view text) {
    return text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
}

int parseStudyTotal(std::string_view line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0;
    bool negative = false;
    if (line[i] == '-' || line[i] == '+')
        negative = line[i++] == '-';
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max();
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        value = std::min(limit + 1, value * 10 + (line[i] - '0'));
    if (negative)
        return static_cast<int>(-std::min(value, limit + 1));
    return static_cast<int>(std::min(value, limit));
}

std::string formatStudyTotal(long long total) {
    return std::to_string(total);
}

} // namespace engine
