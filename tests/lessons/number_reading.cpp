#include "number_reading.h"

#include <regex>

namespace lesson_tests {
namespace {

std::optional<double> toNumber(const std::string& text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        return used == text.size() ? std::optional<double>(value) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

const char* const number = R"((\d+(?:\.\d+)?))";

} // namespace

std::string regexEscaped(std::string_view text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(std::string(text), special, R"(\$&)");
}

std::optional<double> numberAfter(std::string_view text, std::string_view words) {
    const std::regex pattern(regexEscaped(words) + R"(\s*)" + number);
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_search(text.begin(), text.end(), m, pattern))
        return std::nullopt;
    return toNumber(m[1].str());
}

std::vector<double> numbersAfter(std::string_view text, std::string_view words) {
    const std::regex pattern(regexEscaped(words) + R"(\s*)" + number);
    std::vector<double> out;
    for (std::regex_iterator<std::string_view::const_iterator>
             it(text.begin(), text.end(), pattern),
         end;
         it != end; ++it)
        out.push_back(toNumber((*it)[1].str()).value_or(0));
    return out;
}

std::vector<double> numbersBefore(std::string_view text, std::string_view unit) {
    const std::regex pattern(number + regexEscaped(unit));
    std::vector<double> out;
    for (std::regex_iterator<std::string_view::const_iterator>
             it(text.begin(), text.end(), pattern),
         end;
         it != end; ++it)
        out.push_back(toNumber((*it)[1].str()).value_or(0));
    return out;
}

std::map<std::string, std::optional<double>> namedValues(std::string_view text) {
    static const std::regex pattern(R"(\b([A-Za-z]{1,2})\s*=\s*(\d+(?:\.\d+)?|\?))");
    std::map<std::string, std::optional<double>> out;
    for (std::regex_iterator<std::string_view::const_iterator>
             it(text.begin(), text.end(), pattern),
         end;
         it != end; ++it)
        out[(*it)[1].str()] = toNumber((*it)[2].str());
    return out;
}

std::optional<ChoiceNumber> choiceNumber(std::string_view line) {
    static const std::regex pattern(R"(^[A-D]\.\s*(\d+)(?:\.\s?(\d+))?)");
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_search(line.begin(), line.end(), m, pattern))
        return std::nullopt;
    const std::string decimals = m[2].str();
    const auto value = toNumber(m[1].str() + (decimals.empty() ? "" : "." + decimals));
    if (!value)
        return std::nullopt;
    return ChoiceNumber{*value, static_cast<int>(decimals.size())};
}

std::optional<Fraction> fractionAfter(std::string_view text, std::string_view name) {
    const std::regex pattern(regexEscaped(name) + R"(\s*=\s*(\d+)\s*/\s*(\d+))");
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_search(text.begin(), text.end(), m, pattern))
        return std::nullopt;
    return Fraction{std::stol(m[1].str()), std::stol(m[2].str())};
}

std::vector<std::pair<Fraction, Fraction>> fractionEqualities(std::string_view text) {
    static const std::regex pattern(R"((\d+)/(\d+)\s*=\s*(\d+)/(\d+))");
    std::vector<std::pair<Fraction, Fraction>> out;
    for (std::regex_iterator<std::string_view::const_iterator>
             it(text.begin(), text.end(), pattern),
         end;
         it != end; ++it)
        out.push_back({{std::stol((*it)[1].str()), std::stol((*it)[2].str())},
                       {std::stol((*it)[3].str()), std::stol((*it)[4].str())}});
    return out;
}

} // namespace lesson_tests
