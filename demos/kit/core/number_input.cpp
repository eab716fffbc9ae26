#include "kit/core/number_input.h"

#include "kit/core/input_limits.h"
#include "kit/core/text_scan.h"

#include <cctype>
#include <string>

namespace kit {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// One number as typed: digits with at most one decimal point.
struct NumberToken {
    std::string digits; // without the point
    std::size_t decimals = 0;
    bool hasPoint = false;
    std::size_t position = 0; // 1-based
};

struct Token {
    enum Kind { Number, Slash } kind;
    NumberToken number;
    std::size_t position = 0;
};

// Splits the text after an optional leading sign into numbers and slashes.
class RationalScanner {
  public:
    explicit RationalScanner(std::string_view text) : text_(text) {}

    std::optional<ParseError> scan(bool& negative, std::vector<Token>& tokens) {
        std::size_t i = skipSpaces(0);
        if (i < text_.size() && (text_[i] == '-' || text_[i] == '+')) {
            negative = text_[i] == '-';
            i = skipSpaces(i + 1);
        }
        while (i < text_.size()) {
            const char c = text_[i];
            if (isDigit(c) || c == '.') {
                Token token{Token::Number, {}, i + 1};
                if (auto error = scanNumber(i, token.number))
                    return error;
                tokens.push_back(token);
            } else if (c == '/') {
                tokens.push_back({Token::Slash, {}, i + 1});
                ++i;
            } else if (c == '-' || c == '+') {
                return ParseError{unexpectedAt(c, i + 1) + ": a sign goes only in front", i + 1};
            } else {
                return ParseError{unexpectedAt(c, i + 1), i + 1};
            }
            i = skipSpaces(i);
        }
        return std::nullopt;
    }

  private:
    std::size_t skipSpaces(std::size_t i) const {
        while (i < text_.size() && isSpace(text_[i]))
            ++i;
        return i;
    }

    std::optional<ParseError> scanNumber(std::size_t& i, NumberToken& number) {
        number.position = i + 1;
        while (i < text_.size() && (isDigit(text_[i]) || text_[i] == '.')) {
            if (text_[i] == '.') {
                if (number.hasPoint)
                    return ParseError{"a second decimal point at " + std::to_string(i + 1), i + 1};
                number.hasPoint = true;
            } else {
                number.digits += text_[i];
                if (number.hasPoint)
                    ++number.decimals;
            }
            ++i;
        }
        if (number.digits.empty())
            return ParseError{"a decimal point without digits at " +
                                  std::to_string(number.position),
                              number.position};
        if (significantDigits(number.digits) > maxIntegerDigits)
            return ParseError{"the number at " + std::to_string(number.position) +
                                  " has more than " + std::to_string(maxIntegerDigits) + " digits",
                              number.position};
        return std::nullopt;
    }

    std::string_view text_;
};

mpz_class digitsValue(const std::string& digits) {
    return mpz_class(digits, 10);
}

mpq_class numberValue(const NumberToken& number) {
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, number.decimals);
    mpq_class value(digitsValue(number.digits), denominator);
    value.canonicalize();
    return value;
}

std::optional<ParseError> requireWhole(const NumberToken& number, const char* role) {
    if (!number.hasPoint)
        return std::nullopt;
    return ParseError{std::string("a decimal point in the ") + role + " at " +
                          std::to_string(number.position),
                      number.position};
}

std::optional<ParseError> requireNonZero(const NumberToken& denominator) {
    if (digitsValue(denominator.digits) != 0)
        return std::nullopt;
    return ParseError{"the denominator at " + std::to_string(denominator.position) +
                          " is 0, and nothing can be divided by 0",
                      denominator.position};
}

Parsed<TypedRational> fraction(const std::vector<Token>& t, std::size_t first, bool negative,
                               const mpz_class& whole, bool mixed) {
    const NumberToken& top = t[first].number;
    const NumberToken& bottom = t[first + 2].number;
    if (auto error = requireWhole(top, "numerator"))
        return *error;
    if (auto error = requireWhole(bottom, "denominator"))
        return *error;
    if (auto error = requireNonZero(bottom))
        return *error;
    TypedRational result;
    result.form = mixed ? WrittenForm::Mixed : WrittenForm::Fraction;
    result.numerator = digitsValue(top.digits);
    result.denominator = digitsValue(bottom.digits);
    result.value = mpq_class(result.numerator, result.denominator);
    result.value.canonicalize();
    result.value += whole;
    if (negative)
        result.value = -result.value;
    return result;
}

ParseError misplaced(const std::vector<Token>& t, std::string_view text) {
    // Name the first token that does not fit one of the accepted shapes.
    if (t.size() > 1 && t.back().kind == Token::Slash)
        return {"expected a denominator after '/' at " + std::to_string(t.back().position),
                t.back().position};
    for (std::size_t k = 0; k < t.size(); ++k) {
        const bool slashExpected = (t.size() == 3 && k == 1) || (t.size() == 4 && k == 2);
        if (t[k].kind == Token::Slash && !slashExpected)
            return {"unexpected '/' at " + std::to_string(t[k].position), t[k].position};
        if (t[k].kind == Token::Number && slashExpected)
            return {"expected '/' at " + std::to_string(t[k].position), t[k].position};
    }
    return {"expected a number like 3/4, 0.75 or 1 3/4, got \"" + std::string(text) + "\"",
            t.empty() ? 0 : t.front().position};
}

} // namespace

