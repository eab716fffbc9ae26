#include "collections/core/roster.h"

#include "kit/core/text_scan.h"

#include <cctype>

namespace collections {
namespace {

const std::string_view emptySign = "\u2205";

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Reads the roster between the braces (or the whole text without them).
class RosterReader {
  public:
    RosterReader(std::string_view text, std::size_t offset) : text_(text), offset_(offset) {}

    kit::Parsed<Elements> read() {
        Elements elements;
        skipSpaces();
        if (at_ == text_.size())
            return elements;
        for (;;) {
            skipSpaces();
            const auto element = readNumber();
            if (!element)
                return error_;
            elements.insert(*element);
            if (elements.size() > largestRoster)
                return kit::ParseError{
                    "too many elements: at most " + std::to_string(largestRoster), 0};
            skipSpaces();
            if (at_ == text_.size())
                return elements;
            if (text_[at_] != ',')
                return failAt(kit::unexpectedAt(text_[at_], position()) +
                              ": elements are separated by commas");
            ++at_;
        }
    }

  private:
    std::optional<long> readNumber() {
        if (at_ == text_.size()) {
            error_ = kit::ParseError{"an element is missing at the end", position()};
            return std::nullopt;
        }
        const std::size_t start = at_;
        if (text_[at_] == '-' || text_[at_] == '+')
            ++at_;
        std::string digits;
        while (at_ < text_.size() && isDigit(text_[at_]))
            digits += text_[at_++];
        if (digits.empty()) {
            at_ = start;
            if (text_[at_] == ',')
                error_ = kit::ParseError{"an element is missing before the comma at " +
                                             std::to_string(position()),
                                         position()};
            else
                error_ = kit::ParseError{kit::unexpectedAt(text_[at_], position()) +
                                             ": the elements are whole numbers",
                                         position()};
            return std::nullopt;
        }
        if (kit::significantDigits(digits) > 4) {
            at_ = start;
            error_ = kit::ParseError{"the element at " + std::to_string(position()) +
                                         " is too large: at most " + std::to_string(largestElement),
                                     position()};
            return std::nullopt;
        }
        const long value = std::stol(digits);
        return text_[start] == '-' ? -value : value;
    }

    kit::Parsed<Elements> failAt(std::string message) {
        return kit::ParseError{std::move(message), position()};
    }
    void skipSpaces() {
        while (at_ < text_.size() && isSpace(text_[at_]))
            ++at_;
    }
    std::size_t position() const { return offset_ + at_ + 1; }

    std::string_view text_;
    std::size_t offset_;
    std::size_t at_ = 0;
    kit::ParseError error_;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

kit::Parsed<Elements> parseRoster(std::string_view text) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the input is too long: at most " +
                                   std::to_string(kit::maxInputLength) + " characters",
                               0};
    const std::string_view inner = trimmed(text);
    if (inner.empty())
        return kit::ParseError{"expected a set such as {1, 2, 3}, but nothing was typed", 0};
    if (inner == emptySign)
        return Elements{};
    const std::size_t lead = static_cast<std::size_t>(inner.data() - text.data());
    if (inner.front() != '{')
        return RosterReader(inner, lead).read();
    const std::size_t close = inner.find('}');
    if (close == std::string_view::npos)
        return kit::ParseError{"the '{' at " + std::to_string(lead + 1) + " is never closed",
                               lead + 1};
    if (close + 1 != inner.size())
        return kit::ParseError{kit::unexpectedAt(inner[close + 1], lead + close + 2) +
                                   " after the closing '}'",
                               lead + close + 2};
    return RosterReader(inner.substr(1, close - 1), lead + 1).read();
}

std::string rosterText(const Elements& elements) {
    if (elements.empty())
        return std::string(emptySign);
    std::string text = "{";
    for (long element : elements)
        text += (text.size() > 1 ? ", " : "") + std::to_string(element);
    return text + "}";
}

} // namespace collections
