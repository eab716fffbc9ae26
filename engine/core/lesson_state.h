#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace engine {

// The program-wide state of a lesson program: one instance lives for the whole run.
struct LessonState {
    int currentPage = 0; // 0: the start screen
    int currentLesson = 0;
    int lessonCount = 1;
    int stepButtonCount = 0;
    std::string feedback;                    // "Correct", "Wrong" or empty
    std::array<std::string, 19> pageLines;   // 1..18 used; 18 is a question's answer letter
    std::array<std::string, 11> speechLines; // 1..10 used
    int speechLineCount = 0;
    std::size_t contentCursor = 0; // start of the next string in the stored content
    double studyStartTime = 0;     // milliseconds of the monotonic clock
    bool lessonChosen = false;
    bool tutorShown = false;
};

} // namespace engine
