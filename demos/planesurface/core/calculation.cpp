#include "planesurface/core/calculation.h"

#include "kit/core/number_input.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace planesurface {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int circleSamples = 720;
const std::string dot = "\u00b7";
const std::string half = "\u00bd";
const std::string squared = "\u00b2";
const std::string degree = "\u00b0";

std::string t(const mpq_class& q) {
    return numberText(q);
}

double radians(const mpq_class& degrees) {
    return degrees.get_d() * pi / 180.0;
}

kit::Surd root(const mpq_class& square) {
    kit::WorkBudget budget(200000);
    if (auto exact = kit::exactSquareRoot(square, budget))
        return *exact;
    // Beyond the budget the root stays unsimplified but exact: √(p/q) = √(pq)/q.
    return kit::Surd{mpq_class(1, square.get_den()), square.get_num() * square.get_den()};
}

kit::Surd times(const mpq_class& q, kit::Surd s) {
    s.coefficient *= q;
    return s;
}

Mark side(Point from, Point to, std::string label) {
    return {from, to, std::move(label), Mark::Style::Side};
}
Mark height(Point from, Point to, std::string label) {
    return {from, to, std::move(label), Mark::Style::Height};
}
Mark radius(Point from, Point to, std::string label) {
    return {from, to, std::move(label), Mark::Style::Radius};
}

std::string labelled(const std::string& symbol, const mpq_class& value) {
    return symbol + " = " + t(value);
}

std::vector<Point> ellipse(double a, double b, double fromDegrees = 0, double spanDegrees = 360) {
    std::vector<Point> points;
    const int samples = std::max(8, static_cast<int>(circleSamples * spanDegrees / 360.0));
    const bool full = spanDegrees >= 360.0;
    for (int i = 0; i < samples + (full ? 0 : 1); ++i) {
        const double angle = (fromDegrees + spanDegrees * i / samples) * pi / 180.0;
        points.push_back({a * std::cos(angle), b * std::sin(angle)});
    }
    return points;
}

// The perimeter of the ellipse with semi-axes a and b by the arithmetic-geometric mean:
// P = 2π/M(a, b)·(a² − Σ 2ⁿ⁻¹cₙ²) with c₀² = a² − b² and cₙ₊₁ = (aₙ − bₙ)/2.
double ellipsePerimeter(double a, double b) {
    double an = std::max(a, b), bn = std::min(a, b);
    double sum = (an * an - bn * bn) / 2;
    double power = 1;
    for (int i = 0; i < 40 && an - bn > 1e-15 * an; ++i) {
        const double cn = (an - bn) / 2;
        const double next = (an + bn) / 2;
        bn = std::sqrt(an * bn);
        an = next;
        sum += power * cn * cn;
        power *= 2;
    }
    return 2 * pi / an * (std::max(a, b) * std::max(a, b) - sum);
}

InputError fieldError(std::size_t field, std::string message) {
    return {field, std::move(message)};
}

Calculation square(const std::vector<mpq_class>& v) {
    const mpq_class& a = v[0];
    const double s = a.get_d();
    Calculation c;
    c.areaFormula = "A = a" + squared;
    c.areaSubstitution = "A = " + t(a) + squared;
    c.area = rationalAmount(a * a);
    c.perimeterFormula = "P = 4a";
    c.perimeterSubstitution = "P = 4" + dot + t(a);
    c.perimeter = rationalAmount(4 * a);
    c.figure.outlines = {{{0, 0}, {s, 0}, {s, s}, {0, s}}};
    c.figure.marks = {side({0, 0}, {s, 0}, labelled("a", a)), side({s, 0}, {s, s}, "a")};
    c.figure.rightAngles = {{{0, 0}, {1, 0}, {0, 1}}};
    return c;
}

