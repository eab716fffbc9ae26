#include "doorgame/core/game_texts.h"

namespace doorgame {

const std::array<std::string_view, explanationLineCount>& explanationLines() {
    // One string per drawn line, kept whole so that it reads as it shows.
    // clang-format off
    static constexpr std::array<std::string_view, explanationLineCount> lines{
        "The intuition of most students says that once a donkey has been shown, the two closed",
        "doors are equally likely to hide the money, so that switching cannot matter. But your first",
        "pick hides the money with probability 1/3, and the host cannot change that: whatever you",
        "picked, he can always open another door with a donkey. So staying wins with probability 1/3.",
        "With probability 2/3 your first pick hides a donkey. Then the money is behind one of the two",
        "other doors, the host has to open the one with the donkey, and the door he leaves closed",
        "holds the money. Switching wins exactly when your first pick was wrong, and that happens",
        "with probability 2/3. Switching gives you both doors you did not pick instead of one.",
        "",
        "Despite a very clear explanation of this paradox, many people still do not believe it. See",
        "for yourself: play many games in which you always stay and many in which you always switch.",
        "Keep track of the relative frequency of wins for each strategy, that is the number of wins",
        "divided by the number of games. The more games you play, the closer they come to 1/3 and 2/3.",
    };
    // clang-format on
    return lines;
}

const std::array<std::string_view, instructionLineCount>& instructionLines() {
    // One string per drawn line, kept whole so that it reads as it shows.
    // clang-format off
    static constexpr std::array<std::string_view, instructionLineCount> lines{
        "The computer plays the role of the host. It has hidden money behind one of the three doors",
        "and a donkey behind each of the other two. Pick a door by clicking on it.",
        "The computer then opens one of the two other doors and shows you a donkey behind it.",
        "Now you may stay with your door by clicking on it again, or switch by clicking on the other",
        "closed door. Then all doors are opened and you see whether you have won the money.",
        "After each game the number of games played and the number of games won, without and with",
        "switching, are shown under the doors. Click a door to start the next game.",
    };
    // clang-format on
    return lines;
}

std::string pickedDoorMessage(int door) {
    // Door 1's message has always been written with a capital O.
    const std::string_view choice = door == 1 ? " Switch Or stay" : " Switch or stay";
    return "You have picked door " + std::to_string(door) + "." + std::string(choice) +
           " by clicking on the doors.";
}

void buildStatistics(DoorGameState& state) {
    state.statusLine = state.resultText + std::string(playAgainText);
    state.stayLine = "In " + std::to_string(state.gamesStayed) +
                     " games in which you have not switched, you have won " +
                     std::to_string(state.winsStayed) + " times.";
    state.switchLine = "In " + std::to_string(state.gamesSwitched) +
                       " games in which you have switched, you have won " +
                       std::to_string(state.winsSwitched) + " times.";
}

} // namespace doorgame
