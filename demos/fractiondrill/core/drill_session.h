#pragma once

#include "kit/core/exercise.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fractiondrill {

// How one drill exercise went.
struct DrillResult {
    std::string kindTitle;
    std::string prompt;
    std::string typed; // what the learner typed; empty when skipped
    std::string expectedAnswer;
    bool correct = false;
    std::int64_t milliseconds = 0; // from showing the exercise to answering it
};

struct DrillSummary {
    int total = 0;
    int correct = 0;
    std::int64_t totalMilliseconds = 0;
    std::vector<DrillResult> results;
};

// A drill: a chosen number of exercises from the chosen kinds, each answered once (the first
// answer counts, as on a test), timed from the moment it is shown. The clock is read by the
// caller and passed in, so the session itself never waits or reads a clock.
class DrillSession {
  public:
    static constexpr int minimumCount = 1;
    static constexpr int maximumCount = 50;

    // count is clamped to [minimumCount, maximumCount]; kinds must not be empty.
    DrillSession(std::vector<kit::ExerciseKind> kinds, int count, kit::Seed seed);

    void start(std::int64_t nowMilliseconds);
    bool finished() const;
    int position() const; // 0-based index of the current exercise
    int count() const;
    const kit::Exercise& current() const;

    // Checks the typed answer, records it and moves on to the next exercise.
    kit::Verdict answer(std::string_view typed, std::int64_t nowMilliseconds);
    void skip(std::int64_t nowMilliseconds);

    DrillSummary summary() const;

  private:
    void record(std::string typed, bool correct, std::int64_t nowMilliseconds);
    void showNext(std::int64_t nowMilliseconds);

    std::vector<kit::ExerciseKind> kinds_;
    int count_;
    kit::Seed seed_;
    kit::Exercise current_;
    std::int64_t shownAt_ = 0;
    std::vector<DrillResult> results_;
};

// "4 of 5 correct (80%) in 1 min 05 s, 13.0 s per exercise"
std::string summaryText(const DrillSummary& summary);
// "1 min 05 s", "42 s", "0 s"
std::string durationText(std::int64_t milliseconds);

} // namespace fractiondrill
