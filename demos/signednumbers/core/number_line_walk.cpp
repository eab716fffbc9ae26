#include "signednumbers/core/number_line_walk.h"

#include "signednumbers/core/integer_text.h"

#include <cstdlib>

namespace signednumbers {
namespace {

std::string stepsWord(long count) {
    return count == 1 ? "1 step" : std::to_string(count) + " steps";
}

void describeMove(NumberLineWalk& walk, const std::string& added) {
    if (walk.move > 0)
        walk.explanation.push_back("Adding " + added + " means " + stepsWord(walk.move) +
                                   " to the right.");
    else if (walk.move < 0)
        walk.explanation.push_back("Adding " + added + " means " + stepsWord(-walk.move) +
                                   " to the left.");
    else
        walk.explanation.push_back("Adding 0 means staying where you are.");
}

} // namespace

NumberLineWalk additionWalk(long a, long b) {
    NumberLineWalk walk{a, b, a + b, {}};
    walk.explanation.push_back("Start at " + integerHtml(a) + ".");
    describeMove(walk, integerHtml(b));
    walk.explanation.push_back("You land on " + integerHtml(walk.end) + ": " + integerHtml(a) +
                               " + " + operandHtml(b) + " = " + integerHtml(walk.end) + ".");
    return walk;
}

NumberLineWalk subtractionWalk(long a, long b) {
    NumberLineWalk walk{a, -b, a - b, {}};
    walk.explanation.push_back(
        "Subtracting " + operandHtml(b) + " is adding its opposite: " + integerHtml(a) +
        " &minus; " + operandHtml(b) + " = " + integerHtml(a) + " + " + operandHtml(-b) + ".");
    walk.explanation.push_back("Start at " + integerHtml(a) + ".");
    describeMove(walk, operandHtml(-b));
    walk.explanation.push_back("You land on " + integerHtml(walk.end) + ": " + integerHtml(a) +
                               " &minus; " + operandHtml(b) + " = " + integerHtml(walk.end) + ".");
    return walk;
}

} // namespace signednumbers
