#pragma once

#include "lesson_program.h"

namespace chances {

using namespace lesson_tests;

// The probability program: lessons/chances, its pictures' sources and
// chances_page_table.txt, read once for all tests.
const LessonProgram& program();

// The Page of that number as written in lessons/chances; nothing when it is missing.
const engine::PageSource* sourcePage(int number);

// The faults of the probability program: "chances, Page 28: message".
class Faults : public PageFaults {
  public:
    Faults() : PageFaults("chances") {}
};

} // namespace chances