Parsed<mpz_class> parseInteger(std::string_view text) {
    if (auto error = checkLength(text, "a whole number"))
        return *error;
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    std::string digits;
    while (i < text.size() && isDigit(text[i]))
        digits += text[i++];
    std::size_t end = i;
    while (end < text.size() && isSpace(text[end]))
        ++end;
    if (end < text.size()) {
        const std::size_t at = isSpace(text[i]) ? end : i;
        return ParseError{unexpectedAt(text[at], at + 1), at + 1};
    }
    if (digits.empty())
        return ParseError{"expected digits at " + std::to_string(firstDigit + 1), firstDigit + 1};
    if (significantDigits(digits) > maxIntegerDigits)
        return ParseError{"the number has more than " + std::to_string(maxIntegerDigits) +
                              " digits",
                          firstDigit + 1};
    mpz_class value = digitsValue(digits);
    return negative ? mpz_class(-value) : value;
}

Parsed<TypedRational> parseTypedRational(std::string_view text) {
    if (auto error = checkLength(text, "a number"))
        return *error;
    bool negative = false;
    std::vector<Token> t;
    if (auto error = RationalScanner(text).scan(negative, t))
        return *error;
    const auto number = [&](std::size_t k) { return k < t.size() && t[k].kind == Token::Number; };
    const auto slash = [&](std::size_t k) { return k < t.size() && t[k].kind == Token::Slash; };
    if (t.size() == 1 && number(0)) {
        TypedRational result;
        result.value = numberValue(t[0].number);
        if (negative)
            result.value = -result.value;
        result.form = t[0].number.hasPoint ? WrittenForm::Decimal : WrittenForm::Integer;
        result.numerator = t[0].number.hasPoint ? mpz_class(0) : result.value.get_num();
        result.denominator = 1;
        return result;
    }
    if (t.size() == 3 && number(0) && slash(1) && number(2))
        return fraction(t, 0, negative, 0, false);
    if (t.size() == 4 && number(0) && number(1) && slash(2) && number(3)) {
        if (auto error = requireWhole(t[0].number, "whole part"))
            return *error;
        return fraction(t, 1, negative, digitsValue(t[0].number.digits), true);
    }
    if (t.empty())
        return ParseError{"expected a number after the sign", 0};
    return misplaced(t, text);
}

Parsed<mpq_class> parseRational(std::string_view text) {
    auto typed = parseTypedRational(text);
    if (!typed.ok())
        return typed.error();
    return typed.value().value;
}

bool isLowestTerms(std::string_view text) {
    const auto typed = parseTypedRational(text);
    if (!typed.ok())
        return false;
    const TypedRational& r = typed.value();
    switch (r.form) {
    case WrittenForm::Integer:
        return true;
    case WrittenForm::Fraction:
        return gcd(r.numerator, r.denominator) == 1;
    case WrittenForm::Mixed:
        return gcd(r.numerator, r.denominator) == 1 && r.numerator < r.denominator;
    case WrittenForm::Decimal:
        return false;
    }
    return false;
}

Parsed<std::vector<mpz_class>> parseIntegerList(std::string_view text) {
    if (auto error = checkLength(text, "a list of whole numbers"))
        return *error;
    std::vector<mpz_class> values;
    // A comma or semicolon follows a number: one at the start, or two with only blanks between
    // them, leave an empty place where a number was meant ("1,,2"). One after the last number
    // is harmless.
    bool numberAwaited = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isSpace(c)) {
            ++i;
            continue;
        }
        if (c == ',' || c == ';') {
            if (numberAwaited)
                return ParseError{"an empty place in the list at " + std::to_string(i + 1), i + 1};
            numberAwaited = true;
            ++i;
            continue;
        }
        numberAwaited = false;
        std::size_t end = i;
        while (end < text.size() && !isSpace(text[end]) && text[end] != ',' && text[end] != ';')
            ++end;
        auto item = parseInteger(text.substr(i, end - i));
        if (!item.ok()) {
            const std::size_t at = i + (item.error().position > 0 ? item.error().position : 1);
            return ParseError{"\"" + std::string(text.substr(i, end - i)) + "\" at " +
                                  std::to_string(i + 1) + " is not a whole number",
                              at};
        }
        if (values.size() == maxListLength)
            return ParseError{"more than " + std::to_string(maxListLength) + " numbers", i + 1};
        values.push_back(item.value());
        i = end;
    }
    if (values.empty())
        return ParseError{"expected a list of whole numbers, but nothing was typed", 0};
    return values;
}

} // namespace kit
