#include "printed_equalities.h"

#include <cctype>
#include <optional>

namespace lesson_tests {
namespace {

struct Side {
    std::string text;
    Interval value;
};

bool isOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '\xB7';
}

// The "=" signs that stand alone: not part of "<=", ">=", "!=" or "==".
std::vector<std::size_t> equalSigns(std::string_view text) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char before = i > 0 ? text[i - 1] : ' ';
        const char after = i + 1 < text.size() ? text[i + 1] : ' ';
        if (text[i] == '=' && before != '<' && before != '>' && before != '!' && before != '=' &&
            after != '=')
            out.push_back(i);
    }
    return out;
}

// The last character before `i` that is not a blank, or a blank at the start.
char lastNonBlankBefore(std::string_view text, std::size_t i) {
    while (i > 0 && text[i - 1] == ' ')
        --i;
    return i > 0 ? text[i - 1] : ' ';
}

// "x" standing alone between blanks is a multiplication sign.
bool endsWithTimesSign(std::string_view text, std::size_t i) {
    while (i > 0 && text[i - 1] == ' ')
        --i;
    return i >= 2 && text[i - 1] == 'x' && text[i - 2] == ' ';
}

bool startsWithOperator(std::string_view rest) {
    const auto first = rest.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    const char c = rest[first];
    const char next = first + 1 < rest.size() ? rest[first + 1] : ' ';
    const bool timesSign = c == 'x' && !std::isalpha(static_cast<unsigned char>(next));
    const bool calculationInParentheses =
        c == '(' && !std::isalpha(static_cast<unsigned char>(next));
    return isOperator(c) || timesSign || calculationInParentheses ||
           std::isdigit(static_cast<unsigned char>(c)) ||
           rest.substr(first).starts_with("\xC2\xB7");
}

// A calculation followed without a blank by a letter, a digit or a sign such as the
// superscript in "2\xB3" goes on beyond what was read.
bool gluedToMore(std::string_view text, std::size_t end) {
    if (end >= text.size())
        return false;
    const auto c = static_cast<unsigned char>(text[end]);
    return c >= 0x80 || std::isalnum(c);
}

// The calculation a segment ends with: the longest one that reaches its end and does not
// continue a word or an operation.
std::optional<Side> sideAtEnd(std::string_view segment) {
    const auto last = segment.find_last_not_of(' ');
    if (last == std::string_view::npos)
        return std::nullopt;
    const std::string_view trimmed = segment.substr(0, last + 1);
    for (std::size_t start = 0; start < trimmed.size(); ++start) {
        const char before = start > 0 ? trimmed[start - 1] : ' ';
        const bool opensHere = before == ' ' || before == '(' || before == '[' || before == '{';
        if (trimmed[start] == ' ' || !opensHere || isOperator(lastNonBlankBefore(trimmed, start)) ||
            endsWithTimesSign(trimmed, start))
            continue;
        if (const auto value = wholeExpression(trimmed.substr(start)))
            return Side{std::string(trimmed.substr(start)), *value};
    }
    return std::nullopt;
}

// The calculation a segment begins with, when the words after it do not continue it.
std::optional<Side> sideAtStart(std::string_view segment) {
    const auto first = segment.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view trimmed = segment.substr(first);
    const auto expression = leadingExpression(trimmed);
    if (!expression || gluedToMore(trimmed, expression->length) ||
        startsWithOperator(trimmed.substr(expression->length)))
        return std::nullopt;
    return Side{std::string(trimmed.substr(0, expression->length)), expression->value};
}

} // namespace

std::vector<PrintedEquality> printedEqualities(std::string_view text) {
    const auto signs = equalSigns(text);
    std::vector<PrintedEquality> out;
    for (std::size_t k = 0; k < signs.size(); ++k) {
        const std::size_t from = k == 0 ? 0 : signs[k - 1] + 1;
        const std::size_t to = k + 1 < signs.size() ? signs[k + 1] : text.size();
        const auto left = sideAtEnd(text.substr(from, signs[k] - from));
        const auto right = sideAtStart(text.substr(signs[k] + 1, to - signs[k] - 1));
        if (left && right)
            out.push_back({left->text, right->text, left->value, right->value});
    }
    return out;
}

} // namespace lesson_tests
