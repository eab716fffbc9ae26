#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace doorgame {

enum class DoorContent { Donkey, Money };

// Where the game stands between two clicks.
enum class GamePhase { AwaitPick, AwaitFinal, GameOver };

// Picture numbers shown on the door buttons; door k (1..3) is closed while it shows k + 1.
inline constexpr int firstClosedDoorPicture = 2;
inline constexpr int donkeyPicture = 5;
inline constexpr int moneyPicture = 6;
inline constexpr int doorCount = 3;

constexpr int closedDoorPicture(int door) {
    return door + firstClosedDoorPicture - 1;
}

// The whole program-wide game record. Doors are numbered 1..3; the arrays hold door k at
// index k - 1. Nothing of it is saved; the counters live as long as the program runs.
struct DoorGameState {
    std::array<DoorContent, doorCount> doorContents{DoorContent::Money, DoorContent::Donkey,
                                                    DoorContent::Donkey};
    std::array<int, doorCount> doorPicture{closedDoorPicture(1), closedDoorPicture(2),
                                           closedDoorPicture(3)};
    int firstPick = 0;  // 1..3 once picked
    int finalPick = 0;  // 1..3 once the game is settled
    int openedDoor = 0; // the host's door; 0 while none is open
    std::int32_t gamesStayed = 0;
    std::int32_t winsStayed = 0;
    std::int32_t gamesSwitched = 0;
    std::int32_t winsSwitched = 0;
    std::string resultText;
    std::string statusLine; // first message line under the doors
    std::string stayLine;   // statistics without switching; empty until the first game ends
    std::string switchLine; // statistics with switching; empty until the first game ends
    GamePhase phase = GamePhase::AwaitPick;

    DoorContent contentOf(int door) const { return doorContents[door - 1]; }
    int pictureOf(int door) const { return doorPicture[door - 1]; }
};

} // namespace doorgame
