#include "addmult/core/element_set_check.h"

#include "kit/core/number_input.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace addmult {

namespace {

const char* const notYet = "Not correct yet. Try again, or show the solution step by step.";

std::string lowerTrimmed(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

kit::Verdict checkSet(std::vector<int> expected, int n, std::string_view typed) {
    std::sort(expected.begin(), expected.end());
    const std::string word = lowerTrimmed(typed);
    if (word == "none" || word == "{}" || word == "empty") {
        if (expected.empty())
            return {true, kit::correctMessage};
        return {false, std::string("There are some. ") + notYet};
    }
    const auto list = kit::parseIntegerList(typed);
    if (!list.ok())
        return {false, list.error().message + " (type the numbers separated by commas, or none)"};
    std::vector<int> values;
    for (const auto& v : list.value()) {
        if (v < 0 || v >= n)
            return {false, v.get_str() + " is not an element of Z_" + std::to_string(n) +
                               ": use 0 to " + std::to_string(n - 1)};
        values.push_back(static_cast<int>(v.get_si()));
    }
    std::sort(values.begin(), values.end());
    if (std::adjacent_find(values.begin(), values.end()) != values.end())
        return {false, "an element is typed twice: list each one once"};
    if (values == expected)
        return {true, kit::correctMessage};
    for (int v : values)
        if (!std::binary_search(expected.begin(), expected.end(), v))
            return {false, std::to_string(v) + " does not belong in the list. " + notYet};
    return {false, "Some are missing. " + std::string(notYet)};
}

kit::Verdict checkElement(int expected, int n, std::string_view typed) {
    const auto value = kit::parseInteger(typed);
    if (!value.ok()) {
        if (kit::parseTypedRational(typed).ok())
            return {false, "an element of Z_" + std::to_string(n) +
                               " is a whole number from 0 to " + std::to_string(n - 1) +
                               ", not \"" + std::string(typed) + "\""};
        return {false, value.error().message};
    }
    mpz_class residue = value.value() % n;
    if (residue < 0)
        residue += n;
    if (value.value() == expected)
        return {true, kit::correctMessage};
    if (residue == expected)
        return {false, value.value().get_str() +
                           " is congruent to the answer, but write the "
                           "element of Z_" +
                           std::to_string(n) + " as a number from 0 to " + std::to_string(n - 1)};
    return {false, notYet};
}

} // namespace

kit::AnswerCheck expectElementSet(std::vector<int> expected, int n) {
    return [expected = std::move(expected), n](std::string_view typed) {
        try {
            return checkSet(expected, n, typed);
        } catch (...) {
            return kit::Verdict{false, "That answer could not be checked."};
        }
    };
}

kit::AnswerCheck expectElement(int expected, int n) {
    return [expected, n](std::string_view typed) {
        try {
            return checkElement(expected, n, typed);
        } catch (...) {
            return kit::Verdict{false, "That answer could not be checked."};
        }
    };
}

} // namespace addmult