Calculation rectangle(const std::vector<mpq_class>& v) {
    const mpq_class &l = v[0], &w = v[1];
    const double x = l.get_d(), y = w.get_d();
    Calculation c;
    c.areaFormula = "A = l" + dot + "w";
    c.areaSubstitution = "A = " + t(l) + dot + t(w);
    c.area = rationalAmount(l * w);
    c.perimeterFormula = "P = 2(l + w)";
    c.perimeterSubstitution = "P = 2(" + t(l) + " + " + t(w) + ")";
    c.perimeter = rationalAmount(2 * (l + w));
    c.figure.outlines = {{{0, 0}, {x, 0}, {x, y}, {0, y}}};
    c.figure.marks = {side({0, 0}, {x, 0}, labelled("l", l)),
                      side({x, 0}, {x, y}, labelled("w", w))};
    c.figure.rightAngles = {{{0, 0}, {1, 0}, {0, 1}}};
    return c;
}

CalculationResult parallelogram(const std::vector<mpq_class>& v) {
    const mpq_class &b = v[0], &s = v[1], &h = v[2];
    if (h > s)
        return fieldError(2, "the height h = " + t(h) +
                                 " cannot be longer than the slanted side s = " + t(s) +
                                 ": the height is the shortest way across");
    const double offset = std::sqrt(std::max(0.0, mpq_class(s * s - h * h).get_d()));
    const double x = b.get_d(), y = h.get_d();
    Calculation c;
    c.areaFormula = "A = b" + dot + "h";
    c.areaSubstitution = "A = " + t(b) + dot + t(h);
    c.area = rationalAmount(b * h);
    c.perimeterFormula = "P = 2(b + s)";
    c.perimeterSubstitution = "P = 2(" + t(b) + " + " + t(s) + ")";
    c.perimeter = rationalAmount(2 * (b + s));
    c.steps = {"Cut the triangle off one end and put it on the other: the parallelogram becomes a "
               "rectangle b by h, so A = b" +
               dot + "h (the slanted side is not used)."};
    c.figure.outlines = {{{0, 0}, {x, 0}, {x + offset, y}, {offset, y}}};
    c.figure.marks = {side({0, 0}, {x, 0}, labelled("b", b)),
                      side({0, 0}, {offset, y}, labelled("s", s)),
                      height({x + offset, y}, {x + offset, 0}, labelled("h", h))};
    c.figure.rightAngles = {{{x + offset, 0}, {-1, 0}, {0, 1}}};
    return c;
}

Calculation triangleBaseHeight(const std::vector<mpq_class>& v) {
    const mpq_class &b = v[0], &h = v[1];
    const double x = b.get_d(), y = h.get_d();
    Calculation c;
    c.areaFormula = "A = " + half + dot + "b" + dot + "h";
    c.areaSubstitution = "A = " + half + dot + t(b) + dot + t(h);
    c.area = rationalAmount(b * h / 2);
    c.perimeterNote = "The base and the height do not fix the other two sides: sliding the top "
                      "corner along a parallel to the base keeps the area but changes the "
                      "perimeter. Choose a triangle by its three sides to get the perimeter.";
    c.steps = {"Two copies of the triangle make a parallelogram with base b and height h, so the "
               "triangle has half its area."};
    c.figure.outlines = {{{0, 0}, {x, 0}, {x / 2, y}}};
    c.figure.marks = {side({0, 0}, {x, 0}, labelled("b", b)),
                      height({x / 2, y}, {x / 2, 0}, labelled("h", h))};
    c.figure.rightAngles = {{{x / 2, 0}, {1, 0}, {0, 1}}};
    return c;
}

// The corner opposite side a on the x axis, with |AB| = c and |AC| = b.
Point apex(double a, double b, double c) {
    const double x = (a * a + c * c - b * b) / (2 * a);
    return {x, std::sqrt(std::max(0.0, c * c - x * x))};
}

