#include "transformkit/core/exact_point.h"

#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"

#include <cmath>
#include <cstdio>

namespace transformkit {

ExactPoint operator+(const ExactPoint& p, const ExactPoint& q) {
    return {p.x + q.x, p.y + q.y};
}

ExactPoint operator-(const ExactPoint& p, const ExactPoint& q) {
    return {p.x - q.x, p.y - q.y};
}

ExactPoint operator*(const mpq_class& k, const ExactPoint& p) {
    return {k * p.x, k * p.y};
}

mpq_class distanceSquared(const ExactPoint& p, const ExactPoint& q) {
    const ExactPoint d = p - q;
    return d.x * d.x + d.y * d.y;
}

std::string numberText(const mpq_class& value) {
    mpq_class v = value;
    v.canonicalize();
    return v.get_str();
}

std::string pointText(const ExactPoint& p) {
    return "(" + numberText(p.x) + ", " + numberText(p.y) + ")";
}

std::string displayNumber(const mpq_class& value) {
    const std::string text = numberText(value);
    return text[0] == '-' ? "\u2212" + text.substr(1) : text;
}

std::string displayPoint(const ExactPoint& p) {
    return "(" + displayNumber(p.x) + ", " + displayNumber(p.y) + ")";
}

std::string roundedText(double value) {
    if (std::abs(value) < 0.005)
        value = 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    if (text == "-0")
        text = "0";
    return text[0] == '-' ? "\u2212" + text.substr(1) : text;
}

namespace {

// n = outside² · inside with inside free of square factors below the trial limit; false when n
// is too large to try.
bool splitSquare(const mpz_class& n, mpz_class& outside, mpz_class& inside) {
    if (mpz_sizeinbase(n.get_mpz_t(), 2) > 64)
        return false;
    outside = 1;
    inside = n;
    for (unsigned long f = 2; f <= 10000 && f * f <= inside; ++f) {
        const mpz_class square = mpz_class(f) * f;
        while (inside % square == 0) {
            inside /= square;
            outside *= f;
        }
    }
    return true;
}

std::string decimalText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4g", value);
    return buffer;
}

} // namespace

std::string rootText(const mpq_class& square) {
    if (sgn(square) < 0)
        return "undefined";
    if (sgn(square) == 0)
        return "0";
    // √(p/q) = √(pq)/q.
    const mpz_class p = square.get_num(), q = square.get_den();
    mpz_class outside, inside;
    if (!splitSquare(p * q, outside, inside))
        return decimalText(std::sqrt(square.get_d()));
    mpq_class coefficient(outside, q);
    coefficient.canonicalize();
    if (inside == 1)
        return numberText(coefficient);
    const std::string root = "\u221a" + inside.get_str();
    const std::string top =
        coefficient.get_num() == 1 ? root : coefficient.get_num().get_str() + root;
    return coefficient.get_den() == 1 ? top : top + "/" + coefficient.get_den().get_str();
}

namespace {

std::string withPlainMinus(std::string_view text) {
    std::string out;
    const std::string minus = "\u2212";
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, minus.size()) == minus) {
            out += '-';
            i += minus.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

} // namespace

kit::Parsed<ExactPoint> parsePoint(std::string_view typed) {
    if (typed.size() > kit::maxInputLength)
        return kit::ParseError{
            "too long: at most " + std::to_string(kit::maxInputLength) + " characters", 0};
    std::string text = trimmed(withPlainMinus(typed));
    if (text.empty())
        return kit::ParseError{"type a point such as (3, -2)", 0};
    const bool opens = text.front() == '(', closes = text.back() == ')';
    if (opens != closes)
        return kit::ParseError{
            opens ? "a bracket is opened but not closed" : "a bracket is closed but not opened", 0};
    if (opens)
        text = text.substr(1, text.size() - 2);
    std::size_t separator = text.find_first_of(",;");
    if (separator == std::string::npos)
        return kit::ParseError{"write both coordinates, separated by a comma: (x, y)", 0};
    if (text.find_first_of(",;", separator + 1) != std::string::npos)
        return kit::ParseError{"a point has two coordinates, not more", 0};
    const std::string first = text.substr(0, separator), second = text.substr(separator + 1);
    const auto x = kit::parseRational(first);
    if (!x.ok())
        return kit::ParseError{"x: " + x.error().message, 0};
    const auto y = kit::parseRational(second);
    if (!y.ok())
        return kit::ParseError{"y: " + y.error().message, 0};
    return ExactPoint{x.value(), y.value()};
}

} // namespace transformkit
