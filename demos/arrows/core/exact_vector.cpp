#include "arrows/core/exact_vector.h"

#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <stdexcept>

namespace arrows {

namespace {

void requireSameDimension(const ExactVector& a, const ExactVector& b) {
    if (a.size() != b.size())
        throw std::invalid_argument("vectors of different dimensions");
}

} // namespace

ExactVector add(const ExactVector& a, const ExactVector& b) {
    return combine(1, a, 1, b);
}

ExactVector subtract(const ExactVector& a, const ExactVector& b) {
    return combine(1, a, -1, b);
}

ExactVector scale(const mpq_class& s, const ExactVector& a) {
    ExactVector result;
    for (const mpq_class& x : a)
        result.push_back(s * x);
    return result;
}

ExactVector combine(const mpq_class& s, const ExactVector& a, const mpq_class& t,
                    const ExactVector& b) {
    requireSameDimension(a, b);
    ExactVector result;
    for (std::size_t i = 0; i < a.size(); ++i)
        result.push_back(s * a[i] + t * b[i]);
    return result;
}

mpq_class dot(const ExactVector& a, const ExactVector& b) {
    requireSameDimension(a, b);
    mpq_class sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += a[i] * b[i];
    return sum;
}

mpq_class lengthSquared(const ExactVector& a) {
    return dot(a, a);
}

bool isZero(const ExactVector& a) {
    for (const mpq_class& x : a)
        if (x != 0)
            return false;
    return true;
}

ExactVector projection(const ExactVector& a, const ExactVector& onto) {
    if (isZero(onto))
        throw std::invalid_argument("projection onto the zero vector");
    return scale(dot(a, onto) / lengthSquared(onto), onto);
}

ExactVector cross(const ExactVector& a, const ExactVector& b) {
    if (a.size() != 3 || b.size() != 3)
        throw std::invalid_argument("the cross product takes two vectors of three components");
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

mpq_class determinant(const ExactVector& a, const ExactVector& b) {
    return a.at(0) * b.at(1) - a.at(1) * b.at(0);
}

std::string rationalText(const mpq_class& q) {
    return q.get_str();
}

std::string bracketedText(const mpq_class& q) {
    return q < 0 ? "(" + q.get_str() + ")" : q.get_str();
}

std::string dotWorking(const ExactVector& a, const ExactVector& b) {
    requireSameDimension(a, b);
    std::string text;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0)
            text += " + ";
        text += bracketedText(a[i]) + "\u00b7" + bracketedText(b[i]);
    }
    return text;
}

std::string vectorText(const ExactVector& a) {
    std::string text = "(";
    for (std::size_t i = 0; i < a.size(); ++i) {
        mpq_class component = a[i];
        component.canonicalize();
        text += (i > 0 ? ", " : "") + component.get_str();
    }
    return text + ")";
}

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Strips one pair of enclosing brackets "(...)", "[...]" or "<...>"; an unmatched one is an error.
kit::Parsed<std::string_view> withoutBrackets(std::string_view text) {
    const std::string opens = "([<", closes = ")]>";
    const auto open = opens.find(text.front());
    const auto close = closes.find(text.back());
    if (open == std::string::npos && close == std::string::npos)
        return text;
    if (open == std::string::npos || close != open || text.size() < 2)
        return kit::ParseError{"the brackets around the components do not match", 0};
    return trimmed(text.substr(1, text.size() - 2));
}

std::vector<std::string_view> splitComponents(std::string_view inner) {
    const bool hasSeparator = inner.find_first_of(",;") != std::string_view::npos;
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= inner.size(); ++i) {
        const bool end = i == inner.size();
        const char c = end ? ',' : inner[i];
        const bool cut = hasSeparator ? (c == ',' || c == ';') : (end || c == ' ');
        if (!cut)
            continue;
        const std::string_view part = trimmed(inner.substr(start, i - start));
        if (hasSeparator || !part.empty())
            parts.push_back(part);
        start = i + 1;
    }
    return parts;
}

} // namespace

kit::Parsed<ExactVector> parseVector(std::string_view text, std::size_t dimension) {
    if (auto error = kit::checkLength(text, "a vector"))
        return *error;
    const auto inner = withoutBrackets(trimmed(text));
    if (!inner.ok())
        return inner.error();
    const std::vector<std::string_view> parts = splitComponents(inner.value());
    ExactVector result;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty())
            return kit::ParseError{"component " + std::to_string(i + 1) + " is missing", 0};
        const auto component = kit::parseRational(parts[i]);
        if (!component.ok())
            return kit::ParseError{
                "component " + std::to_string(i + 1) + ": " + component.error().message, 0};
        result.push_back(component.value());
    }
    if (result.size() != dimension)
        return kit::ParseError{"expected " + std::to_string(dimension) + " components, got " +
                                   std::to_string(result.size()),
                               0};
    return result;
}

} // namespace arrows
