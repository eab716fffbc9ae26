#pragma once

#include "kit/core/parse_result.h"

#include <set>
#include <string>
#include <string_view>

namespace collections {

using Elements = std::set<long>;

// The largest element a typed roster may hold (either sign), and the most elements it may list.
inline constexpr long largestElement = 9999;
inline constexpr std::size_t largestRoster = 40;

// A roster of whole numbers as typed: "{1, 2, 3}", "1, 2, 3", "{}" or "∅". Repeated elements
// are the same element (a set lists each member once). Errors say what and where.
kit::Parsed<Elements> parseRoster(std::string_view text);

// "{1, 2, 3}", or "∅" for the empty set.
std::string rosterText(const Elements& elements);

} // namespace collections
