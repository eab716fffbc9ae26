#include "printed_expression.h"

#include "counting_rules.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace lesson_tests {
namespace {

constexpr char middleDot = '\xB7';                     // Windows-1252
constexpr std::string_view middleDotUtf8 = "\xC2\xB7"; // the picture sources' UTF-8

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

Interval exactly(double value) {
    return {value, value};
}

bool isWholeNumber(const Interval& v) {
    return v.low == v.high && v.low >= 0 && v.low <= 170 && std::floor(v.low) == v.low;
}

Interval scaled(const Interval& v, double factor) {
    return {std::min(v.low * factor, v.high * factor), std::max(v.low * factor, v.high * factor)};
}

Interval fromCorners(double a, double b, double c, double d) {
    return {std::min({a, b, c, d}), std::max({a, b, c, d})};
}

Interval plus(const Interval& a, const Interval& b) {
    return {a.low + b.low, a.high + b.high};
}

Interval minus(const Interval& a, const Interval& b) {
    return {a.low - b.high, a.high - b.low};
}

Interval times(const Interval& a, const Interval& b) {
    return fromCorners(a.low * b.low, a.low * b.high, a.high * b.low, a.high * b.high);
}

std::optional<Interval> dividedBy(const Interval& a, const Interval& b) {
    if (b.low <= 0 && b.high >= 0)
        return std::nullopt;
    return fromCorners(a.low / b.low, a.low / b.high, a.high / b.low, a.high / b.high);
}

std::optional<Interval> power(const Interval& base, const Interval& exponent) {
    if (!isWholeNumber(exponent))
        return std::nullopt;
    const double e = exponent.low;
    Interval out{std::pow(base.low, e), std::pow(base.high, e)};
    if (out.low > out.high)
        std::swap(out.low, out.high);
    if (base.low < 0 && base.high > 0 && static_cast<long>(e) % 2 == 0)
        out.low = 0;
    return out;
}

// One operand of a calculation: its range, and whether it is a factorial (6! 3! multiplies
// side by side).
struct Operand {
    Interval value;
    bool factorial = false;
};

class ExpressionReader {
  public:
    explicit ExpressionReader(std::string_view text) : text_(text) {}

    std::optional<PrintedExpression> read() {
        const auto sum = readSum();
        if (!sum)
            return std::nullopt;
        return PrintedExpression{sum->value, pos_};
    }

