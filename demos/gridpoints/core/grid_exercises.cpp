#include "gridpoints/core/grid_exercises.h"

#include "gridpoints/core/equation_input.h"

#include "kit/core/answer_checks.h"
#include "kit/core/surd.h"

namespace gridpoints {

namespace {

const std::string sq = "\u00b2";

std::string difference(const mpq_class& a, const mpq_class& b) {
    return bracketed(a) + " \u2212 " + bracketed(b);
}

// Two different points; with distinctX the line through them is not vertical.
std::pair<ExactPoint, ExactPoint> twoPoints(kit::Random& random, long range, bool distinctX) {
    for (;;) {
        ExactPoint p = randomPoint(random, range), q = randomPoint(random, range);
        if (!(p == q) && (!distinctX || p.x != q.x))
            return {p, q};
    }
}

kit::Exercise distanceExercise(kit::Seed seed) {
    kit::Random random(seed);
    const auto [p, q] = twoPoints(random, 8, false);
    const mpq_class dx = q.x - p.x, dy = q.y - p.y;
    const mpq_class square = distanceSquared(p, q);
    kit::Exercise e;
    e.kind = "distance";
    e.prompt = "Find the distance between " + namedPoint("A", p) + " and " + namedPoint("B", q) +
               " exactly.";
    e.answerHint =
        "a whole number or a simplified root, e.g. 5 or 2\u221a13 (type sqrt for \u221a)";
    e.expectedAnswer = distanceText(p, q);
    e.check = kit::expectSquareRoot(square);
    e.solutionSteps = {
        "The legs of the right triangle: \u0394x = " + difference(q.x, p.x) + " = " + dx.get_str() +
            ", \u0394y = " + difference(q.y, p.y) + " = " + dy.get_str() + ".",
        "Pythagoras: AB = \u221a(\u0394x" + sq + " + \u0394y" + sq + ") = \u221a(" + bracketed(dx) +
            sq + " + " + bracketed(dy) + sq + ") = \u221a" + square.get_str() + ".",
        "AB = " + e.expectedAnswer + "."};
    return e;
}

kit::Exercise slopeExercise(kit::Seed seed) {
    kit::Random random(seed);
    const bool vertical = random.chance(0.1);
    auto [p, q] = twoPoints(random, 9, !vertical);
    if (vertical)
        q.x = p.x, q.y = p.y == q.y ? mpq_class(q.y + 3) : q.y;
    const auto m = slope(p, q);
    kit::Exercise e;
    e.kind = "slope";
    e.prompt = "Find the slope of the line through " + namedPoint("A", p) + " and " +
               namedPoint("B", q) + ".";
    e.answerHint = "a number such as -3/2, or \"undefined\" for a vertical line";
    e.solutionSteps = {"m = (y\u2082 \u2212 y\u2081)/(x\u2082 \u2212 x\u2081) = (" +
                       difference(q.y, p.y) + ")/(" + difference(q.x, p.x) + ")."};
    if (m) {
        e.expectedAnswer = m->get_str();
        e.check = kit::expectRational(*m, kit::FractionForm::AnyEquivalent);
        e.solutionSteps.push_back("m = " + mpq_class(q.y - p.y).get_str() + "/" +
                                  mpq_class(q.x - p.x).get_str() + " = " + m->get_str() + ".");
        e.solutionSteps.push_back(*m > 0   ? "Positive: the line rises from left to right."
                                  : *m < 0 ? "Negative: the line falls from left to right."
                                           : "Zero: the line is horizontal.");
    } else {
        e.expectedAnswer = "undefined";
        e.check = kit::expectChoice({"undefined", "none", "no slope", "infinite"});
        e.solutionSteps.push_back("x\u2082 \u2212 x\u2081 = 0: nothing can be divided by 0, so "
                                  "the vertical line x = " +
                                  p.x.get_str() + " has no slope.");
    }
    return e;
}

kit::Exercise lineThroughExercise(kit::Seed seed) {
    kit::Random random(seed);
    const auto [p, q] = twoPoints(random, 7, true);
    const Line line = lineThrough(p, q);
    const mpq_class m = *line.slope();
    kit::Exercise e;
    e.kind = "line-through";
    e.prompt = "Find the equation of the line through " + namedPoint("A", p) + " and " +
               namedPoint("B", q) + " in slope-intercept form y = mx + b.";
    e.answerHint = "an equation such as y = 2x - 3 or y = -1/2x + 4";
    e.expectedAnswer = slopeInterceptText(line);
    e.check = expectLine(line, LineForm::SlopeIntercept);
    e.solutionSteps = {"The slope: m = (" + difference(q.y, p.y) + ")/(" + difference(q.x, p.x) +
                           ") = " + m.get_str() + ".",
                       "Point-slope form through A: " + pointSlopeText(line, p) + ".",
                       "Solve for y: b = y\u2081 \u2212 m\u00b7x\u2081 = " + bracketed(p.y) +
                           " \u2212 " + bracketed(m) + "\u00b7" + bracketed(p.x) + " = " +
                           line.intercept()->get_str() + ".",
                       e.expectedAnswer + ". Check with B: " + bracketed(m) + "\u00b7" +
                           bracketed(q.x) + " + " + bracketed(*line.intercept()) + " = " +
                           mpq_class(m * q.x + *line.intercept()).get_str() + " = y\u2082."};
    return e;
}

kit::Exercise parallelPerpendicular(kit::Seed seed) {
    kit::Random random(seed);
    const auto [p, q] = twoPoints(random, 6, false);
    const Line given = lineThrough(p, q);
    const ExactPoint through = randomPoint(random, 6);
    const bool perpendicular = random.chance(0.5);
    const Line answer =
        perpendicular ? perpendicularThrough(given, through) : parallelThrough(given, through);
    kit::Exercise e;
    e.kind = "parallel-perpendicular";
    e.prompt = "The line <i>l</i> is " + slopeInterceptText(given) + ". Find the line through " +
               namedPoint("P", through) + (perpendicular ? " perpendicular" : " parallel") +
               " to <i>l</i>.";
    e.answerHint = "an equation in any form, e.g. y = 2x + 1 or 2x - y = -1";
    e.expectedAnswer = slopeInterceptText(answer);
    e.check = expectLine(answer, LineForm::Any);
    const auto m = given.slope();
    if (!perpendicular) {
        e.solutionSteps = {
            "Parallel lines have the same slope" +
            (m ? ": m = " + m->get_str() + "." : std::string(": both are vertical."))};
    } else if (!m) {
        e.solutionSteps = {"<i>l</i> is vertical, so the perpendicular is horizontal (slope 0)."};
    } else if (*m == 0) {
        e.solutionSteps = {"<i>l</i> is horizontal, so the perpendicular is vertical."};
    } else {
        e.solutionSteps = {"Perpendicular slopes multiply to \u22121: m = \u22121/(" +
                           m->get_str() + ") = " + mpq_class(-1 / *m).get_str() + "."};
    }
    e.solutionSteps.push_back("Through P: " + pointSlopeText(answer, through) + ".");
    e.solutionSteps.push_back("So " + e.expectedAnswer + ", or in general form " +
                              generalText(answer) + ".");
    return e;
}

kit::Exercise shoelace(kit::Seed seed) {
    kit::Random random(seed);
    const std::size_t corners = random.chance(0.5) ? 3 : 4;
    std::vector<ExactPoint> polygon;
    for (;;) {
        polygon.clear();
        // Corners at increasing angles round the origin keep the polygon simple.
        static const long dx[4][2] = {{1, 6}, {-6, -1}, {-6, -1}, {1, 6}};
        static const long dy[4][2] = {{1, 6}, {1, 6}, {-6, -1}, {-6, -1}};
        for (std::size_t k = 0; k < corners; ++k) {
            const std::size_t quadrant = corners == 3 ? (k == 2 ? 2 + random.between(0, 1) : k) : k;
            polygon.push_back({random.between(dx[quadrant][0], dx[quadrant][1]),
                               random.between(dy[quadrant][0], dy[quadrant][1])});
        }
        if (polygonArea(polygon) > 0)
            break;
    }
    const mpq_class sum = shoelaceSum(polygon), area = polygonArea(polygon);
    const char* names[] = {"A", "B", "C", "D"};
    kit::Exercise e;
    e.kind = "shoelace";
    e.prompt = std::string(corners == 3 ? "Find the area of the triangle "
                                        : "Find the area of the quadrilateral ");
    for (std::size_t k = 0; k < corners; ++k)
        e.prompt +=
            (k > 0 ? (k + 1 == corners ? " and " : ", ") : "") + namedPoint(names[k], polygon[k]);
    e.prompt += ".";
    e.answerHint = "a number (a fraction or decimal is fine)";
    e.expectedAnswer = area.get_str();
    e.check = kit::expectRational(area, kit::FractionForm::AnyEquivalent);
    std::string terms;
    for (const std::string& term : shoelaceTerms(polygon))
        terms += (terms.empty() ? "" : "; ") + term;
    e.solutionSteps = {
        "Shoelace: go round the corners in order and add x\u1d62y\u1d62\u208a\u2081 "
        "\u2212 x\u1d62\u208a\u2081y\u1d62 for each side (back to the first corner at the end).",
        terms + ".",
        "The sum is " + sum.get_str() + "; the area is |" + sum.get_str() +
            "|/2 = " + area.get_str() + "."};
    return e;
}

} // namespace

ExactPoint randomPoint(kit::Random& random, long range) {
    return {random.between(-range, range), random.between(-range, range)};
}

std::string namedPoint(const char* name, const ExactPoint& p) {
    return std::string("<b>") + name + "</b>" + pointText(p);
}

kit::ExerciseKind distanceKind() {
    return {"distance", "Distance between two points", distanceExercise};
}
kit::ExerciseKind slopeKind() {
    return {"slope", "Slope through two points", slopeExercise};
}
kit::ExerciseKind lineThroughKind() {
    return {"line-through", "Line through two points (y = mx + b)", lineThroughExercise};
}
kit::ExerciseKind parallelPerpendicularKind() {
    return {"parallel-perpendicular", "Parallel or perpendicular line", parallelPerpendicular};
}
kit::ExerciseKind shoelaceKind() {
    return {"shoelace", "Area by the shoelace formula", shoelace};
}

std::vector<kit::ExerciseKind> gridExerciseKinds() {
    return {distanceKind(), slopeKind(), lineThroughKind(), parallelPerpendicularKind(),
            shoelaceKind()};
}

} // namespace gridpoints
