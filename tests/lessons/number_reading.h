#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson_tests {

// The numbers a question states in its text, read the way a learner reads them.

// `text` as a regular expression that matches exactly it.
std::string regexEscaped(std::string_view text);

// The number that follows `words` ("radius of" in "a radius of 5 cm"), blanks between allowed.
std::optional<double> numberAfter(std::string_view text, std::string_view words);

// Every number that follows `words` ("multiple of 3 or a multiple of 4": 3 and 4).
std::vector<double> numbersAfter(std::string_view text, std::string_view words);

// Every number directly followed by `unit` ("7 miles" and "4 miles" for " miles").
std::vector<double> numbersBefore(std::string_view text, std::string_view unit);

// "a = 12, b = 32, c = ?" and "AB = 3, BC = 4": every name with its value; a "?" has none.
std::map<std::string, std::optional<double>> namedValues(std::string_view text);

// The number of a choice line ("B.  533.80 square centimeters") and its decimal places.
// A blank right after the decimal point ("263. 76") is read as a slip: 263.76.
struct ChoiceNumber {
    double value = 0;
    int decimals = 0;
};
std::optional<ChoiceNumber> choiceNumber(std::string_view line);

// "sin C = 3/5": the fraction after `name =`.
struct Fraction {
    long numerator = 0;
    long denominator = 1;
};
std::optional<Fraction> fractionAfter(std::string_view text, std::string_view name);

// Every "p/q = r/s" in a text, as pairs of fractions.
std::vector<std::pair<Fraction, Fraction>> fractionEqualities(std::string_view text);

} // namespace lesson_tests
