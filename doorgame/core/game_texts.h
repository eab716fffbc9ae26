#pragma once

#include <array>
#include <string>
#include <string_view>

#include "doorgame/core/door_game_state.h"

namespace doorgame {

inline constexpr std::string_view firstGamePrompt = "Pick a door.";
inline constexpr std::string_view winText = "You win!";
inline constexpr std::string_view loseText = "You lose!";
inline constexpr std::string_view playAgainText =
    " Click a door to play again or close window to quit";

inline constexpr int explanationLineCount = 13;
inline constexpr int instructionLineCount = 7;

// The prose drawn above the doors: why staying wins 1/3 and switching 2/3. The ninth line
// is empty and separates the two paragraphs.
const std::array<std::string_view, explanationLineCount>& explanationLines();

// The prose drawn below the statistics: how to play.
const std::array<std::string_view, instructionLineCount>& instructionLines();

// The line shown once door `door` (1..3) has been picked and the host has opened a door.
std::string pickedDoorMessage(int door);

// Fills statusLine, stayLine and switchLine from resultText and the four counters.
void buildStatistics(DoorGameState& state);

} // namespace doorgame
