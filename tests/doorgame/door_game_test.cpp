#include "doorgame/core/door_game.h"
#include "doorgame/core/game_texts.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using doorgame::DoorContent;
using doorgame::DoorGame;
using doorgame::GamePhase;

int moneyDoor(const DoorGame& game) {
    for (int door = 1; door <= 3; ++door)
        if (game.state().contentOf(door) == DoorContent::Money)
            return door;
    return 0;
}

// The closed door that is neither the first pick nor the host's door.
int otherClosedDoor(const DoorGame& game) {
    return 6 - game.state().firstPick - game.state().openedDoor;
}

struct CountedGame {
    explicit CountedGame(std::uint32_t seed) : game(seed, [this] { ++redraws; }) { game.start(); }
    int redraws = 0;
    DoorGame game;
};

TEST(DoorGameStart, ShowsThreeClosedDoorsAndThePrompt) {
    CountedGame counted(1);
    const auto& state = counted.game.state();
    EXPECT_EQ(state.phase, GamePhase::AwaitPick);
    EXPECT_EQ(state.statusLine, "Pick a door.");
    EXPECT_EQ(state.stayLine, "");
    EXPECT_EQ(state.switchLine, "");
    EXPECT_EQ(state.doorPicture, (std::array<int, 3>{2, 3, 4}));
    EXPECT_EQ(state.openedDoor, 0);
    EXPECT_NE(moneyDoor(counted.game), 0);
    EXPECT_EQ(counted.redraws, 1);
}

TEST(DoorGameHost, NeverOpensThePickedDoorOrThePrizeDoor) {
    DoorGame game(99, [] {});
    game.start();
    for (int round = 0; round < 3000; ++round) {
        const int pick = round % 3 + 1;
        game.clickDoor(pick);
        const auto& state = game.state();
        ASSERT_EQ(state.phase, GamePhase::AwaitFinal);
        ASSERT_NE(state.openedDoor, pick);
        ASSERT_EQ(state.contentOf(state.openedDoor), DoorContent::Donkey);
        ASSERT_EQ(state.pictureOf(state.openedDoor), doorgame::donkeyPicture);
        for (int door = 1; door <= 3; ++door) {
            if (door != state.openedDoor) {
                ASSERT_EQ(state.pictureOf(door), doorgame::closedDoorPicture(door));
            }
        }
        game.clickDoor(pick);
        game.clickDoor(1);
    }
}

// When the pick holds the money, the host chooses between two donkey doors. Over 20000
// such games with seed 5 the lower of the two should be opened half the time; the share's
// standard deviation is 0.0035, so 0.02 allows nearly six of them.
TEST(DoorGameHost, OpensEitherDonkeyDoorEquallyOftenWhenThePickHoldsTheMoney) {
    DoorGame game(5, [] {});
    game.start();
    constexpr int games = 20000;
    int lowerOpened = 0;
    for (int round = 0; round < games; ++round) {
        const int prize = moneyDoor(game);
        game.clickDoor(prize);
        const int lowerOther = prize == 1 ? 2 : 1;
        const int upperOther = prize == 3 ? 2 : 3;
        const int opened = game.state().openedDoor;
        ASSERT_TRUE(opened == lowerOther || opened == upperOther);
        lowerOpened += opened == lowerOther ? 1 : 0;
        game.clickDoor(prize);
        game.clickDoor(prize);
    }
    EXPECT_NEAR(static_cast<double>(lowerOpened) / games, 0.5, 0.02);
}

TEST(DoorGamePrize, IsHiddenBehindEachDoorAboutAThirdOfTheTime) {
    DoorGame game(31337, [] {});
    game.start();
    std::array<int, 4> prizeCounts{};
    constexpr int games = 30000;
    for (int round = 0; round < games; ++round) {
        ++prizeCounts[static_cast<std::size_t>(moneyDoor(game))];
        game.clickDoor(1);
        game.clickDoor(1);
        game.clickDoor(1);
    }
    // One share's standard deviation is 0.0027; 0.015 allows more than five of them.
    for (int door = 1; door <= 3; ++door) {
        EXPECT_NEAR(static_cast<double>(prizeCounts[static_cast<std::size_t>(door)]) / games,
                    1.0 / 3.0, 0.015);
    }
}

// Always staying wins a third of the games, always switching two thirds. 30000 games of
// each with fixed seeds; a share's standard deviation is at most 0.003, the margin 0.015.
TEST(DoorGameStrategies, StayingWinsAThirdAndSwitchingTwoThirds) {
    constexpr int games = 30000;
    DoorGame stayer(11, [] {});
    stayer.start();
    DoorGame switcher(12, [] {});
    switcher.start();
    for (int round = 0; round < games; ++round) {
        const int pick = round % 3 + 1;
        stayer.clickDoor(pick);
        stayer.clickDoor(pick);
        stayer.clickDoor(pick);
        switcher.clickDoor(pick);
        switcher.clickDoor(otherClosedDoor(switcher));
        switcher.clickDoor(pick);
    }
    EXPECT_EQ(stayer.state().gamesStayed, games);
    EXPECT_EQ(stayer.state().gamesSwitched, 0);
    EXPECT_EQ(switcher.state().gamesSwitched, games);
    EXPECT_EQ(switcher.state().gamesStayed, 0);
    EXPECT_NEAR(static_cast<double>(stayer.state().winsStayed) / games, 1.0 / 3.0, 0.015);
    EXPECT_NEAR(static_cast<double>(switcher.state().winsSwitched) / games, 2.0 / 3.0, 0.015);
}

