#include "engine/core/saved_place.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace engine {
namespace {

std::optional<int> lineValue(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    bool negative = !line.empty() && line.front() == '-';
    if (negative || (!line.empty() && line.front() == '+'))
        line.remove_prefix(1);
    if (line.empty() || line.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : line) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        lines.push_back(text.substr(0, end));
        std::size_t next = end;
        if (next < text.size() && text[next] == '\r')
            ++next;
        if (next < text.size() && text[next] == '\n')
            ++next;
        text.remove_prefix(next);
    }
    return lines;
}

} // namespace

std::string formatSavedPlace(const LessonState& state) {
    return "0\r\n" + std::to_string(state.currentPage) + "\r\n" +
           std::to_string(state.currentLesson) + "\r\n" + std::to_string(state.stepButtonCount) +
           "\r\n";
}

std::optional<SavedPlace> parseSavedPlace(std::string_view text) {
    const auto lines = splitLines(text);
    if (lines.size() < 4)
        return std::nullopt;
    std::optional<int> values[4];
    for (std::size_t i = 0; i < 4; ++i)
        if (!(values[i] = lineValue(lines[i])))
            return std::nullopt;
    return SavedPlace{*values[1], *values[2], *values[3]};
}

std::string withExtension(const std::string& fileName, const std::string& extension) {
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    const bool hasIt =
        fileName.size() >= extension.size() &&
        lower(fileName.substr(fileName.size() - extension.size())) == lower(extension);
    return hasIt ? fileName : fileName + extension;
}

} // namespace engine
