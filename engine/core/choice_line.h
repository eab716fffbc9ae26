#pragma once

#include <string_view>

namespace engine {

// A choice line begins with exactly "A.", "B.", "C." or "D."; it is drawn indented.
inline bool isChoiceLine(std::string_view line) {
    return line.size() >= 2 && line[0] >= 'A' && line[0] <= 'D' && line[1] == '.';
}

// Only a choice line with more than those two characters gets an answer button.
inline bool hasAnswerButton(std::string_view line) {
    return line.size() > 2 && isChoiceLine(line);
}

} // namespace engine
