#pragma once

#include "engine/core/lesson_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A place in a lesson program as a saved-place file holds it.
struct SavedPlace {
    int page = 0;
    int lesson = 0;
    int stepButtonCount = 0;
};

// Four lines, each a decimal integer and CR LF: a reserved 0, the Page, the lesson and the
// number of step buttons.
std::string formatSavedPlace(const LessonState& state);

// The place in a saved-place file; nothing when the file is garbled (a line missing or not
// a number). The reserved first line is read and ignored.
std::optional<SavedPlace> parseSavedPlace(std::string_view text);

// The chosen file name with the program's extension appended unless it already ends with
// it, compared without regard to case.
std::string withExtension(const std::string& fileName, const std::string& extension);

} // namespace engine
