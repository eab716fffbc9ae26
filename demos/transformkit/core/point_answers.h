#pragma once

#include "transformkit/core/exact_point.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

#include <string>
#include <vector>

namespace transformkit {

// A wrong answer a learner is likely to give, with what went wrong.
struct KnownMistake {
    ExactPoint answer;
    std::string message;
};

// A typed point (or vector) compared exactly; a known mistake is named, otherwise the verdict
// says which coordinate is wrong.
kit::AnswerCheck expectPoint(ExactPoint expected, std::vector<KnownMistake> mistakes = {});

// A typed angle in degrees; any angle that is the same turn (differs by 360°) is taken, within
// one turn either way. A known mistake (clockwise for anticlockwise) is named.
kit::AnswerCheck expectDegrees(int expected,
                               std::vector<std::pair<int, std::string>> mistakes = {});

// Integer coordinates in [−range, range].
ExactPoint randomPoint(kit::Random& random, int range);
// A point different from every point of avoid.
ExactPoint randomPointAvoiding(kit::Random& random, int range,
                               const std::vector<ExactPoint>& avoid);

// "<b>P</b>(3, −2)" for prompts and solutions.
std::string namedPoint(const std::string& name, const ExactPoint& p);

} // namespace transformkit
