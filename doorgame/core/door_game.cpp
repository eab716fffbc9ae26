#include "doorgame/core/door_game.h"

#include <utility>

#include "doorgame/core/game_texts.h"

namespace doorgame {

DoorGame::DoorGame(std::uint32_t seed, std::function<void()> redrawGame)
    : random_(seed), redrawGame_(std::move(redrawGame)) {}

void DoorGame::start() {
    state_.statusLine = std::string(firstGamePrompt);
    newGame();
}

void DoorGame::clickDoor(int door) {
    if (door < 1 || door > doorCount)
        return;
    switch (state_.phase) {
    case GamePhase::AwaitPick:
        pick(door);
        break;
    case GamePhase::AwaitFinal:
        if (door != state_.openedDoor)
            settle(door);
        break;
    case GamePhase::GameOver:
        newGame(); // this click only starts the game; it is no pick
        break;
    }
}

void DoorGame::newGame() {
    for (int door = 1; door <= doorCount; ++door)
        state_.doorPicture[door - 1] = closedDoorPicture(door);
    state_.openedDoor = 0;
    state_.phase = GamePhase::AwaitPick;
    redrawGame_();
    const int prizeDoor = drawFromOneTo(doorCount);
    for (int door = 1; door <= doorCount; ++door)
        state_.doorContents[door - 1] =
            door == prizeDoor ? DoorContent::Money : DoorContent::Donkey;
}

void DoorGame::pick(int door) {
    state_.firstPick = door;
    hostOpensDoor();
    state_.statusLine = pickedDoorMessage(door);
    state_.phase = GamePhase::AwaitFinal;
    redrawGame_();
}

void DoorGame::hostOpensDoor() {
    // a < b are the two doors the player did not pick.
    const int a = state_.firstPick == 1 ? 2 : 1;
    const int b = state_.firstPick == 3 ? 2 : 3;
    int candidate = drawFromOneTo(2) == 1 ? a : b;
    if (state_.contentOf(candidate) == DoorContent::Money)
        candidate = candidate == a ? b : a;
    state_.doorPicture[candidate - 1] = donkeyPicture;
    state_.openedDoor = candidate;
}

void DoorGame::settle(int door) {
    state_.finalPick = door;
    state_.resultText = std::string(loseText);
    const bool stayed = state_.finalPick == state_.firstPick;
    if (stayed)
        ++state_.gamesStayed;
    else
        ++state_.gamesSwitched;
    openAllDoors();
    if (state_.contentOf(state_.finalPick) == DoorContent::Money) {
        state_.resultText = std::string(winText);
        if (stayed)
            ++state_.winsStayed;
        else
            ++state_.winsSwitched;
    }
    buildStatistics(state_);
    state_.phase = GamePhase::GameOver;
    redrawGame_();
}

void DoorGame::openAllDoors() {
    for (int door = 1; door <= doorCount; ++door)
        state_.doorPicture[door - 1] =
            state_.contentOf(door) == DoorContent::Money ? moneyPicture : donkeyPicture;
}

int DoorGame::drawFromOneTo(int n) {
    // Draws over 0..n and throws the zeros away, so the result is uniform over 1..n.
    int r = 0;
    while (r < 1)
        r = random_.randomUpTo(n);
    return r;
}

} // namespace doorgame
