#include "mirrorimage/core/mirrorimage_exercises.h"

#include "transformkit/core/point_answers.h"
#include "transformkit/core/transformation.h"

namespace mirrorimage {

using transformkit::displayNumber;
using transformkit::displayPoint;
using transformkit::ExactPoint;
using transformkit::Line;
using transformkit::lineText;
using transformkit::namedPoint;
using transformkit::pointText;

namespace {

const char* const pointHint = "a point (x, y); fractions such as 7/5 are allowed";

ExactPoint reflected(const Line& mirror, const ExactPoint& p) {
    return transformkit::Transformation::reflection(mirror).exactMap()->apply(p);
}

// The four mirrors through the origin, with their rules and the angle each makes with the
// x-axis.
struct AxisMirror {
    Line line;
    const char* rule;
    int degrees;
};
const std::vector<AxisMirror>& axisMirrors() {
    static const std::vector<AxisMirror> mirrors{
        {{0, 1, 0}, "(x, y) \u2192 (x, \u2212y): x stays, y changes sign", 0},
        {{1, -1, 0}, "(x, y) \u2192 (y, x): the coordinates swap", 45},
        {{1, 0, 0}, "(x, y) \u2192 (\u2212x, y): y stays, x changes sign", 90},
        {{1, 1, 0}, "(x, y) \u2192 (\u2212y, \u2212x): the coordinates swap and change sign", 135}};
    return mirrors;
}

ExactPoint pointOffAxes(kit::Random& random) {
    for (;;) {
        const ExactPoint p = transformkit::randomPoint(random, 9);
        if (p.x != 0 && p.y != 0 && abs(p.x) != abs(p.y))
            return p;
    }
}

} // namespace

kit::ExerciseKind axisReflectionKind() {
    return {"reflect-axis", "Reflection in an axis or in y = \u00b1x", [](kit::Seed seed) {
                kit::Random random(seed);
                const ExactPoint p = pointOffAxes(random);
                const AxisMirror& mirror = random.pick(axisMirrors());
                const ExactPoint image = reflected(mirror.line, p);
                std::vector<transformkit::KnownMistake> mistakes;
                for (const AxisMirror& other : axisMirrors())
                    if (other.degrees != mirror.degrees)
                        mistakes.push_back({reflected(other.line, p),
                                            "that is the reflection in " + lineText(other.line)});
                kit::Exercise e;
                e.kind = "reflect-axis";
                e.prompt = "Reflect " + namedPoint("P", p) + " in " + lineText(mirror.line) +
                           ". Find its image P\u2032.";
                e.answerHint = "a point (x, y)";
                e.expectedAnswer = pointText(image);
                e.check = transformkit::expectPoint(image, mistakes);
                e.solutionSteps = {
                    "The reflection in " + lineText(mirror.line) + " is " + mirror.rule + ".",
                    "P" + displayPoint(p) + " \u2192 P\u2032" + displayPoint(image) + ".",
                    "Check: the midpoint of PP\u2032 is " +
                        displayPoint(mpq_class(1, 2) * (p + image)) +
                        ", which lies on the mirror, and PP\u2032 is perpendicular to it."};
                return e;
            }};
}

kit::ExerciseKind parallelLineReflectionKind() {
    return {
        "reflect-parallel-line", "Reflection in x = h or y = k", [](kit::Seed seed) {
            kit::Random random(seed);
            const bool vertical = random.chance(0.5);
            const long drawn = static_cast<long>(random.between(-5, 5));
            const mpq_class h = drawn == 0 ? 3 : drawn;
            ExactPoint p = transformkit::randomPoint(random, 8);
            if ((vertical ? p.x : p.y) == h)
                (vertical ? p.x : p.y) += 2;
            const Line mirror = vertical ? Line{1, 0, h} : Line{0, 1, h};
            const ExactPoint image = reflected(mirror, p);
            const ExactPoint inAxis = vertical ? ExactPoint{-p.x, p.y} : ExactPoint{p.x, -p.y};
            const ExactPoint halfWay =
                vertical ? ExactPoint{h - p.x, p.y} : ExactPoint{p.x, h - p.y};
            const mpq_class& moving = vertical ? p.x : p.y;
            const std::string coordinate = vertical ? "x" : "y";
            kit::Exercise e;
            e.kind = "reflect-parallel-line";
            e.prompt = "Reflect " + namedPoint("P", p) + " in the line " + lineText(mirror) +
                       ". Find P\u2032.";
            e.answerHint = "a point (x, y)";
            e.expectedAnswer = pointText(image);
            e.check = transformkit::expectPoint(
                image,
                {{inAxis, "that is the reflection in the " + std::string(vertical ? "y" : "x") +
                              "-axis, not in " + lineText(mirror)},
                 {halfWay, "the mirror is halfway between P and P\u2032: the new " + coordinate +
                               " is 2\u00b7" + displayNumber(h) + " \u2212 " + coordinate +
                               ", not " + displayNumber(h) + " \u2212 " + coordinate}});
            const mpq_class distance = moving - h;
            e.solutionSteps = {
                "The mirror " + lineText(mirror) + " is " +
                    (vertical ? "vertical, so y stays " : "horizontal, so x stays ") +
                    displayNumber(vertical ? p.y : p.x) + ".",
                "P is " + displayNumber(abs(distance)) +
                    " from the mirror; P\u2032 is as far "
                    "on the other side: " +
                    coordinate + "\u2032 = 2\u00b7" + displayNumber(h) + " \u2212 " +
                    (moving < 0 ? "(" + displayNumber(moving) + ")" : displayNumber(moving)) +
                    " = " + displayNumber(2 * h - moving) + ".",
                "P\u2032 = " + displayPoint(image) + ". The rule is (x, y) \u2192 " +
                    (vertical ? "(" + displayNumber(2 * h) + " \u2212 x, y)"
                              : "(x, " + displayNumber(2 * h) + " \u2212 y)") +
                    "."};
            return e;
        }};
}

kit::ExerciseKind lineReflectionKind() {
    return {"reflect-line", "Reflection in a line a\u00b7x + b\u00b7y = c", [](kit::Seed seed) {
                kit::Random random(seed);
                static const std::vector<std::pair<int, int>> normals{
                    {2, -1}, {1, 2}, {1, -2}, {2, 1}, {1, -3}, {3, 1}, {1, 1}, {1, -1}, {3, -4}};
                const auto [a, b] = random.pick(normals);
                const mpq_class c = static_cast<long>(random.between(-6, 6));
                const Line mirror{a, b, c};
                ExactPoint p = transformkit::randomPoint(random, 6);
                if (transformkit::onLine(mirror, p))
                    p.x += 1;
                const ExactPoint image = reflected(mirror, p);
                const mpq_class norm = a * a + b * b;
                const mpq_class t = (c - a * p.x - b * p.y) / norm;
                const ExactPoint n{a, b};
                const ExactPoint foot = p + t * n;
                kit::Exercise e;
                e.kind = "reflect-line";
                e.prompt = "Reflect " + namedPoint("P", p) + " in the line " + lineText(mirror) +
                           ". Find P\u2032 exactly.";
                e.answerHint = pointHint;
                e.expectedAnswer = pointText(image);
                e.check = transformkit::expectPoint(
                    image, {{foot, "that is the foot of the perpendicular, the point of the "
                                   "mirror halfway to P\u2032: go as far again"}});
                e.solutionSteps = {
                    "PP\u2032 is perpendicular to the mirror, so it runs along the normal n = " +
                        displayPoint(n) +
                        " (the coefficients of x and y): P\u2032 = P + 2t\u00b7n "
                        "where P + t\u00b7n is on the line.",
                    "Put P + t\u00b7n into " + lineText(mirror) + ": " + displayNumber(a) + "(" +
                        displayNumber(p.x) + " + " + displayNumber(a) + "t) + " + displayNumber(b) +
                        "(" + displayNumber(p.y) + " + " + displayNumber(b) +
                        "t) = " + displayNumber(c) + ", so " + displayNumber(norm) +
                        "t = " + displayNumber(norm * t) + " and t = " + displayNumber(t) + ".",
                    "The foot of the perpendicular is F = " + displayPoint(foot) +
                        " (the midpoint of PP\u2032).",
                    "P\u2032 = P + 2t\u00b7n = " + displayPoint(p) + " + " + displayNumber(2 * t) +
                        "\u00b7" + displayPoint(n) + " = " + displayPoint(image) + "."};
                return e;
            }};
}

kit::ExerciseKind twoReflectionsKind() {
    return {
        "two-reflections", "Two reflections as one transformation", [](kit::Seed seed) {
            kit::Random random(seed);
            kit::Exercise e;
            e.kind = "two-reflections";
            if (random.chance(0.5)) {
                const bool vertical = random.chance(0.5);
                const long h1 = static_cast<long>(random.between(-5, 5));
                long h2 = static_cast<long>(random.between(-5, 5));
                if (h2 == h1)
                    h2 = h1 + 3;
                const Line first = vertical ? Line{1, 0, h1} : Line{0, 1, h1};
                const Line second = vertical ? Line{1, 0, h2} : Line{0, 1, h2};
                const mpq_class shift = 2 * (h2 - h1);
                const ExactPoint v = vertical ? ExactPoint{shift, 0} : ExactPoint{0, shift};
                e.prompt = "Reflect in " + lineText(first) + ", then in " + lineText(second) +
                           ". The two together are a translation. By which vector?";
                e.answerHint = "a vector (a, b)";
                e.expectedAnswer = pointText(v);
                e.check = transformkit::expectPoint(
                    v, {{mpq_class(1, 2) * v, "the shift is twice the distance between the "
                                              "mirrors"},
                        {mpq_class(-1) * v, "the shift goes from the first mirror towards the "
                                            "second"}});
                const std::string c = vertical ? "x" : "y";
                e.solutionSteps = {
                    "The first reflection sends " + c + " to " + std::to_string(2 * h1) +
                        " \u2212 " + c + ", the second sends that to " + std::to_string(2 * h2) +
                        " \u2212 (" + std::to_string(2 * h1) + " \u2212 " + c + ").",
                    "Together: " + c + " \u2192 " + c + " + " + displayNumber(shift) +
                        ", the other coordinate stays.",
                    "Reflections in two parallel mirrors make a translation by twice the "
                    "distance from the first to the second, across them: " +
                        displayPoint(v) + "."};
                return e;
            }
            const AxisMirror& first = random.pick(axisMirrors());
            const AxisMirror* second = &random.pick(axisMirrors());
            while (second->degrees == first.degrees)
                second = &random.pick(axisMirrors());
            const int angle = ((2 * (second->degrees - first.degrees)) % 360 + 360) % 360;
            e.prompt = "Reflect in " + lineText(first.line) + ", then in " +
                       lineText(second->line) +
                       ". The two together are a rotation about the origin. Through what "
                       "angle (in degrees, anticlockwise)?";
            e.answerHint = "an angle in degrees, such as 90";
            e.expectedAnswer = std::to_string(angle);
            e.check = transformkit::expectDegrees(
                angle, {{360 - angle, "that is the turn the other way: the rotation goes from "
                                      "the first mirror towards the second"},
                        {angle / 2, "the angle of the rotation is twice the angle between the "
                                    "mirrors"}});
            const int between = ((second->degrees - first.degrees) % 180 + 180) % 180;
            e.solutionSteps = {
                lineText(first.line) + " makes " + std::to_string(first.degrees) +
                    "\u00b0 with the x-axis, " + lineText(second->line) + " makes " +
                    std::to_string(second->degrees) + "\u00b0.",
                "From the first mirror to the second is " + std::to_string(between) +
                    "\u00b0 anticlockwise; two reflections in mirrors that meet make a "
                    "rotation about the meeting point through twice that angle.",
                "2\u00b7" + std::to_string(between) + "\u00b0 = " + std::to_string(2 * between) +
                    "\u00b0" +
                    (2 * between != angle ? ", the same turn as " + std::to_string(angle) + "\u00b0"
                                          : "") +
                    "."};
            return e;
        }};
}

std::vector<kit::ExerciseKind> mirrorimageExerciseKinds() {
    return {axisReflectionKind(), parallelLineReflectionKind(), lineReflectionKind(),
            twoReflectionsKind()};
}

} // namespace mirrorimage
