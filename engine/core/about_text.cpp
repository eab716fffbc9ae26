#include "engine/core/about_text.h"

#include <array>

namespace engine {

std::string aboutText() {
    constexpr std::array<const char*, 11> lines = {
        "Orvo the Tamlex Vuvudu Rodezav Iruv",
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