CalculationResult triangleThreeSides(const std::vector<mpq_class>& v) {
    const mpq_class &a = v[0], &b = v[1], &c = v[2];
    const std::size_t longest = a >= b && a >= c ? 0 : (b >= c ? 1 : 2);
    const char* names[] = {"a", "b", "c"};
    const mpq_class rest = a + b + c - v[longest];
    const std::size_t o1 = (longest + 1) % 3, o2 = (longest + 2) % 3;
    const std::string others =
        std::string(names[std::min(o1, o2)]) + " + " + names[std::max(o1, o2)];
    if (v[longest] > rest)
        return fieldError(longest, std::string(names[longest]) + " = " + t(v[longest]) +
                                       " is longer than " + others + " = " + t(rest) +
                                       ": these sides do not close up into a triangle");
    if (v[longest] == rest)
        return fieldError(longest, std::string(names[longest]) + " = " + t(v[longest]) +
                                       " equals " + others +
                                       ": the triangle is flat (each side must be less than the "
                                       "sum of the other two)");
    const mpq_class s = (a + b + c) / 2;
    const mpq_class product = s * (s - a) * (s - b) * (s - c);
    const kit::Surd area = root(product);
    Calculation r;
    r.areaFormula = "A = \u221a(s(s \u2212 a)(s \u2212 b)(s \u2212 c)), s = (a + b + c)/2";
    r.areaSubstitution = "A = \u221a(" + t(s) + dot + t(s - a) + dot + t(s - b) + dot + t(s - c) +
                         ") = \u221a" + t(product);
    r.area = surdAmount(area);
    r.steps = {
        "s = (" + t(a) + " + " + t(b) + " + " + t(c) + ")/2 = " + t(s) + " (half the perimeter)",
        "s \u2212 a = " + t(s - a) + ", s \u2212 b = " + t(s - b) + ", s \u2212 c = " + t(s - c),
        "The height on side a is h = 2A/a = " + roundedText(2 * area.approximate() / a.get_d()) +
            ", and \u00bd" + dot + "a" + dot + "h gives the same area."};
    r.perimeterFormula = "P = a + b + c";
    r.perimeterSubstitution = "P = " + t(a) + " + " + t(b) + " + " + t(c);
    r.perimeter = rationalAmount(a + b + c);
    const double x = a.get_d();
    const Point top = apex(x, b.get_d(), c.get_d());
    r.figure.outlines = {{{0, 0}, {x, 0}, top}};
    r.figure.marks = {side({0, 0}, {x, 0}, labelled("a", a)), side({x, 0}, top, labelled("b", b)),
                      side(top, {0, 0}, labelled("c", c))};
    return r;
}

CalculationResult triangleTwoSidesAngle(const std::vector<mpq_class>& v) {
    const mpq_class &a = v[0], &b = v[1], &angle = v[2];
    if (angle >= 180)
        return fieldError(2, "an angle of a triangle is less than 180" + degree +
                                 " (the three angles add up to 180" + degree + ")");
    Calculation c;
    c.areaFormula = "A = " + half + dot + "a" + dot + "b" + dot + "sin C";
    c.areaSubstitution = "A = " + half + dot + t(a) + dot + t(b) + dot + "sin " + t(angle) + degree;
    const double sine = std::sin(radians(angle));
    if (auto s = exactSine(angle))
        c.area = surdAmount(times(a * b / 2, *s));
    else
        c.area = decimalAmount(a.get_d() * b.get_d() * sine / 2);
    c.steps = {"The height on side a is b" + dot + "sin C, so this is " + half + dot + "base" +
               dot + "height again."};
    const std::string lawOfCosines = "c" + squared + " = a" + squared + " + b" + squared +
                                     " \u2212 2ab" + dot + "cos C = " + t(a) + squared + " + " +
                                     t(b) + squared + " \u2212 2" + dot + t(a) + dot + t(b) + dot +
                                     "cos " + t(angle) + degree;
    double third = 0;
    if (auto cosine = exactCosine(angle)) {
        const mpq_class cc = a * a + b * b - 2 * a * b * *cosine;
        const kit::Surd side3 = root(cc);
        c.steps.push_back(lawOfCosines + " = " + t(cc) +
                          ", so c = " + amountText(surdAmount(side3)));
        c.perimeter = sumAmount(a + b, side3);
        third = side3.approximate();
    } else {
        third = std::sqrt(std::max(0.0, a.get_d() * a.get_d() + b.get_d() * b.get_d() -
                                            2 * a.get_d() * b.get_d() * std::cos(radians(angle))));
        c.steps.push_back(lawOfCosines + ", so c \u2248 " + roundedText(third));
        c.perimeter = decimalAmount(a.get_d() + b.get_d() + third);
    }
    c.perimeterFormula = "P = a + b + c";
    c.perimeterSubstitution = "P = " + t(a) + " + " + t(b) + " + c";
    const double x = a.get_d();
    const Point top{b.get_d() * std::cos(radians(angle)), b.get_d() * sine};
    c.figure.outlines = {{{0, 0}, {x, 0}, top}};
    c.figure.marks = {side({0, 0}, {x, 0}, labelled("a", a)), side(top, {0, 0}, labelled("b", b)),
                      side({x, 0}, top, "c")};
    return c;
}

