#include "planesurface/core/area_exercises.h"

#include "planesurface/core/calculation.h"
#include "planesurface/core/pi_answer.h"

#include "kit/core/answer_checks.h"
#include "kit/core/number_input.h"

#include <array>

namespace planesurface {

namespace {

const std::string unitSquared = " cm\u00b2";
const std::string cm = " cm";

// a/b in lowest terms (GMP's arithmetic expects canonical fractions).
mpq_class ratio(long a, long b) {
    mpq_class q(a, b);
    q.canonicalize();
    return q;
}

std::string n(long value) {
    return std::to_string(value);
}

std::string q(const mpq_class& value) {
    return numberText(value);
}

// An exact amount that is a plain number ("24", "37.5", "15/2") as its rational value.
mpq_class rationalOf(const Amount& amount) {
    return kit::parseRational(amount.exact).value();
}

Calculation calculated(CalculationResult result) {
    return std::get<Calculation>(std::move(result));
}

kit::Exercise polygonArea(kit::Seed seed) {
    kit::Random random(seed);
    const auto choice = random.between(0, 4);
    kit::Exercise e;
    e.kind = "polygon-area";
    e.answerHint = "a number of cm\u00b2 (a fraction or decimal is fine), e.g. 24 or 37.5";
    std::vector<mpq_class> values;
    Shape shape = Shape::Rectangle;
    switch (choice) {
    case 0: {
        const long l = random.between(2, 20), w = random.between(2, 15);
        shape = Shape::Rectangle;
        values = {l, w};
        e.prompt = "A rectangle is " + n(l) + " cm long and " + n(w) + " cm wide. Find its area.";
        break;
    }
    case 1: {
        const long h = random.between(2, 12), s = h + random.between(0, 6),
                   b = random.between(3, 20);
        shape = Shape::Parallelogram;
        values = {b, s, h};
        e.prompt = "A parallelogram has base " + n(b) + " cm, slanted sides of " + n(s) +
                   " cm and height " + n(h) + " cm. Find its area.";
        break;
    }
    case 2: {
        const long b = random.between(2, 20), h = random.between(2, 16);
        shape = Shape::TriangleBaseHeight;
        values = {b, h};
        e.prompt = "A triangle has a base of " + n(b) + " cm and the height on it is " + n(h) +
                   " cm. Find its area.";
        break;
    }
    case 3: {
        const long a = random.between(6, 20), b = random.between(2, a - 1),
                   h = random.between(2, 12);
        shape = Shape::Trapezoid;
        values = {a, b, h};
        e.prompt = "A trapezoid has parallel sides of " + n(a) + " cm and " + n(b) + " cm, " +
                   n(h) + " cm apart. Find its area.";
        break;
    }
    default: {
        const long p = random.between(2, 20), r = random.between(2, 16);
        shape = Shape::Rhombus;
        values = {p, r};
        e.prompt = "The diagonals of a rhombus are " + n(p) + " cm and " + n(r) +
                   " cm long. Find its area.";
        break;
    }
    }
    const Calculation c = calculated(calculate(shape, values));
    const mpq_class area = rationalOf(c.area);
    e.expectedAnswer = c.area.exact;
    e.check = kit::expectRational(area, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"The formula: " + c.areaFormula + ".",
                       "Put the numbers in: " + c.areaSubstitution + ".",
                       "A = " + c.area.exact + unitSquared + "."};
    if (!c.steps.empty())
        e.solutionSteps.insert(e.solutionSteps.begin() + 1, "Why: " + c.steps.front());
    if (shape == Shape::Parallelogram)
        e.solutionSteps.push_back("The slanted side (" + n(values[1].get_num().get_si()) +
                                  " cm) is not needed for the area: only the height is.");
    return e;
}

struct Triple {
    long a, b, c;
};

kit::Exercise heron(kit::Seed seed) {
    static const std::vector<Triple> triangles{
        {3, 4, 5},    {5, 5, 6},   {5, 5, 8},    {5, 12, 13},  {9, 10, 17},
        {13, 14, 15}, {7, 15, 20}, {10, 13, 13}, {13, 20, 21}, {8, 15, 17},
        {11, 13, 20}, {9, 12, 15}, {4, 13, 15},  {10, 17, 21}, {12, 17, 25}};
    kit::Random random(seed);
    const Triple base = random.pick(triangles);
    const long k = random.between(1, 3);
    std::array<long, 3> sides{base.a * k, base.b * k, base.c * k};
    // Shuffle the order so that the longest side is not always last.
    for (std::size_t i = 2; i > 0; --i)
        std::swap(sides[i],
                  sides[static_cast<std::size_t>(random.between(0, static_cast<long>(i)))]);
    const Calculation& c =
        calculated(calculate(Shape::TriangleThreeSides, {sides[0], sides[1], sides[2]}));
    const mpq_class s = ratio(sides[0] + sides[1] + sides[2], 2);
    kit::Exercise e;
    e.kind = "heron";
    e.prompt = "A triangle has sides of " + n(sides[0]) + " cm, " + n(sides[1]) + " cm and " +
               n(sides[2]) + " cm. Find its area with Heron's formula.";
    e.answerHint = "a whole number of cm\u00b2";
    e.expectedAnswer = c.area.exact;
    e.check = kit::expectRational(rationalOf(c.area), kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"Half the perimeter: " + c.steps[0] + ".", c.steps[1] + ".",
                       "Heron: " + c.areaSubstitution + ".",
                       "A = " + c.area.exact + unitSquared + ". Check: s = " + q(s) +
                           " and the product under the root is a perfect square."};
    return e;
}

kit::Exercise circleExercise(kit::Seed seed) {
    kit::Random random(seed);
    const auto choice = random.between(0, 3);
    kit::Exercise e;
    e.kind = "circle-pi";
    e.answerHint = "an exact multiple of \u03c0, e.g. 9\u03c0 or 25\u03c0/2 (type pi for \u03c0)";
    mpq_class coefficient;
    if (choice == 0) {
        const long r = random.between(1, 15);
        const bool diameter = random.chance(0.4);
        const Calculation c = calculated(calculate(Shape::Circle, {r}));
        coefficient = r * r;
        e.prompt = diameter
                       ? "A circle has a diameter of " + n(2 * r) + " cm. Find its area exactly."
                       : "A circle has a radius of " + n(r) + " cm. Find its area exactly.";
        e.solutionSteps = {c.areaFormula + " with the radius" +
                               (diameter
                                    ? " (half the diameter: r = " + n(2 * r) + "/2 = " + n(r) + ")"
                                    : std::string(" r = ") + n(r)) +
                               ".",
                           c.areaSubstitution + " = " + piText(coefficient) + unitSquared + "."};
    } else if (choice == 1) {
        const long r = random.between(1, 20);
        const Calculation c = calculated(calculate(Shape::Circle, {r}));
        coefficient = 2 * r;
        e.prompt = "A circle has a radius of " + n(r) + " cm. Find its circumference exactly.";
        e.solutionSteps = {c.perimeterFormula + ".",
                           c.perimeterSubstitution + " = " + piText(coefficient) + cm + "."};
    } else if (choice == 2) {
        static const std::vector<long> angles{30, 45, 60, 72, 90, 120, 135, 150, 180, 240, 270};
        const long angle = random.pick(angles), r = random.between(2, 12);
        const Calculation c = calculated(calculate(Shape::Sector, {r, angle}));
        coefficient = ratio(angle * r * r, 360);
        e.prompt = "A sector of a circle with radius " + n(r) + " cm has a central angle of " +
                   n(angle) + "\u00b0. Find its area exactly.";
        e.solutionSteps = {c.steps[0], c.areaFormula + ": " + c.areaSubstitution + ".",
                           "A = " + piText(coefficient) + unitSquared + "."};
    } else {
        const long inner = random.between(1, 9), outer = inner + random.between(1, 8);
        const Calculation c = calculated(calculate(Shape::Annulus, {outer, inner}));
        coefficient = outer * outer - inner * inner;
        e.prompt = "A ring lies between two circles with the same centre, of radii " + n(outer) +
                   " cm and " + n(inner) + " cm. Find the area of the ring exactly.";
        e.solutionSteps = {c.steps[0],
                           c.areaSubstitution + " = \u03c0(" + n(outer * outer) + " \u2212 " +
                               n(inner * inner) + ").",
                           "A = " + piText(coefficient) + unitSquared + " (not \u03c0(" + n(outer) +
                               " \u2212 " + n(inner) + ")\u00b2)."};
    }
    coefficient.canonicalize();
    e.expectedAnswer = piText(coefficient);
    e.check = expectPiMultiple(coefficient);
    return e;
}

kit::Exercise perimeter(kit::Seed seed) {
    static const std::vector<Triple> legs{
        {3, 4, 5}, {6, 8, 10}, {5, 12, 13}, {8, 15, 17}, {9, 12, 15}};
    static const std::vector<std::string> polygonNames{
        "",         "",        "",        "triangle", "square", "pentagon", "hexagon",
        "heptagon", "octagon", "nonagon", "decagon",  "",       "dodecagon"};
    kit::Random random(seed);
    const auto choice = random.between(0, 3);
    kit::Exercise e;
    e.kind = "perimeter";
    e.answerHint = "a number of cm";
    Shape shape;
    std::vector<mpq_class> values;
    if (choice == 0) {
        const long l = random.between(2, 30), w = random.between(1, 20);
        shape = Shape::Rectangle;
        values = {l, w};
        e.prompt = "Find the perimeter of a rectangle " + n(l) + " cm by " + n(w) + " cm.";
    } else if (choice == 1) {
        static const std::vector<long> counts{3, 5, 6, 8, 10, 12};
        const long sides = random.pick(counts), s = random.between(2, 15);
        shape = Shape::RegularPolygon;
        values = {sides, s};
        e.prompt = "A regular " + polygonNames[static_cast<std::size_t>(sides)] + " has sides of " +
                   n(s) + " cm. Find its perimeter.";
    } else if (choice == 2) {
        const Triple t = random.pick(legs);
        const long k = random.between(1, 2);
        shape = Shape::Rhombus;
        values = {2 * t.a * k, 2 * t.b * k};
        e.prompt = "The diagonals of a rhombus are " + n(2 * t.a * k) + " cm and " +
                   n(2 * t.b * k) + " cm. Find its perimeter.";
    } else {
        const long a = random.between(3, 15), b = random.between(3, 15);
        const long c = random.between(std::abs(a - b) + 1, a + b - 1);
        shape = Shape::TriangleThreeSides;
        values = {a, b, c};
        e.prompt = "A triangle has sides of " + n(a) + " cm, " + n(b) + " cm and " + n(c) +
                   " cm. Find its perimeter.";
    }
    const Calculation c = calculated(calculate(shape, values));
    e.expectedAnswer = c.perimeter->exact;
    e.check = kit::expectRational(rationalOf(*c.perimeter), kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"The perimeter is the length all the way round: " + c.perimeterFormula +
                       "."};
    if (shape == Shape::Rhombus)
        e.solutionSteps.push_back(c.steps[1] + ".");
    e.solutionSteps.push_back(c.perimeterSubstitution + " = " + c.perimeter->exact + cm + ".");
    return e;
}

kit::Exercise missingLength(kit::Seed seed) {
    kit::Random random(seed);
    const auto choice = random.between(0, 3);
    kit::Exercise e;
    e.kind = "missing-length";
    e.answerHint = "a number of cm (a fraction or decimal is fine)";
    mpq_class answer;
    if (choice == 0) {
        const long l = random.between(2, 20), w = random.between(2, 20);
        answer = w;
        e.prompt = "A rectangle has an area of " + n(l * w) + " cm\u00b2 and a length of " + n(l) +
                   " cm. How wide is it?";
        e.solutionSteps = {"A = l\u00b7w, so w = A/l.",
                           "w = " + n(l * w) + "/" + n(l) + " = " + n(w) + cm + "."};
    } else if (choice == 1) {
        const long b = random.between(2, 20), h = random.between(2, 20);
        answer = h;
        e.prompt = "A triangle with a base of " + n(b) + " cm has an area of " +
                   q(ratio(b * h, 2)) + " cm\u00b2. How long is the height on that base?";
        e.solutionSteps = {"A = \u00bd\u00b7b\u00b7h, so h = 2A/b.",
                           "h = 2\u00b7" + q(ratio(b * h, 2)) + "/" + n(b) + " = " + n(h) + cm +
                               ".",
                           "Common mistake: forgetting the \u00bd gives half the right height."};
    } else if (choice == 2) {
        const long a = random.between(4, 20), b = random.between(2, 15), h = random.between(2, 12);
        const mpq_class area = ratio((a + b) * h, 2);
        answer = h;
        e.prompt = "A trapezoid with parallel sides " + n(a) + " cm and " + n(b) +
                   " cm has an area of " + q(area) +
                   " cm\u00b2. How far apart are the parallel sides?";
        e.solutionSteps = {"A = \u00bd(a + b)\u00b7h, so h = 2A/(a + b).",
                           "h = 2\u00b7" + q(area) + "/" + n(a + b) + " = " + n(h) + cm + "."};
    } else {
        const long r = random.between(1, 15);
        answer = r;
        e.prompt = "A circle has an area of " + piText(r * r) + " cm\u00b2. Find its radius.";
        e.solutionSteps = {"A = \u03c0r\u00b2, so r\u00b2 = A/\u03c0 = " + n(r * r) + ".",
                           "r = \u221a" + n(r * r) + " = " + n(r) + cm +
                               " (a radius is positive)."};
    }
    e.expectedAnswer = q(answer);
    e.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    return e;
}

} // namespace

kit::ExerciseKind polygonAreaKind() {
    return {"polygon-area", "Area of a polygon", polygonArea};
}
kit::ExerciseKind heronKind() {
    return {"heron", "Triangle from three sides (Heron)", heron};
}
kit::ExerciseKind circleKind() {
    return {"circle-pi", "Circles, sectors and rings (exact, with \u03c0)", circleExercise};
}
kit::ExerciseKind perimeterKind() {
    return {"perimeter", "Perimeter", perimeter};
}
kit::ExerciseKind missingLengthKind() {
    return {"missing-length", "A missing length from the area", missingLength};
}

std::vector<kit::ExerciseKind> areaExerciseKinds() {
    return {polygonAreaKind(), heronKind(), circleKind(), perimeterKind(), missingLengthKind()};
}

} // namespace planesurface
