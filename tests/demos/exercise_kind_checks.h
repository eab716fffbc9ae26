#pragma once

#include "kit/core/exercise.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

// Checks every demonstration's exercise kinds share: over many seeds an exercise is well
// formed, its own expected answer passes its checker, the wrong answers the test names are
// refused, typed garbage is refused without throwing, and the same seed gives the same exercise.
namespace exercise_checks {

inline std::vector<std::string> garbageAnswers() {
    return {"",
            "   ",
            "abc",
            "1/0",
            "((",
            "3/",
            "/4",
            "--2",
            "1e9999",
            "0x1F",
            "½",
            "\xff\xfe",
            std::string(300, '7'),
            std::string(100, '9') + "/7",
            "nan",
            "inf",
            "1,,2",
            "i i",
            "2..5",
            ")("};
}

using WrongAnswers = std::function<std::vector<std::string>(const kit::Exercise&)>;

inline void checkKindOverSeeds(const kit::ExerciseKind& kind, int seeds,
                               const WrongAnswers& wrongAnswers) {
    std::set<std::string> prompts;
    for (int seed = 0; seed < seeds; ++seed) {
        const kit::Exercise exercise = kind.generate(static_cast<kit::Seed>(seed));
        SCOPED_TRACE(kind.id + " seed " + std::to_string(seed) + ": " + exercise.prompt);
        EXPECT_EQ(exercise.kind, kind.id);
        EXPECT_FALSE(exercise.prompt.empty());
        EXPECT_FALSE(exercise.answerHint.empty());
        EXPECT_FALSE(exercise.expectedAnswer.empty());
        EXPECT_GE(exercise.solutionSteps.size(), 2u);
        ASSERT_TRUE(exercise.check);
        const kit::Verdict own = exercise.check(exercise.expectedAnswer);
        EXPECT_TRUE(own.correct) << exercise.expectedAnswer << ": " << own.message;
        for (const std::string& wrong : wrongAnswers(exercise)) {
            const kit::Verdict verdict = exercise.check(wrong);
            EXPECT_FALSE(verdict.correct) << "accepted " << wrong;
            EXPECT_FALSE(verdict.message.empty());
        }
        for (const std::string& garbage : garbageAnswers()) {
            kit::Verdict verdict;
            EXPECT_NO_THROW(verdict = exercise.check(garbage)) << garbage;
            EXPECT_FALSE(verdict.correct) << "accepted garbage " << garbage;
        }
        EXPECT_EQ(kind.generate(static_cast<kit::Seed>(seed)).prompt, exercise.prompt);
        prompts.insert(exercise.prompt);
    }
    // A kind that repeats itself teaches nothing: many seeds give many different exercises.
    EXPECT_GE(prompts.size(), static_cast<std::size_t>(seeds) / 10) << kind.id;
}

// checkKindOverSeeds for every kind of a demonstration, each over the same number of seeds.
inline void checkEveryKindOverSeeds(const std::vector<kit::ExerciseKind>& kinds, int seeds,
                                    const WrongAnswers& wrongAnswers) {
    for (const kit::ExerciseKind& kind : kinds)
        checkKindOverSeeds(kind, seeds, wrongAnswers);
}

} // namespace exercise_checks
