#include "engine/core/page_reader.h"

#include <algorithm>

namespace engine {

std::string readStoredText(std::string_view content, LessonState& state) {
    if (state.contentCursor >= content.size()) {
        state.contentCursor = content.size();
        return {};
    }
    const std::string_view rest = content.substr(state.contentCursor);
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    state.contentCursor += std::min(end + 1, rest.size());
    return std::string(rest.substr(0, end));
}

void readTextPage(std::string_view content, LessonState& state) {
    for (int i = 1; i <= textLinesPerPage; ++i)
        state.pageLines[static_cast<std::size_t>(i)] = readStoredText(content, state);
    state.speechLineCount = 0;
    for (int i = 1; i <= speechLinesPerPage; ++i) {
        auto& line = state.speechLines[static_cast<std::size_t>(i)];
        line = readStoredText(content, state);
        if (!line.empty())
            ++state.speechLineCount;
    }
}

void readQuestionPage(std::string_view content, LessonState& state) {
    for (int i = 1; i <= textLinesPerPage + 1; ++i)
        state.pageLines[static_cast<std::size_t>(i)] = readStoredText(content, state);
}

} // namespace engine
