#include "kit/core/text_scan.h"

#include <cctype>
#include <cstdio>

namespace kit {

std::string unexpectedAt(char c, std::size_t position) {
    const auto u = static_cast<unsigned char>(c);
    std::string shown;
    if (u >= 0x20 && u < 0x7f) {
        shown = std::string("'") + c + "'";
    } else {
        char code[16];
        std::snprintf(code, sizeof code, "character 0x%02X", u);
        shown = code;
    }
    return "unexpected " + shown + " at " + std::to_string(position);
}

std::size_t significantDigits(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? 1 : digits.size() - first;
}

std::optional<ParseError> checkLength(std::string_view text, const char* what) {
    if (text.size() > maxInputLength)
        return ParseError{
            "the input is too long: at most " + std::to_string(maxInputLength) + " characters", 0};
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            return std::nullopt;
    return ParseError{std::string("expected ") + what + ", but nothing was typed", 0};
}

std::string squeezedLowercase(std::string_view text) {
    std::string squeezed;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            squeezed += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return squeezed;
}

} // namespace kit
