#include "counting/core/base_conversion.h"

#include "kit/core/input_limits.h"

#include <algorithm>
#include <cctype>

namespace counting {
namespace {

constexpr std::string_view digitSymbols = "0123456789ABCDEF";

int digitValue(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto position = digitSymbols.find(upper);
    return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string superscript(std::size_t power) {
    return "<sup>" + std::to_string(power) + "</sup>";
}

std::string canonicalDigits(std::string_view numeral) {
    std::string digits;
    for (char c : numeral)
        digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return digits;
}

} // namespace

bool isSupportedBase(int base) {
    return base >= smallestBase && base <= largestBase;
}

std::string toBase(const mpz_class& n, int base) {
    if (n == 0)
        return "0";
    std::string digits;
    mpz_class rest = n;
    while (rest > 0) {
        const mpz_class digit = rest % base;
        digits += digitSymbols[digit.get_ui()];
        rest /= base;
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

kit::Parsed<mpz_class> parseInBase(std::string_view text, int base) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the numeral is too long", kit::maxInputLength};
    const std::string digits = trimmed(text);
    if (digits.empty())
        return kit::ParseError{"type a numeral in base " + std::to_string(base), 0};
    if (digits.size() > kit::maxIntegerDigits)
        return kit::ParseError{"at most " + std::to_string(kit::maxIntegerDigits) +
                                   " digits in this demonstration",
                               kit::maxIntegerDigits};
    mpz_class value = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = digitValue(digits[i]);
        if (digit < 0 || digit >= base)
            return kit::ParseError{"'" + std::string(1, digits[i]) + "' at " +
                                       std::to_string(i + 1) + " is not a digit of base " +
                                       std::to_string(base),
                                   i};
        value = value * base + digit;
    }
    return value;
}

std::vector<std::string> repeatedDivisionSteps(const mpz_class& n, int base) {
    std::vector<std::string> steps;
    if (n == 0) {
        steps.push_back("0 is written 0 in every base.");
        return steps;
    }
    mpz_class rest = n;
    std::string digitsSoFar;
    while (rest > 0) {
        const mpz_class quotient = rest / base;
        const mpz_class digit = rest % base;
        const char symbol = digitSymbols[digit.get_ui()];
        digitsSoFar.insert(digitsSoFar.begin(), symbol);
        steps.push_back(rest.get_str() + " = " + std::to_string(base) + " &middot; " +
                        quotient.get_str() + " + " + digit.get_str() + " &nbsp; &rarr; digit " +
                        std::string(1, symbol));
        rest = quotient;
    }
    steps.push_back("The quotient is 0, so stop. Read the remainders from the last to the first: " +
                    numeralHtml(digitsSoFar, base) + ".");
    return steps;
}

std::vector<std::string> placeValueSteps(std::string_view numeral, int base) {
    std::vector<std::string> steps;
    const std::string digits = canonicalDigits(trimmed(numeral));
    mpz_class total = 0;
    std::string sum;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t power = digits.size() - 1 - i;
        const int digit = digitValue(digits[i]);
        mpz_class placeValue;
        mpz_ui_pow_ui(placeValue.get_mpz_t(), static_cast<unsigned long>(base), power);
        const mpz_class contribution = placeValue * digit;
        total += contribution;
        steps.push_back("digit " + std::string(1, digits[i]) + " in the " + std::to_string(base) +
                        superscript(power) + " place: " + std::to_string(digit) + " &middot; " +
                        placeValue.get_str() + " = " + contribution.get_str());
        sum += (sum.empty() ? "" : " + ") + contribution.get_str();
    }
    steps.push_back(numeralHtml(digits, base) + " = " + sum + " = " + total.get_str());
    return steps;
}

std::vector<std::string> hornerSteps(std::string_view numeral, int base) {
    std::vector<std::string> steps;
    const std::string digits = canonicalDigits(trimmed(numeral));
    mpz_class value = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = digitValue(digits[i]);
        const mpz_class before = value;
        value = value * base + digit;
        steps.push_back(before.get_str() + " &middot; " + std::to_string(base) + " + " +
                        std::to_string(digit) + " = " + value.get_str());
    }
    return steps;
}

std::string numeralHtml(std::string_view numeral, int base) {
    return std::string(numeral) + "<sub>" + std::to_string(base) + "</sub>";
}

} // namespace counting
