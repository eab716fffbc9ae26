#pragma once

#include "kit/core/exercise.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace extras {

inline constexpr int subtestCount = 3;

// The practice subtests under the menu's own names for its three Sections.
inline constexpr std::array<std::string_view, subtestCount> subtestTitles{
    "Subtest I: Algebra; Number Theory",
    "Subtest II: Geometry; Probability and Statistics",
    "Subtest III: Calculus; History of Mathematics",
};

// One topic of a subtest: the exercise families of the demonstrations that practise it (none
// for a topic asked from the bank only) and the program a learner weak in it should study.
struct ExamTopic {
    std::string id;           // "number-theory", also the bank's topic key
    std::string title;        // "Number theory"
    int subtest = 0;          // 0, 1 or 2
    std::string studyProgram; // "divisors" (staged program name)
    std::string studyAdvice;  // what to open: "numbertheory lessons, divisors"
    std::vector<kit::ExerciseKind> generators;
};

// Every topic of the three subtests, in the order the score report lists them.
const std::vector<ExamTopic>& examTopics();

// The topics of one subtest, in report order.
std::vector<const ExamTopic*> topicsOfSubtest(int subtest);

// The topic with this id, or nullptr.
const ExamTopic* findTopic(std::string_view id);

} // namespace extras
