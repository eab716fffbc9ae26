#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace menu {

inline constexpr int farewellTipCount = 9;
inline constexpr std::string_view farewellTitle = "Orvo the Tamlex";

// The study tips shown when the learner leaves the menu, in Windows-1252; lines are broken
// by single carriage returns and an empty line is two of them.
const std::array<std::string, farewellTipCount>& farewellTips();

// A uniform random integer from `low` to `high`, both included.
using UniformIntegers = std::function<int(int low, int high)>;

// Which tip to show: every one of the nine equally likely.
int chooseFarewellTip(const UniformIntegers& random);

} // namespace menu
