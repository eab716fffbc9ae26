#pragma once

#include "extras/core/exam_score.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace extras {

// One finished examination as the history keeps it.
struct Attempt {
    std::string when; // local date and time, "2026-12-08T14:05:00"
    int subtest = 0;
    std::vector<TopicScore> topics;
};

struct HistoryReading {
    std::vector<Attempt> attempts;
    std::string problem; // empty when the whole text was read; else what is wrong and where
};

// The history file: a first line "practice-examination-history 1", then one line per attempt,
// "<when> | <subtest 1-3> | <topic> <correct>/<total> ; <topic> <correct>/<total> ...".
std::string formatHistory(const std::vector<Attempt>& attempts);

// Reads the whole text or nothing: any line that is not an attempt as formatHistory writes it
// (a cut line, an unknown topic, more right than asked) makes the history damaged, and the
// problem names its line.
HistoryReading readHistory(std::string_view text);

// The share right over all topics of the attempt.
int attemptCorrect(const Attempt& attempt);
int attemptTotal(const Attempt& attempt);

} // namespace extras