Calculation trapezoid(const std::vector<mpq_class>& v) {
    const mpq_class &a = v[0], &b = v[1], &h = v[2];
    const mpq_class shift = (a - b) / 2;
    const kit::Surd leg = root(h * h + shift * shift);
    Calculation c;
    c.areaFormula = "A = " + half + "(a + b)" + dot + "h";
    c.areaSubstitution = "A = " + half + "(" + t(a) + " + " + t(b) + ")" + dot + t(h);
    c.area = rationalAmount((a + b) * h / 2);
    c.steps = {"Two copies, one turned upside down, make a parallelogram with base a + b and "
               "height h: the trapezoid is half of it.",
               "Each leg of the isosceles trapezoid drawn is \u221a(h" + squared +
                   " + ((a \u2212 b)/2)" + squared + ") = \u221a(" + t(h * h + shift * shift) +
                   ") = " + amountText(surdAmount(leg))};
    c.perimeterFormula = "P = a + b + 2" + dot + "leg";
    c.perimeterSubstitution =
        "P = " + t(a) + " + " + t(b) + " + 2" + dot + amountText(surdAmount(leg));
    c.perimeter = sumAmount(a + b, times(2, leg));
    c.perimeterNote =
        "This is the perimeter of the isosceles trapezoid drawn; a trapezoid with the "
        "same a, b and h but slanted differently has other legs.";
    const double x = a.get_d(), y = h.get_d(), d = shift.get_d();
    c.figure.outlines = {{{0, 0}, {x, 0}, {d + b.get_d(), y}, {d, y}}};
    c.figure.marks = {side({0, 0}, {x, 0}, labelled("a", a)),
                      side({d + b.get_d(), y}, {d, y}, labelled("b", b)),
                      height({d, y}, {d, 0}, labelled("h", h))};
    c.figure.rightAngles = {{{d, 0}, {1, 0}, {0, 1}}};
    return c;
}

Calculation rhombus(const std::vector<mpq_class>& v) {
    const mpq_class &p = v[0], &q = v[1];
    const mpq_class sideSquare = p * p / 4 + q * q / 4;
    const kit::Surd s = root(sideSquare);
    Calculation c;
    c.areaFormula = "A = " + half + dot + "d\u2081" + dot + "d\u2082";
    c.areaSubstitution = "A = " + half + dot + t(p) + dot + t(q);
    c.area = rationalAmount(p * q / 2);
    c.steps = {"The diagonals cross at right angles and halve each other: the rhombus is half "
               "of the rectangle d\u2081 by d\u2082 around it.",
               "Each side is \u221a((d\u2081/2)" + squared + " + (d\u2082/2)" + squared +
                   ") = \u221a" + t(sideSquare) + " = " + amountText(surdAmount(s)) +
                   " (Pythagoras)"};
    c.perimeterFormula = "P = 4" + dot + "side";
    c.perimeterSubstitution = "P = 4" + dot + amountText(surdAmount(s));
    c.perimeter = surdAmount(times(4, s));
    const double x = p.get_d() / 2, y = q.get_d() / 2;
    c.figure.outlines = {{{-x, 0}, {0, -y}, {x, 0}, {0, y}}};
    c.figure.marks = {height({-x, 0}, {x, 0}, labelled("d\u2081", p)),
                      height({0, -y}, {0, y}, labelled("d\u2082", q))};
    c.figure.rightAngles = {{{0, 0}, {1, 0}, {0, 1}}};
    return c;
}

