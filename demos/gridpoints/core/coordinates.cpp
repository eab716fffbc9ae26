#include "gridpoints/core/coordinates.h"

#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <algorithm>
#include <cctype>

namespace gridpoints {

namespace {

const std::string squared = "\u00b2";

std::string trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return std::string(text);
}

// "(x - 3)" for a shift by 3, "(x + 1/2)" for -1/2, "x" for 0.
std::string shifted(const std::string& variable, const mpq_class& by) {
    if (by == 0)
        return variable;
    return "(" + variable + (by > 0 ? " - " : " + ") + numberText(abs(by)) + ")";
}

} // namespace

std::string numberText(const mpq_class& q) {
    return q.get_str();
}

std::string bracketed(const mpq_class& q) {
    return q < 0 ? "(" + q.get_str() + ")" : q.get_str();
}

std::string pointText(const ExactPoint& p) {
    return "(" + p.x.get_str() + ", " + p.y.get_str() + ")";
}

kit::Parsed<ExactPoint> parsePoint(std::string_view typed) {
    if (auto error = kit::checkLength(typed, "a point (x, y)"))
        return *error;
    std::string text = trim(typed);
    if (!text.empty() && text.front() == '(') {
        if (text.back() != ')')
            return kit::ParseError{"the bracket after the point is not closed", 0};
        text = trim(text.substr(1, text.size() - 2));
    } else if (!text.empty() && text.back() == ')') {
        return kit::ParseError{"a closing bracket without an opening one", 0};
    }
    std::vector<std::string> parts;
    const auto separator = text.find_first_of(",;");
    if (separator != std::string::npos) {
        parts = {text.substr(0, separator), text.substr(separator + 1)};
        if (parts[1].find_first_of(",;") != std::string::npos)
            return kit::ParseError{"a point has two coordinates, got more", 0};
    } else {
        const auto space = text.find(' ');
        if (space == std::string::npos)
            return kit::ParseError{"expected two coordinates like (3, -1)", 0};
        parts = {text.substr(0, space), text.substr(space + 1)};
    }
    ExactPoint point;
    const char* names[] = {"x", "y"};
    mpq_class* values[] = {&point.x, &point.y};
    for (int i = 0; i < 2; ++i) {
        const auto value = kit::parseRational(trim(parts[static_cast<std::size_t>(i)]));
        if (!value.ok())
            return kit::ParseError{std::string(names[i]) + ": " + value.error().message, 0};
        *values[i] = value.value();
    }
    return point;
}

mpq_class distanceSquared(const ExactPoint& p, const ExactPoint& q) {
    const mpq_class dx = q.x - p.x, dy = q.y - p.y;
    return dx * dx + dy * dy;
}

kit::Surd distance(const ExactPoint& p, const ExactPoint& q) {
    const mpq_class square = distanceSquared(p, q);
    kit::WorkBudget budget(200000);
    if (auto root = kit::exactSquareRoot(square, budget))
        return *root;
    return kit::Surd{mpq_class(1, square.get_den()), square.get_num() * square.get_den()};
}

std::string distanceText(const ExactPoint& p, const ExactPoint& q) {
    return kit::surdText(distance(p, q));
}

std::optional<mpq_class> slope(const ExactPoint& p, const ExactPoint& q) {
    if (p.x == q.x)
        return std::nullopt;
    return mpq_class((q.y - p.y) / (q.x - p.x));
}

std::optional<mpq_class> Line::slope() const {
    if (b == 0)
        return std::nullopt;
    return mpq_class(mpq_class(-a) / mpq_class(b));
}

std::optional<mpq_class> Line::intercept() const {
    if (b == 0)
        return std::nullopt;
    return mpq_class(mpq_class(c) / mpq_class(b));
}

Line makeLine(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    // Clear the denominators, then divide by the common factor.
    mpz_class scale = 1;
    for (const mpq_class* q : {&a, &b, &c})
        scale = lcm(scale, q->get_den());
    mpq_class sa = a * scale, sb = b * scale, sc = c * scale;
    Line line{sa.get_num(), sb.get_num(), sc.get_num()};
    mpz_class g = gcd(gcd(line.a, line.b), line.c);
    if (g == 0)
        g = 1;
    line.a /= g;
    line.b /= g;
    line.c /= g;
    if (line.a < 0 || (line.a == 0 && line.b < 0)) {
        line.a = -line.a;
        line.b = -line.b;
        line.c = -line.c;
    }
    return line;
}

Line lineThrough(const ExactPoint& p, const ExactPoint& q) {
    // (y₂ − y₁)x − (x₂ − x₁)y = (y₂ − y₁)x₁ − (x₂ − x₁)y₁
    const mpq_class dx = q.x - p.x, dy = q.y - p.y;
    return makeLine(dy, -dx, dy * p.x - dx * p.y);
}

Line lineWithSlope(const ExactPoint& p, const mpq_class& m) {
    // y − y₁ = m(x − x₁)  ⇔  m·x − y = m·x₁ − y₁
    return makeLine(m, -1, m * p.x - p.y);
}

Line parallelThrough(const Line& line, const ExactPoint& p) {
    return makeLine(mpq_class(line.a), mpq_class(line.b), line.a * p.x + line.b * p.y);
}

Line perpendicularThrough(const Line& line, const ExactPoint& p) {
    // The normal (a, b) of the line is the direction of the perpendicular: b·x − a·y = const.
    return makeLine(mpq_class(line.b), mpq_class(-line.a), line.b * p.x - line.a * p.y);
}

