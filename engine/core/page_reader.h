#pragma once

#include "engine/core/lesson_state.h"

#include <string_view>

namespace engine {

// Number of texts in a record of each layout.
inline constexpr int textLinesPerPage = 17;
inline constexpr int speechLinesPerPage = 10;

// Reads the zero-terminated text at state.contentCursor and moves the cursor past it.
// Past the end of the content it reads empty texts and leaves the cursor at the end.
std::string readStoredText(std::string_view content, LessonState& state);

// Text lines 1..17 into pageLines and the following 10 into speechLines; pageLines 18 is
// kept. speechLineCount becomes the number of non-empty speech lines.
void readTextPage(std::string_view content, LessonState& state);

// Text lines 1..17 and the answer letter into pageLines 1..18; the speech lines and their
// count are kept (question Pages never show the tutor).
void readQuestionPage(std::string_view content, LessonState& state);

} // namespace engine
