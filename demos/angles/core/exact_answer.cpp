#include "angles/core/exact_answer.h"

#include "kit/core/expression_input.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace angles {

namespace {

// The root sign and π as the grammar writes them.
std::string asTyped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\u221a")) {
            // √3 or √(3): the kit's grammar wants sqrt(...).
            i += 3;
            if (i < text.size() && text[i] == '(') {
                out += "sqrt";
                --i;
                continue;
            }
            std::size_t end = i;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                ++end;
            out += "sqrt(" + std::string(text.substr(i, end - i)) + ")";
            i = end - 1;
        } else if (rest.starts_with("\u03c0")) {
            out += "pi";
            i += 1;
        } else if (rest.starts_with("\u2212")) {
            out += "-";
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string lowered(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool saysUndefined(std::string_view text) {
    const std::string word = lowered(text);
    return word == "undefined" || word == "none" || word == "notdefined" || word == "dne";
}

} // namespace

kit::AnswerCheck expectExactNumber(std::string expectedTyped) {
    const auto expected = kit::Expression::parse(expectedTyped, {});
    return [expected, expectedTyped](std::string_view typed) -> kit::Verdict {
        if (saysUndefined(typed))
            return {false, "It is defined here: give its exact value."};
        const std::string text = asTyped(typed);
        const auto parsed = kit::Expression::parse(text, {});
        if (!parsed.ok())
            return {false, "That could not be read: " + parsed.error().message};
        if (!expected.ok())
            return {false, "This exercise could not be checked."};
        if (parsed.value().equivalentTo(expected.value()))
            return {true, kit::correctMessage};
        const auto value = parsed.value().evaluate({});
        const auto want = expected.value().evaluate({});
        if (!value)
            return {false, "That value is undefined."};
        const bool close =
            want && std::abs(*value - *want) <= 1e-12 * std::max(1.0, std::abs(*want));
        if (close && text.find('.') != std::string::npos)
            return {false, "That is a decimal approximation: give the exact value (with sqrt or "
                           "pi)."};
        if (close)
            return {true, kit::correctMessage};
        if (want && std::abs(*value + *want) <= 1e-12 * std::max(1.0, std::abs(*want)))
            return {false, "The size is right but the sign is wrong: which quadrant is it in?"};
        return {false, "Not right."};
    };
}

kit::AnswerCheck expectUndefined() {
    return [](std::string_view typed) -> kit::Verdict {
        if (saysUndefined(typed))
            return {true, kit::correctMessage};
        return {false, "Not right: look at where the terminal side meets the tangent line."};
    };
}

} // namespace angles