std::optional<ExactPoint> intersection(const Line& l, const Line& m) {
    const mpz_class det = l.a * m.b - l.b * m.a;
    if (det == 0)
        return std::nullopt;
    const mpq_class d(det);
    return ExactPoint{mpq_class(l.c * m.b - l.b * m.c) / d, mpq_class(l.a * m.c - l.c * m.a) / d};
}

bool contains(const Line& line, const ExactPoint& p) {
    return line.a * p.x + line.b * p.y == mpq_class(line.c);
}

std::string termText(const mpq_class& coefficient, const std::string& variable) {
    if (coefficient == 0)
        return "";
    if (variable.empty())
        return coefficient.get_str();
    if (coefficient == 1)
        return variable;
    if (coefficient == -1)
        return "-" + variable;
    if (coefficient.get_den() != 1)
        return (coefficient < 0 ? "-(" : "(") + mpq_class(abs(coefficient)).get_str() + ")" +
               variable;
    return coefficient.get_str() + variable;
}

std::string joinTerms(const std::vector<std::string>& terms) {
    std::string text;
    for (const std::string& term : terms) {
        if (term.empty())
            continue;
        if (text.empty())
            text = term;
        else if (term.front() == '-')
            text += " - " + term.substr(1);
        else
            text += " + " + term;
    }
    return text.empty() ? "0" : text;
}

std::string slopeInterceptText(const Line& line) {
    if (line.vertical())
        return "x = " + mpq_class(mpq_class(line.c) / mpq_class(line.a)).get_str();
    return "y = " + joinTerms({termText(*line.slope(), "x"), termText(*line.intercept(), "")});
}

std::string pointSlopeText(const Line& line, const ExactPoint& p) {
    if (line.vertical())
        return "x = " + p.x.get_str();
    const mpq_class m = *line.slope();
    const std::string left =
        p.y == 0 ? "y" : "y " + std::string(p.y > 0 ? "- " : "+ ") + mpq_class(abs(p.y)).get_str();
    if (m == 0)
        return left + " = 0";
    const std::string right = p.x == 0 ? termText(m, "x") : termText(m, shifted("x", p.x));
    return left + " = " + right;
}

std::string generalText(const Line& line) {
    return joinTerms({termText(mpq_class(line.a), "x"), termText(mpq_class(line.b), "y"),
                      termText(mpq_class(-line.c), "")}) +
           " = 0";
}

mpq_class shoelaceSum(const std::vector<ExactPoint>& polygon) {
    mpq_class sum = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ExactPoint& p = polygon[i];
        const ExactPoint& q = polygon[(i + 1) % polygon.size()];
        sum += p.x * q.y - q.x * p.y;
    }
    return sum;
}

mpq_class polygonArea(const std::vector<ExactPoint>& polygon) {
    return abs(shoelaceSum(polygon)) / 2;
}

namespace {

int orientation(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c) {
    const mpq_class cross = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    return sgn(cross);
}

bool between(const ExactPoint& a, const ExactPoint& b, const ExactPoint& p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

bool segmentsMeet(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c,
                  const ExactPoint& d) {
    const int o1 = orientation(a, b, c), o2 = orientation(a, b, d);
    const int o3 = orientation(c, d, a), o4 = orientation(c, d, b);
    if (o1 * o2 < 0 && o3 * o4 < 0)
        return true;
    return (o1 == 0 && between(a, b, c)) || (o2 == 0 && between(a, b, d)) ||
           (o3 == 0 && between(c, d, a)) || (o4 == 0 && between(c, d, b));
}

} // namespace

bool sidesCross(const std::vector<ExactPoint>& polygon) {
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue; // neighbours through the first corner
            if (segmentsMeet(polygon[i], polygon[(i + 1) % n], polygon[j], polygon[(j + 1) % n]))
                return true;
        }
    return false;
}

std::vector<std::string> shoelaceTerms(const std::vector<ExactPoint>& polygon) {
    std::vector<std::string> terms;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ExactPoint& p = polygon[i];
        const ExactPoint& q = polygon[(i + 1) % polygon.size()];
        terms.push_back(bracketed(p.x) + "\u00b7" + bracketed(q.y) + " \u2212 " + bracketed(q.x) +
                        "\u00b7" + bracketed(p.y) + " = " +
                        mpq_class(p.x * q.y - q.x * p.y).get_str());
    }
    return terms;
}

ExactPoint midpoint(const ExactPoint& p, const ExactPoint& q) {
    return {mpq_class((p.x + q.x) / 2), mpq_class((p.y + q.y) / 2)};
}

ExactPoint sectionPoint(const ExactPoint& p, const ExactPoint& q, const mpq_class& m,
                        const mpq_class& n) {
    const mpq_class total = m + n;
    return {mpq_class((n * p.x + m * q.x) / total), mpq_class((n * p.y + m * q.y) / total)};
}

ExactPoint centroid(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c) {
    return {mpq_class((a.x + b.x + c.x) / 3), mpq_class((a.y + b.y + c.y) / 3)};
}

std::string circleText(const ExactPoint& centre, const mpq_class& radiusSquared) {
    return shifted("x", centre.x) + squared + " + " + shifted("y", centre.y) + squared + " = " +
           radiusSquared.get_str();
}

std::string expandedCircleText(const ExactPoint& centre, const mpq_class& radiusSquared) {
    const mpq_class constant = centre.x * centre.x + centre.y * centre.y - radiusSquared;
    return joinTerms({"x" + squared, "y" + squared, termText(-2 * centre.x, "x"),
                      termText(-2 * centre.y, "y"), termText(constant, "")}) +
           " = 0";
}

} // namespace gridpoints
