#pragma once

#include <string>

namespace journal {

// Minutes as hours and minutes: 0 is "0 min", 45 is "45 min", 60 is "1 h 00 min", 125 is
// "2 h 05 min". A negative total (a garbled file that the lesson programs count as negative)
// keeps its sign: -65 is "-1 h 05 min".
std::string hoursAndMinutes(long long minutes);

} // namespace journal