  private:
    char at(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
    char peek() const { return at(pos_); }
    void skipBlanks() {
        while (peek() == ' ')
            ++pos_;
    }

    // Number of characters of a multiplication sign at pos_, or 0.
    std::size_t timesSign() const {
        const char c = peek();
        if (c == '*' || c == middleDot)
            return 1;
        if (text_.substr(pos_).starts_with(middleDotUtf8))
            return middleDotUtf8.size();
        if (c == 'x' && !isLetter(at(pos_ + 1)))
            return 1;
        return 0;
    }

    std::optional<Operand> readSum() {
        auto sum = readProduct();
        while (sum) {
            const std::size_t mark = pos_;
            skipBlanks();
            const char sign = peek();
            if (sign != '+' && sign != '-')
                return restoreAnd(mark, sum);
            ++pos_;
            skipBlanks();
            const auto next = readProduct();
            if (!next)
                return restoreAnd(mark, sum);
            sum = Operand{sign == '+' ? plus(sum->value, next->value)
                                      : minus(sum->value, next->value)};
        }
        return sum;
    }

    std::optional<Operand> readProduct() {
        auto product = readSigned();
        while (product) {
            const std::size_t mark = pos_;
            skipBlanks();
            const std::size_t sign = timesSign();
            const bool divides = peek() == '/';
            if (sign == 0 && !divides) {
                if (const auto joined = product->factorial ? sideBySide(*product) : std::nullopt) {
                    product = joined;
                    continue;
                }
                return restoreAnd(mark, product);
            }
            pos_ += divides ? 1 : sign;
            skipBlanks();
            const auto next = readSigned();
            const auto value = !next ? std::nullopt
                               : divides
                                   ? dividedBy(product->value, next->value)
                                   : std::optional<Interval>(times(product->value, next->value));
            if (!value)
                return restoreAnd(mark, product);
            product = Operand{*value};
        }
        return product;
    }

    // "6! 3!": factorials written side by side are multiplied.
    std::optional<Operand> sideBySide(const Operand& left) {
        const auto next = readSigned();
        if (!next || !next->factorial)
            return std::nullopt;
        return Operand{times(left.value, next->value), true};
    }

    std::optional<Operand> readSigned() {
        if (peek() != '-')
            return readPower();
        ++pos_;
        auto operand = readSigned();
        if (operand)
            operand->value = scaled(operand->value, -1);
        return operand;
    }

    std::optional<Operand> readPower() {
        auto base = readPostfix();
        if (!base)
            return base;
        const std::size_t mark = pos_;
        skipBlanks();
        if (peek() != '^')
            return restoreAnd(mark, base);
        ++pos_;
        skipBlanks();
        const auto exponent = readPostfix();
        const auto value = exponent ? power(base->value, exponent->value) : std::nullopt;
        if (!value)
            return restoreAnd(mark, base);
        return Operand{*value};
    }

    std::optional<Operand> readPostfix() {
        auto operand = readPrimary();
        while (operand && (peek() == '!' || peek() == '%')) {
            if (peek() == '%') {
                operand->value = scaled(operand->value, 0.01);
            } else {
                if (!isWholeNumber(operand->value))
                    return std::nullopt;
                operand->value = exactly(factorial(static_cast<int>(operand->value.low)));
                operand->factorial = true;
            }
            ++pos_;
        }
        if (operand && isLetter(peek()) && !timesSign())
            return std::nullopt; // "3d", "2nd": a number glued to a word
        return operand;
    }

    std::optional<Operand> readPrimary() {
        if (peek() == '(')
            return readParenthesised();
        if (text_.substr(pos_).starts_with("sqrt("))
            return readSquareRoot();
        auto number = readNumber();
        if (number && (peek() == 'C' || peek() == 'P') && isDigit(at(pos_ + 1)))
            return readSelection(*number);
        return number;
    }

    std::optional<Operand> readParenthesised() {
        ++pos_;
        skipBlanks();
        auto inner = readSum();
        skipBlanks();
        if (!inner || peek() != ')')
            return std::nullopt;
        ++pos_;
        inner->factorial = false;
        return inner;
    }

    std::optional<Operand> readSquareRoot() {
        pos_ += 4;
        auto inner = readParenthesised();
        if (!inner || inner->value.low < 0)
            return std::nullopt;
        inner->value = {std::sqrt(inner->value.low), std::sqrt(inner->value.high)};
        return inner;
    }

    // "9C3" and "30P3".
    std::optional<Operand> readSelection(const Operand& n) {
        const bool ordered = peek() == 'P';
        ++pos_;
        const auto r = readNumber();
        if (!r || !isWholeNumber(n.value) || !isWholeNumber(r->value))
            return std::nullopt;
        const int items = static_cast<int>(n.value.low);
        const int chosen = static_cast<int>(r->value.low);
        return Operand{
            exactly(ordered ? permutations(items, chosen) : combinations(items, chosen))};
    }

    // Digits with thousands commas ("2,118,760") and decimals; a comma followed by a blank
    // separates two numbers of a list instead.
    std::optional<Operand> readNumber() {
        std::string digits;
        while (isDigit(peek()) || (peek() == ',' && !digits.empty() && isThousandsGroup(pos_ + 1)))
            if (const char c = text_[pos_++]; c != ',')
                digits += c;
        if (digits.empty())
            return std::nullopt;
        std::string decimals;
        if (peek() == '.' && isDigit(at(pos_ + 1))) {
            ++pos_;
            while (isDigit(peek()))
                decimals += text_[pos_++];
        }
        const double value = std::strtod((digits + "." + decimals).c_str(), nullptr);
        const double halfUnit =
            decimals.empty() ? 0 : 0.5 * std::pow(10.0, -double(decimals.size()));
        const std::string all = digits + decimals;
        const auto significant = all.size() - std::min(all.find_first_not_of('0'), all.size());
        const bool rounded = !decimals.empty() && significant >= 3;
        return Operand{rounded ? Interval{value - halfUnit, value + halfUnit} : exactly(value)};
    }

    bool isThousandsGroup(std::size_t i) const {
        return isDigit(at(i)) && isDigit(at(i + 1)) && isDigit(at(i + 2)) && !isDigit(at(i + 3));
    }

    std::optional<Operand> restoreAnd(std::size_t mark, std::optional<Operand> operand) {
        pos_ = mark;
        return operand;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// A printed result stands for its rounding range, whatever its number of digits.
std::optional<Interval> asPrintedResult(std::string_view text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    i += negative ? 1 : 0;
    std::string number;
    while (i < text.size() && (isDigit(text[i]) || text[i] == '.' || text[i] == ','))
        if (const char c = text[i++]; c != ',')
            number += c;
    const bool percent = i < text.size() && text[i] == '%';
    if (number.empty() || i + (percent ? 1 : 0) != text.size())
        return std::nullopt;
    // A whole number is a count and exact; a whole percentage is rounded like any other.
    const auto point = number.find('.');
    const double decimals = point == std::string::npos ? 0 : double(number.size() - point - 1);
    const double halfUnit = decimals > 0 || percent ? 0.5 * std::pow(10.0, -decimals) : 0;
    const double value = std::strtod(number.c_str(), nullptr) * (negative ? -1 : 1);
    return scaled({value - halfUnit, value + halfUnit}, percent ? 0.01 : 1);
}

} // namespace

bool Interval::overlaps(const Interval& other) const {
    const double slack = 1e-9 * std::max({1.0, std::abs(low), std::abs(high)});
    return low <= other.high + slack && other.low <= high + slack;
}

std::optional<PrintedExpression> leadingExpression(std::string_view text) {
    auto expression = ExpressionReader(text).read();
    if (!expression)
        return expression;
    if (const auto result = asPrintedResult(text.substr(0, expression->length)))
        expression->value = *result;
    return expression;
}

std::optional<Interval> wholeExpression(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view trimmed = text.substr(first, last - first + 1);
    const auto expression = leadingExpression(trimmed);
    if (!expression || expression->length != trimmed.size())
        return std::nullopt;
    return expression->value;
}

} // namespace lesson_tests
