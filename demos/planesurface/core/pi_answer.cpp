#include "planesurface/core/pi_answer.h"

#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <cctype>
#include <exception>
#include <string>

namespace planesurface {

namespace {

const std::string piSign = "\u03c0";

// "pi" in any case becomes π; '*' and blanks go.
std::string normalised(std::string_view typed) {
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (i + 1 < typed.size() && std::tolower(static_cast<unsigned char>(c)) == 'p' &&
            std::tolower(static_cast<unsigned char>(typed[i + 1])) == 'i') {
            text += piSign;
            ++i;
        } else if (c != '*' && !std::isspace(static_cast<unsigned char>(c))) {
            text += c;
        }
    }
    return text;
}

std::string withoutBrackets(std::string text) {
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')')
        return text.substr(1, text.size() - 2);
    return text;
}

kit::Parsed<mpq_class> coefficientOf(const std::string& text, const char* where) {
    const auto value = kit::parseRational(withoutBrackets(text));
    if (!value.ok())
        return kit::ParseError{std::string(where) + ": " + value.error().message, 0};
    return value.value();
}

} // namespace

kit::Parsed<mpq_class> parsePiMultiple(std::string_view typed) {
    if (auto error = kit::checkLength(typed, "a multiple of \u03c0 such as 9\u03c0"))
        return *error;
    const std::string text = normalised(typed);
    const auto at = text.find(piSign);
    if (at == std::string::npos)
        return kit::ParseError{"write the answer with \u03c0, e.g. 9\u03c0 (type pi for \u03c0)",
                               0};
    if (text.find(piSign, at + piSign.size()) != std::string::npos)
        return kit::ParseError{"\u03c0 is expected only once", 0};
    const std::string before = text.substr(0, at);
    const std::string after = text.substr(at + piSign.size());
    mpq_class coefficient = 1;
    if (before == "-")
        coefficient = -1;
    else if (!before.empty()) {
        auto value = coefficientOf(before, "before \u03c0");
        if (!value.ok())
            return value.error();
        coefficient = value.value();
    }
    if (!after.empty()) {
        if (after.front() != '/')
            return kit::ParseError{"after \u03c0 only a division /n may follow", 0};
        const auto divisor = kit::parseInteger(after.substr(1));
        if (!divisor.ok())
            return kit::ParseError{"the divisor after \u03c0: " + divisor.error().message, 0};
        if (divisor.value() == 0)
            return kit::ParseError{"division by zero", 0};
        coefficient /= mpq_class(divisor.value());
    }
    coefficient.canonicalize();
    return coefficient;
}

kit::AnswerCheck expectPiMultiple(mpq_class coefficient) {
    coefficient.canonicalize();
    return [coefficient](std::string_view typed) -> kit::Verdict {
        try {
            const auto parsed = parsePiMultiple(typed);
            if (!parsed.ok()) {
                if (kit::parseRational(typed).ok())
                    return {false, "Give the exact value as a multiple of \u03c0 (for example "
                                   "9\u03c0, typed 9pi), not a decimal."};
                return {false, parsed.error().message};
            }
            if (parsed.value() == coefficient)
                return {true, kit::correctMessage};
            return {false, "Not correct yet. Try again, or show the solution step by step."};
        } catch (const std::exception& error) {
            return {false, std::string("That answer could not be checked: ") + error.what()};
        }
    };
}

} // namespace planesurface