Calculation circle(const std::vector<mpq_class>& v) {
    const mpq_class& r = v[0];
    Calculation c;
    c.areaFormula = "A = \u03c0r" + squared;
    c.areaSubstitution = "A = \u03c0" + dot + t(r) + squared;
    c.area = piAmount(r * r);
    c.perimeterName = "Circumference";
    c.perimeterFormula = "C = 2\u03c0r";
    c.perimeterSubstitution = "C = 2\u03c0" + dot + t(r);
    c.perimeter = piAmount(2 * r);
    const double x = r.get_d();
    c.figure.outlines = {ellipse(x, x)};
    c.figure.marks = {radius({0, 0}, {x, 0}, labelled("r", r))};
    return c;
}

CalculationResult sector(const std::vector<mpq_class>& v) {
    const mpq_class &r = v[0], &angle = v[1];
    if (angle >= 360)
        return fieldError(1, "a sector's angle is less than 360" + degree +
                                 "; for the whole disc choose the circle");
    const mpq_class fraction = angle / 360;
    const mpq_class arc = fraction * 2 * r; // times π
    Calculation c;
    c.areaFormula = "A = (\u03b8/360" + degree + ")" + dot + "\u03c0r" + squared;
    c.areaSubstitution = "A = (" + t(angle) + "/360)" + dot + "\u03c0" + dot + t(r) + squared;
    c.area = piAmount(fraction * r * r);
    c.steps = {"The sector is " + t(angle) + "/360 = " + fraction.get_str() + " of the whole disc.",
               "Arc length = (\u03b8/360" + degree + ")" + dot +
                   "2\u03c0r = " + amountText(piAmount(arc))};
    c.perimeterFormula = "P = 2r + arc";
    c.perimeterSubstitution = "P = 2" + dot + t(r) + " + " + piText(arc);
    c.perimeter = sumPiAmount(2 * r, arc);
    const double x = r.get_d();
    std::vector<Point> outline{{0, 0}};
    for (const Point& p : ellipse(x, x, 0, angle.get_d()))
        outline.push_back(p);
    c.figure.outlines = {outline};
    c.figure.marks = {radius({0, 0}, {x, 0}, labelled("r", r))};
    return c;
}

CalculationResult annulus(const std::vector<mpq_class>& v) {
    const mpq_class &outer = v[0], &inner = v[1];
    if (inner >= outer)
        return fieldError(1, "the inner radius r = " + t(inner) +
                                 " must be less than the outer radius R = " + t(outer));
    Calculation c;
    c.areaFormula = "A = \u03c0(R" + squared + " \u2212 r" + squared + ")";
    c.areaSubstitution = "A = \u03c0(" + t(outer) + squared + " \u2212 " + t(inner) + squared + ")";
    c.area = piAmount(outer * outer - inner * inner);
    c.steps = {"The ring is the big disc with the small disc taken out: \u03c0R" + squared +
               " \u2212 \u03c0r" + squared + "."};
    c.perimeterFormula = "P = 2\u03c0R + 2\u03c0r";
    c.perimeterSubstitution = "P = 2\u03c0" + dot + t(outer) + " + 2\u03c0" + dot + t(inner);
    c.perimeter = piAmount(2 * (outer + inner));
    c.perimeterNote = "A ring has two edges: the outer and the inner circle both count.";
    const double big = outer.get_d(), small = inner.get_d();
    c.figure.outlines = {ellipse(big, big), ellipse(small, small)};
    c.figure.marks = {
        radius({0, 0}, {big * std::cos(pi / 4), big * std::sin(pi / 4)}, labelled("R", outer)),
        radius({0, 0}, {-small, 0}, labelled("r", inner))};
    return c;
}

