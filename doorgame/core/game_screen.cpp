#include "doorgame/core/game_screen.h"

#include "doorgame/core/game_layout.h"
#include "doorgame/core/game_texts.h"

namespace doorgame {

namespace {

int explanationLineY(int index) {
    return index == 0 ? layout::explanationFirstY
                      : layout::explanationSecondY + (index - 1) * layout::lineSpacing;
}

void addBlocks(std::vector<TextLine>& lines) {
    const auto& explanation = explanationLines();
    for (int i = 0; i < explanationLineCount; ++i)
        lines.push_back({layout::blockX, explanationLineY(i), std::string(explanation[i])});
    const auto& instructions = instructionLines();
    for (int i = 0; i < instructionLineCount; ++i)
        lines.push_back({layout::blockX, layout::instructionsFirstY + i * layout::lineSpacing,
                         std::string(instructions[i])});
}

void addMessages(std::vector<TextLine>& lines, const DoorGameState& state) {
    lines.push_back({layout::messageX, layout::statusLineY, state.statusLine});
    lines.push_back({layout::messageX, layout::stayLineY, state.stayLine});
    lines.push_back({layout::messageX, layout::switchLineY, state.switchLine});
}

} // namespace

GameScreen describeGameScreen(const DoorGameState& state) {
    GameScreen screen;
    addBlocks(screen.lines);
    addMessages(screen.lines, state);
    for (int door = 1; door <= doorCount; ++door) {
        screen.buttons[door - 1] = {layout::firstDoorButtonNumber + door - 1,
                                    layout::firstDoorButtonX + (door - 1) * layout::doorButtonStep,
                                    layout::doorButtonY,
                                    layout::doorButtonSize,
                                    layout::doorButtonSize,
                                    state.pictureOf(door)};
    }
    return screen;
}

} // namespace doorgame
