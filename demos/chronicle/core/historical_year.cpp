#include "chronicle/core/historical_year.h"

#include <cctype>
#include <charconv>

namespace chronicle {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool removePrefix(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    text = trimmed(text.substr(prefix.size()));
    return true;
}

bool removeSuffix(std::string_view& text, std::string_view suffix) {
    if (text.size() < suffix.size() || text.substr(text.size() - suffix.size()) != suffix)
        return false;
    text = trimmed(text.substr(0, text.size() - suffix.size()));
    return true;
}

std::string ordinal(int n) {
    const int lastTwo = n % 100;
    const int last = n % 10;
    const char* ending = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1)
            ending = "st";
        else if (last == 2)
            ending = "nd";
        else if (last == 3)
            ending = "rd";
    }
    return std::to_string(n) + ending;
}

} // namespace

std::optional<HistoricalYear> parseYear(std::string_view text) {
    text = trimmed(text);
    HistoricalYear year;
    year.approximate = removePrefix(text, "c.");
    const bool beforeCommonEra = removeSuffix(text, "BCE");
    if (!beforeCommonEra)
        removeSuffix(text, "CE");
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || number <= 0)
        return std::nullopt;
    year.value = beforeCommonEra ? -number : number;
    return year;
}

std::string yearText(HistoricalYear year) {
    std::string text = year.approximate ? "c. " : "";
    if (year.value < 0)
        return text + std::to_string(-year.value) + " BCE";
    return text + std::to_string(year.value);
}

int yearsBetween(int from, int to) {
    const int span = to - from;
    return from < 0 && to > 0 ? span - 1 : span;
}

std::string centuryText(int year) {
    if (year < 0)
        return ordinal((-year - 1) / 100 + 1) + " century BCE";
    return ordinal((year - 1) / 100 + 1) + " century";
}

} // namespace chronicle