Calculation ellipseShape(const std::vector<mpq_class>& v) {
    const mpq_class &a = v[0], &b = v[1];
    const double x = a.get_d(), y = b.get_d();
    Calculation c;
    c.areaFormula = "A = \u03c0ab";
    c.areaSubstitution = "A = \u03c0" + dot + t(a) + dot + t(b);
    c.area = piAmount(a * b);
    c.steps = {"Stretching a circle of radius a by the factor b/a in one direction gives the "
               "ellipse: \u03c0a" +
               squared + dot + "(b/a) = \u03c0ab."};
    const double ramanujan = pi * (3 * (x + y) - std::sqrt((3 * x + y) * (x + 3 * y)));
    c.perimeterFormula = "P = 4a" + dot + "E(e), e = \u221a(1 \u2212 b" + squared + "/a" + squared +
                         ") (an elliptic integral)";
    c.perimeterSubstitution =
        "Ramanujan: P \u2248 \u03c0(3(a + b) \u2212 \u221a((3a + b)(a + 3b))) \u2248 " +
        roundedText(ramanujan);
    c.perimeter = decimalAmount(ellipsePerimeter(x, y));
    c.perimeterNote = "An ellipse's perimeter has no formula with +, \u2212, \u00d7, \u00f7 and "
                      "roots: the value is computed numerically (by the arithmetic-geometric "
                      "mean). Ramanujan's formula above is a good hand approximation, exact for a "
                      "circle.";
    c.figure.outlines = {ellipse(x, y)};
    c.figure.marks = {radius({0, 0}, {x, 0}, labelled("a", a)),
                      radius({0, 0}, {0, y}, labelled("b", b))};
    c.figure.rightAngles = {{{0, 0}, {1, 0}, {0, 1}}};
    return c;
}

CalculationResult regularPolygon(const std::vector<mpq_class>& v) {
    const mpq_class &count = v[0], &s = v[1];
    const long n = count.get_num().get_si();
    const double sides = count.get_d();
    const double length = s.get_d();
    const double apothem = length / (2 * std::tan(pi / sides));
    const double circumradius = length / (2 * std::sin(pi / sides));
    Calculation c;
    c.areaFormula = "A = n" + dot + "s" + squared + "/(4" + dot + "tan(180" + degree +
                    "/n)) = " + half + dot + "P" + dot + "apothem";
    c.areaSubstitution = "A = " + std::to_string(n) + dot + t(s) + squared + "/(4" + dot + "tan(" +
                         roundedText(180.0 / sides) + degree + "))";
    const mpq_class s2 = s * s;
    if (n == 4)
        c.area = rationalAmount(s2);
    else if (n == 3)
        c.area = surdAmount({s2 / 4, 3});
    else if (n == 6)
        c.area = surdAmount({s2 * 3 / 2, 3});
    else
        c.area = decimalAmount(sides * length * length / (4 * std::tan(pi / sides)));
    c.steps = {"From the centre the polygon splits into " + std::to_string(n) +
                   " congruent isosceles triangles with base s and height the apothem.",
               "apothem = s/(2" + dot + "tan(180" + degree + "/n)) \u2248 " + roundedText(apothem) +
                   ", so each triangle has area " + half + dot + "s" + dot + "apothem."};
    c.perimeterFormula = "P = n" + dot + "s";
    c.perimeterSubstitution = "P = " + std::to_string(n) + dot + t(s);
    c.perimeter = rationalAmount(count * s);
    std::vector<Point> outline;
    for (long k = 0; k < n; ++k) {
        const double angle = -pi / 2 - pi / sides + 2 * pi * static_cast<double>(k) / sides;
        outline.push_back({circumradius * std::cos(angle), circumradius * std::sin(angle)});
    }
    c.figure.outlines = {outline};
    c.figure.marks = {side(outline[0], outline[1], labelled("s", s)),
                      height({0, 0}, {0, -apothem}, "apothem")};
    c.figure.rightAngles = {{{0, -apothem}, {1, 0}, {0, 1}}};
    return c;
}

} // namespace

