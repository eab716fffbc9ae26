#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace lesson_tests {

// The range a printed number or calculation stands for. A printed result is rounded, so
// "0.119" stands for 0.1185 to 0.1195; a whole number stands for itself.
struct Interval {
    double low = 0;
    double high = 0;

    double middle() const { return (low + high) / 2; }
    bool overlaps(const Interval& other) const;
};

// A calculation as the lessons print it: decimals with thousands commas ("3,838,380"),
// percentages, + and -, products with x, * or the middle dot, quotients, powers (0.7^5),
// factorials (9!, and 6! 3! side by side multiplied), nCr and nPr ("9C3", "30P3"), sqrt( )
// and parentheses. Letters stand for unknowns, so "P(A)" or "n!" is no calculation.
//
// A number inside a calculation with three or more significant digits and decimals
// ("0.0000310") is taken as rounded by half a unit of its last place; shorter ones are taken
// as given ("0.3", "0.45"). A calculation that is a single number is a printed result, and
// always stands for its rounding range.
struct PrintedExpression {
    Interval value;
    std::size_t length = 0; // characters read, without trailing blanks
};

// The longest calculation that `text` begins with; nothing when it begins with none.
std::optional<PrintedExpression> leadingExpression(std::string_view text);

// The calculation `text` consists of, blanks around it allowed; nothing otherwise.
std::optional<Interval> wholeExpression(std::string_view text);

} // namespace lesson_tests
