#pragma once

#include <cstdint>
#include <functional>

#include "doorgame/core/door_game_state.h"
#include "doorgame/core/ranrot_generator.h"

namespace doorgame {

// The three-door game: the computer hides money behind one door, opens a donkey door after
// the player's pick and settles the game on the player's final click. Every change of the
// state is followed by a call of `redrawGame`.
class DoorGame {
  public:
    DoorGame(std::uint32_t seed, std::function<void()> redrawGame);

    // "Pick a door." under the doors, then the first game.
    void start();

    // A click on the button of door 1..3; other numbers are ignored.
    void clickDoor(int door);

    const DoorGameState& state() const { return state_; }

  private:
    void newGame();
    void pick(int door);
    void hostOpensDoor();
    void settle(int door);
    void openAllDoors();
    int drawFromOneTo(int n);

    RanrotGenerator random_;
    std::function<void()> redrawGame_;
    DoorGameState state_;
};

} // namespace doorgame
