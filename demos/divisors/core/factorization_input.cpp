#include "divisors/core/factorization_input.h"

#include "kit/core/answer_checks.h"
#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"

#include <cctype>
#include <string>

namespace divisors {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The length of a times sign at i: '*', 'x', 'X', or the UTF-8 middle dot and multiplication sign.
std::size_t timesSignAt(std::string_view text, std::size_t i) {
    const char c = text[i];
    if (c == '*' || c == 'x' || c == 'X')
        return 1;
    if (i + 1 < text.size()) {
        const auto lead = static_cast<unsigned char>(c);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if ((lead == 0xC2 && next == 0xB7) || (lead == 0xC3 && next == 0x97))
            return 2;
    }
    return 0;
}

kit::ParseError errorAt(const std::string& message, std::size_t position) {
    return {message + " at " + std::to_string(position), position};
}

} // namespace

kit::Parsed<std::vector<TypedFactor>> parseFactorProduct(std::string_view text) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the input is too long: at most " +
                                   std::to_string(kit::maxInputLength) + " characters",
                               0};
    std::vector<TypedFactor> factors;
    std::size_t i = 0;
    bool expectFactor = true;
    const auto skipSpaces = [&] {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
    };
    const auto readDigits = [&](std::string& digits) {
        while (i < text.size() && isDigit(text[i]))
            digits += text[i++];
    };
    for (skipSpaces(); i < text.size(); skipSpaces()) {
        if (!expectFactor) {
            const std::size_t sign = timesSignAt(text, i);
            if (sign == 0)
                return errorAt("expected a times sign *", i + 1);
            i += sign;
            expectFactor = true;
            continue;
        }
        if (!isDigit(text[i]))
            return errorAt("expected a prime number", i + 1);
        TypedFactor factor;
        factor.position = i + 1;
        std::string digits;
        readDigits(digits);
        if (digits.size() > kit::maxIntegerDigits)
            return errorAt("a number with more than " + std::to_string(kit::maxIntegerDigits) +
                               " digits",
                           factor.position);
        factor.base = mpz_class(digits, 10);
        skipSpaces();
        if (i < text.size() && text[i] == '^') {
            ++i;
            skipSpaces();
            const std::size_t at = i + 1;
            std::string exponent;
            readDigits(exponent);
            if (exponent.empty())
                return errorAt("expected an exponent after '^'", at);
            if (exponent.size() > 4 || std::stol(exponent) > kit::maxExponent)
                return errorAt("an exponent larger than " + std::to_string(kit::maxExponent), at);
            factor.exponent = std::stoul(exponent);
        }
        factors.push_back(factor);
        expectFactor = false;
    }
    if (factors.empty())
        return kit::ParseError{
            "expected a product of primes such as 2^3 * 5, but nothing was typed", 0};
    if (expectFactor)
        return errorAt("expected a prime after the times sign", text.size() + 1);
    return factors;
}

std::function<kit::Verdict(std::string_view)> expectFactorization(mpz_class n) {
    return [n](std::string_view typed) -> kit::Verdict {
        try {
            const auto parsed = parseFactorProduct(typed);
            if (!parsed.ok())
                return {false, parsed.error().message};
            mpz_class value = 1;
            for (const auto& factor : parsed.value()) {
                if (factor.exponent == 0)
                    return {false, "an exponent 0 (at " + std::to_string(factor.position) +
                                       ") makes the factor 1: leave it out"};
                if (!isPrime(factor.base))
                    return {false, factor.base.get_str() + " (at " +
                                       std::to_string(factor.position) + ") is not a prime" +
                                       (factor.base > 1 ? ": it can be split further" : "")};
                mpz_class power;
                mpz_pow_ui(power.get_mpz_t(), factor.base.get_mpz_t(), factor.exponent);
                value *= power;
                if (value > n)
                    return {false, "those factors multiply to more than " + n.get_str()};
            }
            if (value != n)
                return {false,
                        "those primes multiply to " + value.get_str() + ", not " + n.get_str()};
            return {true, kit::correctMessage};
        } catch (...) {
            return {false, "That answer could not be checked."};
        }
    };
}

kit::Parsed<mpz_class> parseExploredNumber(std::string_view text) {
    auto parsed = kit::parseInteger(text);
    if (!parsed.ok())
        return parsed;
    const mpz_class& n = parsed.value();
    if (n < 1)
        return kit::ParseError{"choose a whole number from 1 up: " + n.get_str() +
                                   (n == 0 ? " is divisible by every number" : " is negative"),
                               0};
    if (n.get_str().size() > largestExploredDigits)
        return kit::ParseError{"a number with more than " + std::to_string(largestExploredDigits) +
                                   " digits is too large for this demonstration",
                               0};
    return parsed;
}

} // namespace divisors
