#include "engine/core/about_text.h"

#include "platform/course/course_title.h"

#include <array>
#include <string_view>

namespace engine {

std::string aboutText() {
    constexpr std::array<std::string_view, 11> lines = {
        platform::courseTitle,
        "by Mira Rodezav and Tomas Iruv",
        "Copyright (c) 2004",
        "",
        "Team Members:",
        "Programming: Tomas Iruv",
        "Visual design: Mira Rodezav",
        "",
        "With thanks to the State Board of Education for its support",
        "",
        "www.orvo-tamlex.example.org"};
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + std::string(lines[i]);
    return text;
}

} // namespace engine