kit::Parsed<mpq_class> readValue(const Parameter& parameter, std::string_view typed) {
    const auto parsed = kit::parseRational(typed);
    if (!parsed.ok())
        return parsed.error();
    const mpq_class& value = parsed.value();
    switch (parameter.quantity) {
    case Parameter::Quantity::Length:
        if (value <= 0)
            return kit::ParseError{"a length must be more than 0", 0};
        if (value > maxLength)
            return kit::ParseError{"keep lengths at most " + std::to_string(maxLength), 0};
        if (value < mpq_class(1, 1000000))
            return kit::ParseError{"keep lengths at least 0.000001", 0};
        return value;
    case Parameter::Quantity::Angle:
        if (value <= 0)
            return kit::ParseError{"an angle must be more than 0" + degree, 0};
        if (value >= 360)
            return kit::ParseError{"the angle must be less than 360" + degree, 0};
        return value;
    case Parameter::Quantity::Count:
        if (value.get_den() != 1)
            return kit::ParseError{"the number of sides is a whole number", 0};
        if (value < 3)
            return kit::ParseError{"a polygon has at least 3 sides", 0};
        if (value > maxSides)
            return kit::ParseError{"keep the number of sides at most " + std::to_string(maxSides),
                                   0};
        return value;
    }
    return kit::ParseError{"unknown kind of value", 0};
}

CalculationResult calculate(Shape shape, std::vector<mpq_class> values) {
    for (mpq_class& value : values)
        value.canonicalize();
    if (values.size() != shapeInfo(shape).parameters.size())
        return InputError{0, "expected " + std::to_string(shapeInfo(shape).parameters.size()) +
                                 " values"};
    switch (shape) {
    case Shape::Square:
        return square(values);
    case Shape::Rectangle:
        return rectangle(values);
    case Shape::Parallelogram:
        return parallelogram(values);
    case Shape::TriangleBaseHeight:
        return triangleBaseHeight(values);
    case Shape::TriangleThreeSides:
        return triangleThreeSides(values);
    case Shape::TriangleTwoSidesAngle:
        return triangleTwoSidesAngle(values);
    case Shape::Trapezoid:
        return trapezoid(values);
    case Shape::Rhombus:
        return rhombus(values);
    case Shape::Circle:
        return circle(values);
    case Shape::Sector:
        return sector(values);
    case Shape::Annulus:
        return annulus(values);
    case Shape::Ellipse:
        return ellipseShape(values);
    case Shape::RegularPolygon:
        return regularPolygon(values);
    }
    return InputError{0, "unknown shape"};
}

std::optional<kit::Surd> exactSine(const mpq_class& degrees) {
    if (degrees.get_den() != 1)
        return std::nullopt;
    switch (degrees.get_num().get_si()) {
    case 30:
    case 150:
        return kit::Surd{mpq_class(1, 2), 1};
    case 45:
    case 135:
        return kit::Surd{mpq_class(1, 2), 2};
    case 60:
    case 120:
        return kit::Surd{mpq_class(1, 2), 3};
    case 90:
        return kit::Surd{1, 1};
    case 180:
        return kit::Surd{0, 1};
    default:
        return std::nullopt;
    }
}

std::optional<mpq_class> exactCosine(const mpq_class& degrees) {
    if (degrees.get_den() != 1)
        return std::nullopt;
    switch (degrees.get_num().get_si()) {
    case 60:
        return mpq_class(1, 2);
    case 90:
        return mpq_class(0);
    case 120:
        return mpq_class(-1, 2);
    default:
        return std::nullopt;
    }
}

} // namespace planesurface
