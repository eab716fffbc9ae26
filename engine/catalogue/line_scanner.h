#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Splits a directive line into its first word and the rest ("picture 77 a.jpg 1 2").
struct Directive {
    std::string word;
    std::string rest;
};

inline Directive splitDirective(std::string_view line) {
    const auto space = line.find(' ');
    if (space == std::string_view::npos)
        return {std::string(line), {}};
    return {std::string(line.substr(0, space)), std::string(line.substr(space + 1))};
}

inline std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

inline std::optional<int> toInt(const std::string& text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    std::size_t start = text[0] == '-' ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return start ? -value : value;
}

// The first `count` words as numbers and whatever text follows them (after one blank).
inline std::optional<std::vector<int>> leadingNumbers(const std::string& text, std::size_t count,
                                                      std::string* tail = nullptr) {
    std::vector<int> numbers;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto end = text.find(' ', pos);
        const auto value = toInt(text.substr(pos, end == std::string::npos ? end : end - pos));
        if (!value)
            return std::nullopt;
        numbers.push_back(*value);
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    if (tail)
        *tail = pos <= text.size() ? text.substr(pos) : std::string();
    return numbers;
}

} // namespace engine
