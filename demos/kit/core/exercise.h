#pragma once

#include "kit/core/random.h"
#include "kit/core/verdict.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kit {

// One generated task with its checker and its worked solution.
struct Exercise {
    std::string kind;           // id of the ExerciseKind that made it
    std::string prompt;         // simple HTML allowed
    std::string answerHint;     // e.g. "a fraction a/b", "an integer", shown under the field
    std::string expectedAnswer; // the answer as the solution writes it
    std::function<Verdict(std::string_view typed)> check; // never throws
    std::vector<std::string> solutionSteps;               // worked solution, one step per entry
};

// An exercise put together from its parts, in the order the struct lists them.
inline Exercise makeExercise(std::string kind, std::string prompt, std::string answerHint,
                             std::string expectedAnswer,
                             std::function<Verdict(std::string_view typed)> check,
                             std::vector<std::string> solutionSteps) {
    Exercise e;
    e.kind = std::move(kind);
    e.prompt = std::move(prompt);
    e.answerHint = std::move(answerHint);
    e.expectedAnswer = std::move(expectedAnswer);
    e.check = std::move(check);
    e.solutionSteps = std::move(solutionSteps);
    return e;
}

// A family of exercises; generate is deterministic in the seed and never makes an exercise
// whose answer is undefined or absurdly large.
struct ExerciseKind {
    std::string id;    // "gcd-euclid"
    std::string title; // "Greatest common factor"
    std::function<Exercise(Seed)> generate;
};

} // namespace kit