TEST(DoorGameFinalChoice, ClickOnTheOpenedDoorChangesNothing) {
    CountedGame counted(8);
    auto& game = counted.game;
    game.clickDoor(2);
    const auto before = game.state();
    const int redrawsBefore = counted.redraws;
    for (int i = 0; i < 5; ++i)
        game.clickDoor(before.openedDoor);
    const auto& after = game.state();
    EXPECT_EQ(after.phase, GamePhase::AwaitFinal);
    EXPECT_EQ(after.doorPicture, before.doorPicture);
    EXPECT_EQ(after.statusLine, before.statusLine);
    EXPECT_EQ(after.gamesStayed + after.gamesSwitched, 0);
    EXPECT_EQ(counted.redraws, redrawsBefore);
}

TEST(DoorGameFinalChoice, IgnoresClicksThatAreNoDoor) {
    CountedGame counted(8);
    for (const int notADoor : {0, 4, -1, 99})
        counted.game.clickDoor(notADoor);
    EXPECT_EQ(counted.game.state().phase, GamePhase::AwaitPick);
    EXPECT_EQ(counted.redraws, 1);
}

TEST(DoorGameTexts, PickedDoorMessagesWriteCapitalOOnlyForDoorOne) {
    const std::array<const char*, 3> expected{
        "You have picked door 1. Switch Or stay by clicking on the doors.",
        "You have picked door 2. Switch or stay by clicking on the doors.",
        "You have picked door 3. Switch or stay by clicking on the doors."};
    for (int door = 1; door <= 3; ++door) {
        DoorGame game(3, [] {});
        game.start();
        game.clickDoor(door);
        EXPECT_EQ(game.state().statusLine, expected[static_cast<std::size_t>(door - 1)]);
    }
}

TEST(DoorGameTexts, StatisticsAfterTheFirstGameWonByStaying) {
    CountedGame counted(17);
    auto& game = counted.game;
    const int prize = moneyDoor(game);
    game.clickDoor(prize);
    game.clickDoor(prize);
    const auto& state = game.state();
    EXPECT_EQ(state.phase, GamePhase::GameOver);
    EXPECT_EQ(state.resultText, "You win!");
    EXPECT_EQ(state.statusLine, "You win! Click a door to play again or close window to quit");
    EXPECT_EQ(state.stayLine, "In 1 games in which you have not switched, you have won 1 times.");
    EXPECT_EQ(state.switchLine, "In 0 games in which you have switched, you have won 0 times.");
    EXPECT_EQ(counted.redraws, 3);
}

TEST(DoorGameTexts, StatisticsAfterALostSwitch) {
    DoorGame game(23, [] {});
    game.start();
    const int prize = moneyDoor(game);
    game.clickDoor(prize);
    game.clickDoor(otherClosedDoor(game));
    const auto& state = game.state();
    EXPECT_EQ(state.statusLine, "You lose! Click a door to play again or close window to quit");
    EXPECT_EQ(state.stayLine, "In 0 games in which you have not switched, you have won 0 times.");
    EXPECT_EQ(state.switchLine, "In 1 games in which you have switched, you have won 0 times.");
}

TEST(DoorGameTexts, CountersArePlainDecimalWithASignWhenNegative) {
    doorgame::DoorGameState state;
    state.resultText = "You lose!";
    state.gamesStayed = 1234567;
    state.winsStayed = -3;
    state.gamesSwitched = 10;
    state.winsSwitched = 0;
    doorgame::buildStatistics(state);
    EXPECT_EQ(state.stayLine,
              "In 1234567 games in which you have not switched, you have won -3 times.");
    EXPECT_EQ(state.switchLine, "In 10 games in which you have switched, you have won 0 times.");
}

TEST(DoorGameSettle, OpensAllDoorsShowingMoneyAndDonkeys) {
    DoorGame game(40, [] {});
    game.start();
    const int prize = moneyDoor(game);
    const int pick = prize == 3 ? 1 : prize + 1;
    game.clickDoor(pick);
    game.clickDoor(pick);
    const auto& state = game.state();
    EXPECT_EQ(state.resultText, "You lose!");
    EXPECT_EQ(state.gamesStayed, 1);
    EXPECT_EQ(state.winsStayed, 0);
    for (int door = 1; door <= 3; ++door) {
        EXPECT_EQ(state.pictureOf(door),
                  door == prize ? doorgame::moneyPicture : doorgame::donkeyPicture);
    }
}

TEST(DoorGameNextGame, ClickAfterTheGameOnlyStartsTheNextOne) {
    CountedGame counted(64);
    auto& game = counted.game;
    game.clickDoor(3);
    game.clickDoor(3);
    const auto finished = game.state();
    game.clickDoor(2);
    const auto& state = game.state();
    EXPECT_EQ(state.phase, GamePhase::AwaitPick);
    EXPECT_EQ(state.doorPicture, (std::array<int, 3>{2, 3, 4}));
    EXPECT_EQ(state.openedDoor, 0);
    EXPECT_EQ(state.statusLine, finished.statusLine);
    EXPECT_EQ(state.stayLine, finished.stayLine);
    EXPECT_EQ(state.gamesStayed + state.gamesSwitched, 1);
    EXPECT_EQ(counted.redraws, 4);
    game.clickDoor(2);
    EXPECT_EQ(game.state().phase, GamePhase::AwaitFinal);
    EXPECT_EQ(game.state().firstPick, 2);
}

} // namespace
