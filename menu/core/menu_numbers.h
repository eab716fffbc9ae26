#pragma once

namespace menu {

// Windows, controls and menu commands of the menu are known by small fixed numbers; a
// control event or a menu command carries its number. Command numbers are a space of their
// own: command 42 and control 42 are different events.
namespace window {
inline constexpr int main = 0;
inline constexpr int subtestOne = 1;
inline constexpr int splash = 2;
inline constexpr int subtestTwo = 4;
inline constexpr int subtestThree = 5;
} // namespace window

namespace control {
inline constexpr int splashPicture = 0;
inline constexpr int backgroundPanel = 2;
inline constexpr int sectionList = 3;
inline constexpr int studyButton = 4;
inline constexpr int quitButton = 5;
} // namespace control

namespace command {
inline constexpr int help = 4;
inline constexpr int about = 5;
} // namespace command

// The row of sectionList when none is selected.
inline constexpr int noRowSelected = -1;

} // namespace menu
