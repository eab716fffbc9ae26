#pragma once

#include "engine/catalogue/line_scanner.h"

#include <optional>
#include <string>
#include <vector>

namespace test_support {

// A line of an expected table: its words up to the first double quote, and the quoted
// text, which runs from the first to the last double quote of the line.
struct TableLine {
    std::vector<std::string> words;
    std::optional<std::string> quoted;
};

inline TableLine splitTableLine(const std::string& line) {
    TableLine out;
    const auto open = line.find('"');
    out.words = engine::words(line.substr(0, open));
    const auto close = line.rfind('"');
    if (open != std::string::npos && close > open)
        out.quoted = line.substr(open + 1, close - open - 1);
    return out;
}

} // namespace test_support
