#include "halfway/core/halfway_exercises.h"

#include "gridpoints/core/equation_input.h"
#include "gridpoints/core/grid_exercises.h"

namespace halfway {

using gridpoints::bracketed;
using gridpoints::ExactPoint;
using gridpoints::namedPoint;
using gridpoints::pointText;
using gridpoints::randomPoint;

namespace {

const char* const pointHint = "a point (x, y), e.g. (3, -1/2)";

std::pair<ExactPoint, ExactPoint> twoPoints(kit::Random& random, long range) {
    for (;;) {
        ExactPoint p = randomPoint(random, range), q = randomPoint(random, range);
        if (!(p == q))
            return {p, q};
    }
}

std::string sum(const mpq_class& a, const mpq_class& b) {
    return bracketed(a) + " + " + bracketed(b);
}

kit::Exercise midpointExercise(kit::Seed seed) {
    kit::Random random(seed);
    const auto [a, b] = twoPoints(random, 9);
    const ExactPoint m = gridpoints::midpoint(a, b);
    kit::Exercise e;
    e.kind = "midpoint";
    e.prompt = "Find the midpoint M of the segment from " + namedPoint("A", a) + " to " +
               namedPoint("B", b) + ".";
    e.answerHint = pointHint;
    e.expectedAnswer = pointText(m);
    e.check = gridpoints::expectPoint(m);
    e.solutionSteps = {"The midpoint's coordinates are the averages: M = ((x\u2081 + x\u2082)/2, "
                       "(y\u2081 + y\u2082)/2).",
                       "x = (" + sum(a.x, b.x) + ")/2 = " + m.x.get_str() + ", y = (" +
                           sum(a.y, b.y) + ")/2 = " + m.y.get_str() + ".",
                       "M = " + e.expectedAnswer + "."};
    return e;
}

kit::Exercise endpointExercise(kit::Seed seed) {
    kit::Random random(seed);
    const auto [a, b] = twoPoints(random, 8);
    const ExactPoint m = gridpoints::midpoint(a, b);
    kit::Exercise e;
    e.kind = "endpoint";
    e.prompt = "M" + pointText(m) + " is the midpoint of the segment AB, and " +
               namedPoint("A", a) + ". Find B.";
    e.answerHint = pointHint;
    e.expectedAnswer = pointText(b);
    e.check = gridpoints::expectPoint(b);
    e.solutionSteps = {"M is the average of A and B, so B = 2M \u2212 A: from A to M and the same "
                       "step again.",
                       "x = 2\u00b7" + bracketed(m.x) + " \u2212 " + bracketed(a.x) + " = " +
                           b.x.get_str() + ", y = 2\u00b7" + bracketed(m.y) + " \u2212 " +
                           bracketed(a.y) + " = " + b.y.get_str() + ".",
                       "B = " + e.expectedAnswer + ". Check: the midpoint of A and B is " +
                           pointText(gridpoints::midpoint(a, b)) + "."};
    return e;
}

kit::Exercise sectionExercise(kit::Seed seed) {
    kit::Random random(seed);
    const auto [a, b] = twoPoints(random, 9);
    const long m = random.between(1, 4);
    long n = random.between(1, 4);
    if (n == m)
        n = m + 1;
    const ExactPoint p = gridpoints::sectionPoint(a, b, m, n);
    const std::string total = std::to_string(m + n), ms = std::to_string(m), ns = std::to_string(n);
    kit::Exercise e;
    e.kind = "section";
    e.prompt = "The point P lies on the segment from " + namedPoint("A", a) + " to " +
               namedPoint("B", b) + " with AP : PB = " + ms + " : " + ns + ". Find P.";
    e.answerHint = pointHint;
    e.expectedAnswer = pointText(p);
    e.check = gridpoints::expectPoint(p);
    e.solutionSteps = {
        "P is " + ms + "/" + total + " of the way from A to B: P = A + (" + ms + "/" + total +
            ")(B \u2212 A), the same as ((n\u00b7x\u2081 + m\u00b7x\u2082)/(m + n), "
            "(n\u00b7y\u2081 + "
            "m\u00b7y\u2082)/(m + n)).",
        "x = (" + ns + "\u00b7" + bracketed(a.x) + " + " + ms + "\u00b7" + bracketed(b.x) + ")/" +
            total + " = " + p.x.get_str() + ", y = (" + ns + "\u00b7" + bracketed(a.y) + " + " +
            ms + "\u00b7" + bracketed(b.y) + ")/" + total + " = " + p.y.get_str() + ".",
        "P = " + e.expectedAnswer + ". Common mistake: swapping m and n puts P " + ns + "/" +
            total + " of the way instead."};
    return e;
}

kit::Exercise centroidExercise(kit::Seed seed) {
    kit::Random random(seed);
    ExactPoint a, b, c;
    do {
        a = randomPoint(random, 8);
        b = randomPoint(random, 8);
        c = randomPoint(random, 8);
    } while (gridpoints::shoelaceSum({a, b, c}) == 0);
    const ExactPoint g = gridpoints::centroid(a, b, c);
    kit::Exercise e;
    e.kind = "centroid";
    e.prompt = "Find the centroid G of the triangle " + namedPoint("A", a) + ", " +
               namedPoint("B", b) + ", " + namedPoint("C", c) + ".";
    e.answerHint = pointHint;
    e.expectedAnswer = pointText(g);
    e.check = gridpoints::expectPoint(g);
    e.solutionSteps = {"The centroid, where the medians meet, is the average of the corners: "
                       "G = ((x\u2081 + x\u2082 + x\u2083)/3, (y\u2081 + y\u2082 + y\u2083)/3).",
                       "x = (" + sum(a.x, b.x) + " + " + bracketed(c.x) + ")/3 = " + g.x.get_str() +
                           ", y = (" + sum(a.y, b.y) + " + " + bracketed(c.y) +
                           ")/3 = " + g.y.get_str() + ".",
                       "G = " + e.expectedAnswer +
                           "; it lies 2/3 of the way from each corner to "
                           "the midpoint of the opposite side."};
    return e;
}

kit::Exercise circleExercise(kit::Seed seed) {
    kit::Random random(seed);
    const auto [centre, on] = twoPoints(random, 7);
    const mpq_class r2 = gridpoints::distanceSquared(centre, on);
    kit::Exercise e;
    e.kind = "circle-equation";
    e.prompt = "Find the equation of the circle with centre " + namedPoint("C", centre) +
               " that passes through " + namedPoint("P", on) + ".";
    e.answerHint = "an equation such as (x - 2)^2 + (y + 1)^2 = 25 (^2 or \u00b2 for squares)";
    e.expectedAnswer = gridpoints::circleText(centre, r2);
    e.check = gridpoints::expectCircle(centre, r2);
    e.solutionSteps = {"The radius is the distance CP: r\u00b2 = (" + bracketed(on.x) + " \u2212 " +
                           bracketed(centre.x) + ")\u00b2 + (" + bracketed(on.y) + " \u2212 " +
                           bracketed(centre.y) + ")\u00b2 = " + r2.get_str() + ".",
                       "A point (x, y) is on the circle when its distance from C is r: "
                       "(x \u2212 h)\u00b2 + (y \u2212 k)\u00b2 = r\u00b2 with C = (h, k).",
                       e.expectedAnswer + ", or expanded " +
                           gridpoints::expandedCircleText(centre, r2) + "."};
    return e;
}

} // namespace

kit::ExerciseKind midpointKind() {
    return {"midpoint", "Midpoint of a segment", midpointExercise};
}
kit::ExerciseKind endpointKind() {
    return {"endpoint", "Endpoint from the midpoint", endpointExercise};
}
kit::ExerciseKind sectionKind() {
    return {"section", "Point dividing a segment in a ratio", sectionExercise};
}
kit::ExerciseKind centroidKind() {
    return {"centroid", "Centroid of a triangle", centroidExercise};
}
kit::ExerciseKind circleKind() {
    return {"circle-equation", "Equation of a circle", circleExercise};
}

std::vector<kit::ExerciseKind> halfwayExerciseKinds() {
    return {midpointKind(), endpointKind(), sectionKind(), centroidKind(), circleKind()};
}

} // namespace halfway
