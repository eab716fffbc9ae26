#pragma once

// What every generated exercise of the number demonstrations must satisfy, checked over many
// seeds: it is complete, its own expected answer passes its checker, and it is deterministic.

#include "kit/core/exercise.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace demo_test {

inline constexpr kit::Seed seedsPerKind = 400;

inline void expectWellFormed(const kit::Exercise& exercise, const kit::ExerciseKind& kind,
                             kit::Seed seed) {
    SCOPED_TRACE(kind.id + " seed " + std::to_string(seed));
    EXPECT_EQ(exercise.kind, kind.id);
    EXPECT_FALSE(exercise.prompt.empty());
    EXPECT_FALSE(exercise.answerHint.empty());
    EXPECT_FALSE(exercise.expectedAnswer.empty());
    EXPECT_FALSE(exercise.solutionSteps.empty());
    ASSERT_TRUE(exercise.check);
    const kit::Verdict verdict = exercise.check(exercise.expectedAnswer);
    EXPECT_TRUE(verdict.correct) << exercise.prompt << " expected " << exercise.expectedAnswer
                                 << ": " << verdict.message;
    const kit::Exercise again = kind.generate(seed);
    EXPECT_EQ(again.prompt, exercise.prompt);
    EXPECT_EQ(again.expectedAnswer, exercise.expectedAnswer);
}

// Typed nonsense and empty answers are refused with a message, never accepted or thrown.
inline void expectRefusesGarbage(const kit::Exercise& exercise) {
    const std::vector<std::string> garbage{"", "   ", "xyz", "1/0", std::string(500, '9'), "((("};
    for (const std::string& typed : garbage) {
        const kit::Verdict verdict = exercise.check(typed);
        EXPECT_FALSE(verdict.correct) << exercise.prompt << " accepted \"" << typed << "\"";
        EXPECT_FALSE(verdict.message.empty());
    }
}

// Every kind of a demonstration (at least three of them) over seedsPerKind seeds: each exercise
// well formed and put to `alsoCheck`, and every fiftieth refusing typed garbage.
inline void
expectEveryKindWellFormed(const std::vector<kit::ExerciseKind>& kinds,
                          const std::function<void(const kit::Exercise&)>& alsoCheck = {}) {
    ASSERT_GE(kinds.size(), 3u);
    for (const auto& kind : kinds) {
        for (kit::Seed seed = 0; seed < seedsPerKind; ++seed) {
            const kit::Exercise exercise = kind.generate(seed);
            expectWellFormed(exercise, kind, seed);
            if (alsoCheck)
                alsoCheck(exercise);
            if (seed % 50 == 0)
                expectRefusesGarbage(exercise);
        }
    }
}

// The kind with this id among `kinds`; asking for one that is not there throws, which fails
// the test that asked.
inline const kit::ExerciseKind& kindNamed(const std::vector<kit::ExerciseKind>& kinds,
                                          const std::string& id) {
    for (const auto& kind : kinds)
        if (kind.id == id)
            return kind;
    throw std::runtime_error("no exercise kind " + id);
}

// The integers shown in an HTML text, with "&minus;" read as a minus sign.
inline std::vector<long> integersIn(std::string html) {
    html = std::regex_replace(html, std::regex("&minus;"), "-");
    html = std::regex_replace(html, std::regex("<su[bp]>\\d+</su[bp]>"), " ");
    html = std::regex_replace(html, std::regex("&[a-z]+;"), " ");
    html = std::regex_replace(html, std::regex("<[^>]*>"), " ");
    std::vector<long> numbers;
    const std::regex number("-?\\d+");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stol(it->str()));
    return numbers;
}

} // namespace demo_test
