#pragma once

#include "platform/geometry/geometry.h"

#include <string_view>

namespace doorgame {

using platform::Rgb;

// The window's fixed look, in client-area pixels with y downwards.
namespace layout {

inline constexpr std::string_view windowTitle = "Tridora";
inline constexpr int clientWidth = 796;
inline constexpr int clientHeight = 550;

inline constexpr Rgb backgroundColour{34, 85, 136};
inline constexpr Rgb textColour{255, 255, 255};
inline constexpr std::string_view fontFace = "Arial";
inline constexpr int fontPoints = 12;

// Door k's button is the control numbered k + 1.
inline constexpr int pictureControlNumber = 1;
inline constexpr int firstDoorButtonNumber = 2;
inline constexpr int firstDoorButtonX = 280;
inline constexpr int doorButtonStep = 83;
inline constexpr int doorButtonY = 260;
inline constexpr int doorButtonSize = 80;

inline constexpr int blockX = 1;
inline constexpr int explanationFirstY = 1;
inline constexpr int explanationSecondY = 20; // every later line 20 pixels further down
inline constexpr int instructionsFirstY = 400;
inline constexpr int lineSpacing = 20;

inline constexpr int messageX = 200;
inline constexpr int statusLineY = 340;
inline constexpr int stayLineY = 360;
inline constexpr int switchLineY = 380;

} // namespace layout
} // namespace doorgame
