#include "menu/core/subtest_windows.h"

#include "menu/core/menu_numbers.h"

#include <array>

namespace menu {
namespace {

constexpr std::array<SubtestLink, 5> subtestOneLinks{{
    {40, "Algebraic Structures", {320, 25}, "setsrelations.exe", StartMode::Wait},
    {41, "Numbers", {250, 25}, "numbersystems.exe", StartMode::Wait},
    {42, "Rings, Fields, and Matrices", {250, 25}, "ringsfields.exe", StartMode::Wait},
    {43, "Vectors", {250, 25}, "vectorlessons.exe", StartMode::Wait},
    {44, "Number Theory", {250, 25}, "numbertheory.exe", StartMode::Wait},
}};

constexpr std::array<SubtestLink, 3> subtestTwoLinks{{
    {50, "Geometry", {320, 25}, "shapes.exe", StartMode::Wait},
    {51, "Probability", {250, 25}, "chances.exe", StartMode::Wait},
    {52, "Statistics", {250, 25}, "dataanalysis.exe", StartMode::Wait},
}};

// The history program is read beside the calculus one, so the menu does not wait for it.
constexpr std::array<SubtestLink, 2> subtestThreeLinks{{
    {60, "Calculus", {180, 25}, "fluxions.exe", StartMode::Wait},
    {61, "History of Mathematics", {250, 25}, "chronicle.exe", StartMode::Detached},
}};

const std::array<SubtestWindowLayout, 3> subtestWindows{{
    {window::subtestOne,
     "Orvo the Tamlex Subtest I",
     {400, 360},
     46,
     {380, 275},
     45,
     {150, 305},
     subtestOneLinks},
    {window::subtestTwo,
     "Orvo the Tamlex Subtest II",
     {400, 240},
     54,
     {380, 170},
     53,
     {150, 200},
     subtestTwoLinks},
    {window::subtestThree,
     "Orvo the Tamlex Subtest III",
     {400, 200},
     62,
     {380, 120},
     63,
     {150, 150},
     subtestThreeLinks},
}};

} // namespace

const SubtestWindowLayout& subtestWindowForSection(int section) {
    return subtestWindows.at(static_cast<std::size_t>(section));
}

Point linkPosition(int k) {
    return {20, 45 + 50 * k};
}

MenuAction subtestControlAction(int control) {
    for (const SubtestWindowLayout& layout : subtestWindows) {
        if (control == layout.backControl)
            return CloseSubtest{layout.windowNumber};
        for (const SubtestLink& link : layout.links)
            if (link.control == control)
                return StartProgram{std::string(link.program), link.mode, true};
    }
    return Ignore{};
}

} // namespace menu
