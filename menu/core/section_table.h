#pragma once

#include "menu/core/menu_action.h"

#include <array>
#include <string_view>

namespace menu {

inline constexpr int sectionCount = 5;

// The rows of sectionList, row 0 first. Rows 0 to 2 are the three subtests.
inline constexpr std::array<std::string_view, sectionCount> sectionTexts{
    "Subtest I: Algebra; Number Theory",
    "Subtest II: Geometry; Probability and Statistics",
    "Subtest III: Calculus; History of Mathematics",
    "Bonus Material",
    "My Study Diary",
};

// What studyButton does with row `row` selected (noRowSelected: nothing).
MenuAction sectionAction(int row);

} // namespace menu
