#pragma once

#include <array>
#include <string>
#include <vector>

#include "doorgame/core/door_game_state.h"

namespace doorgame {

// One line of white text; (x, y) is its top-left corner. An empty line draws nothing.
struct TextLine {
    int x = 0;
    int y = 0;
    std::string text;
};

// A door's push button and the picture on its face, drawn unscaled and centred.
struct DoorButtonFace {
    int controlNumber = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int pictureNumber = 0;
};

// Everything one redraw puts on the window: the background's text, then the three buttons.
struct GameScreen {
    std::vector<TextLine> lines;
    std::array<DoorButtonFace, doorCount> buttons;
};

GameScreen describeGameScreen(const DoorGameState& state);

} // namespace doorgame
