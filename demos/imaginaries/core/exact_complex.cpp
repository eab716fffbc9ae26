#include "imaginaries/core/exact_complex.h"

#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"

#include <cctype>

namespace imaginaries {

bool operator==(const ExactComplex& z, const ExactComplex& w) {
    return z.re == w.re && z.im == w.im;
}

ExactComplex operator+(const ExactComplex& z, const ExactComplex& w) {
    return {z.re + w.re, z.im + w.im};
}

ExactComplex operator-(const ExactComplex& z, const ExactComplex& w) {
    return {z.re - w.re, z.im - w.im};
}

ExactComplex operator*(const ExactComplex& z, const ExactComplex& w) {
    return {z.re * w.re - z.im * w.im, z.re * w.im + z.im * w.re};
}

ExactComplex conjugate(const ExactComplex& z) {
    return {z.re, -z.im};
}

mpq_class normSquared(const ExactComplex& z) {
    return z.re * z.re + z.im * z.im;
}

std::optional<ExactComplex> divide(const ExactComplex& z, const ExactComplex& w) {
    const mpq_class norm = normSquared(w);
    if (sgn(norm) == 0)
        return std::nullopt;
    const ExactComplex top = z * conjugate(w);
    return ExactComplex{top.re / norm, top.im / norm};
}

ExactComplex power(const ExactComplex& z, unsigned n) {
    ExactComplex result{1, 0};
    ExactComplex base = z;
    while (n > 0) {
        if (n & 1u)
            result = result * base;
        base = base * base;
        n >>= 1u;
    }
    return result;
}

std::complex<double> toDouble(const ExactComplex& z) {
    return {z.re.get_d(), z.im.get_d()};
}

std::string complexText(const ExactComplex& z) {
    const bool hasRe = sgn(z.re) != 0;
    const bool hasIm = sgn(z.im) != 0;
    if (!hasIm)
        return z.re.get_str();
    std::string text = hasRe ? z.re.get_str() : "";
    const mpq_class size = abs(z.im);
    if (hasRe)
        text += sgn(z.im) < 0 ? " - " : " + ";
    else if (sgn(z.im) < 0)
        text += "-";
    if (size != 1)
        text += size.get_str();
    return text + "i";
}

namespace {

std::string withoutSpaces(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            compact.push_back(c);
    return compact;
}

// The position of a blank between two digits ("1 3/4"), or npos.
std::size_t spaceInsideNumber(std::string_view text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] != ' ' || !std::isdigit(static_cast<unsigned char>(text[i - 1])))
            continue;
        std::size_t next = i;
        while (next < text.size() && text[next] == ' ')
            ++next;
        if (next < text.size() && std::isdigit(static_cast<unsigned char>(text[next])))
            return i;
    }
    return std::string_view::npos;
}

// One signed term of the compact text starting at begin: a rational, a rational times i, or i.
kit::Parsed<ExactComplex> parseTerm(const std::string& term, std::size_t begin) {
    std::string body = term;
    bool negative = false;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        negative = body[0] == '-';
        body.erase(0, 1);
    }
    const bool imaginary = !body.empty() && (body.back() == 'i' || body.back() == 'j');
    if (imaginary) {
        body.pop_back();
        if (!body.empty() && body.back() == '*')
            body.pop_back();
    }
    mpq_class size = 1;
    if (!body.empty() || !imaginary) {
        const kit::Parsed<mpq_class> number = kit::parseRational(body);
        if (!number.ok())
            return kit::ParseError{number.error().message + " in the term starting at " +
                                       std::to_string(begin + 1),
                                   begin + 1};
        size = number.value();
    }
    if (negative)
        size = -size;
    return imaginary ? ExactComplex{0, size} : ExactComplex{size, 0};
}

} // namespace

kit::Parsed<ExactComplex> parseComplex(std::string_view text) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the input is longer than " + std::to_string(kit::maxInputLength) +
                                   " characters",
                               kit::maxInputLength};
    if (const std::size_t gap = spaceInsideNumber(text); gap != std::string_view::npos)
        return kit::ParseError{"a space inside a number at " + std::to_string(gap + 1) +
                                   " (mixed numbers are not read here: write 7/4, not 1 3/4)",
                               gap + 1};
    const std::string compact = withoutSpaces(text);
    if (compact.empty())
        return kit::ParseError{"expected a complex number such as 3 - 4i", 0};
    ExactComplex sum{0, 0};
    std::size_t begin = 0;
    int terms = 0;
    while (begin < compact.size()) {
        std::size_t end = begin + 1;
        // A sign starts a new term unless it follows a '/' (as in 1/-2).
        while (end < compact.size() &&
               !((compact[end] == '+' || compact[end] == '-') && compact[end - 1] != '/'))
            ++end;
        const kit::Parsed<ExactComplex> term = parseTerm(compact.substr(begin, end - begin), begin);
        if (!term.ok())
            return term.error();
        if (++terms > 2)
            return kit::ParseError{"more than a real and an imaginary part at " +
                                       std::to_string(begin + 1),
                                   begin + 1};
        sum = sum + term.value();
        begin = end;
    }
    return sum;
}

kit::Parsed<std::vector<ExactComplex>> parseComplexList(std::string_view text) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the input is too long", kit::maxInputLength};
    std::vector<ExactComplex> values;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find_first_of(",;", begin);
        if (end == std::string_view::npos)
            end = text.size();
        const kit::Parsed<ExactComplex> value = parseComplex(text.substr(begin, end - begin));
        if (!value.ok())
            return kit::ParseError{"number " + std::to_string(values.size() + 1) + ": " +
                                       value.error().message,
                                   begin + value.error().position};
        values.push_back(value.value());
        begin = end + 1;
    }
    return values;
}

} // namespace imaginaries
