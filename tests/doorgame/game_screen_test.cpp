#include "doorgame/core/door_game.h"
#include "doorgame/core/game_screen.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool startsWith(const std::string& text, const std::string& beginning) {
    return text.rfind(beginning, 0) == 0;
}

// The prose blocks are content a writer edits; their line counts, the gap between the two
// paragraphs and the opening words are fixed. Pixel positions are checked on the window.
TEST(GameScreen, ProseBlocksKeepTheirShape) {
    const auto screen = doorgame::describeGameScreen(doorgame::DoorGameState{});
    ASSERT_EQ(screen.lines.size(), 13U + 7U + 3U);
    for (std::size_t i = 0; i < 13 + 7; ++i)
        EXPECT_EQ(screen.lines[i].text.empty(), i == 8) << "line " << i + 1;
    EXPECT_TRUE(startsWith(screen.lines[0].text, "The intuition of most students"));
    EXPECT_TRUE(
        startsWith(screen.lines[9].text, "Despite a very clear explanation of this paradox"));
    EXPECT_TRUE(startsWith(screen.lines[13].text, "The computer plays the role of the host."));
}

TEST(GameScreen, MessageLinesAndButtonFacesFollowTheGame) {
    doorgame::DoorGame game(9, [] {});
    game.start();
    game.clickDoor(1);
    game.clickDoor(1);
    const auto& state = game.state();
    const auto screen = doorgame::describeGameScreen(state);
    EXPECT_EQ(screen.lines[20].text, state.statusLine);
    EXPECT_EQ(screen.lines[21].text, state.stayLine);
    EXPECT_EQ(screen.lines[22].text, state.switchLine);
    EXPECT_EQ(screen.lines[21].y, 360);
    for (int door = 1; door <= 3; ++door) {
        const auto& button = screen.buttons[static_cast<std::size_t>(door - 1)];
        EXPECT_EQ(button.controlNumber, door + 1);
        EXPECT_EQ(button.pictureNumber, state.pictureOf(door));
    }
}

} // namespace
