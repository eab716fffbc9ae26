#pragma once

#include "extras/core/exam_builder.h"
#include "kit/core/verdict.h"

#include <string>
#include <vector>

namespace extras {

struct TopicScore {
    std::string topic;
    int correct = 0;
    int total = 0;
};

struct ExamScore {
    std::vector<TopicScore> topics;     // the subtest's topics that had questions, in report order
    std::vector<kit::Verdict> verdicts; // one per question: its check of the answer given
    int correct = 0;
    int total = 0;
};

// Marks every answer with its question's own check; a missing or empty answer is wrong
// ("Not answered.").
ExamScore scoreExam(const Exam& exam, const std::vector<std::string>& answers);

// Weak: fewer than three in five right (compared in whole numbers, so 3 of 5 is not weak).
bool isWeak(const TopicScore& score);

// The share right as a percentage rounded to a whole number, halves up: 2 of 3 is "67%".
std::string percentText(int correct, int total);

} // namespace extras
