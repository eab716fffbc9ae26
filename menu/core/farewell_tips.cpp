#include "menu/core/farewell_tips.h"

namespace menu {

const std::array<std::string, farewellTipCount>& farewellTips() {
    static const std::array<std::string, farewellTipCount> tips{
        "A little bit each day (20 minutes) is better than a lot all at once and then skipping "
        "days.",

        "Stay relaxed, confident, and remind yourself that you are well-prepared and are going "
        "to do well. If you feel anxious, take a few slow, deep breaths and relax your "
        "shoulders. A calm mind reads each question clearly and remembers what it has "
        "practised.",

        "Answer questions in a strategic order:\r"
        "First answer easy questions to build confidence, score points and save time for the "
        "rest.\r"
        "Then difficult questions: come back to them once the easy ones are done, and give each "
        "one a fair share of the time that is left.",

        "Review:\r"
        "Resist the urge to leave as soon as you have answered the last question. Use the time "
        "that is left to read your answers again and to make sure that you have answered every "
        "question.",

        "Do not 'second-guess' yourself and change your original answers. Your first choice is "
        "usually the result of the knowledge you built up while you studied, and it is right "
        "more often than not. Change an answer only when you are sure you misread the question, "
        "or when a later question reminds you of a fact that shows your first answer was "
        "wrong.",

        "Strategy to answer difficult questions:\r"
        "\r"
        "Echo options:\r"
        "When two options are nearly the same, one of them is often the right answer.\r"
        "\r"
        "Question options that contain negative or absolute words:\r"
        "Words such as \"never\", \"always\" and \"only\" make an option easy to prove wrong.\r"
        "\r"
        "Look alike options:\r"
        "When options look alike, find the one detail that sets each of them apart.\r"
        "\r"
        "Eliminate options you know to be incorrect.\r"
        "\r"
        "Question options that grammatically don't fit with the stem.",

        "Study Tips:\r"
        "\r"
        "Study in the Same Place:\r"
        "A desk of your own, with your books and paper at hand, tells your mind that it is time "
        "to work.\r"
        "\r"
        "Study at the Same Time:\r"
        "A fixed hour each day turns studying into a habit that needs no willpower.\r"
        "\r"
        "Cut Out All Distractions\r"
        "Switch off the radio and the television and keep the telephone out of reach while you "
        "study.\r"
        "\r"
        "Avoid Doing a Marathon:\r"
        "Short sessions with breaks in between are remembered far better than one long night "
        "before the examination.",

        "Wear a watch to the Tamlex\r"
        "\r"
        "Not every examination room has a clock you can see from your seat, and you need to "
        "know how much time is left.\r"
        "\r"
        "Check the time after every few questions, so that you can plan how long to spend on "
        "the ones that remain.",

        "Don't Dwell\r"
        "\r"
        "Don\x92t spend too much time on any one question. If a question is taking too long, "
        "mark it, move on, and come back to it when the other questions are answered.",
    };
    return tips;
}

int chooseFarewellTip(const UniformIntegers& random) {
    return random(0, farewellTipCount - 1);
}

} // namespace menu
