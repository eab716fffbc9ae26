#include "shifting/core/shifting_exercises.h"

#include "transformkit/core/point_answers.h"

namespace shifting {

using transformkit::displayNumber;
using transformkit::displayPoint;
using transformkit::ExactPoint;
using transformkit::namedPoint;
using transformkit::pointText;

namespace {

const char* const pointHint = "a point (x, y)";
const char* const vectorHint = "a vector (a, b)";

ExactPoint nonZeroVector(kit::Random& random, int range) {
    return transformkit::randomPointAvoiding(random, range, {{0, 0}});
}

// "3 + (−2) = 1" for one coordinate of a sum.
std::string sumText(const mpq_class& p, const mpq_class& v) {
    return displayNumber(p) + " + " + (v < 0 ? "(" + displayNumber(v) + ")" : displayNumber(v)) +
           " = " + displayNumber(p + v);
}

std::string differenceText(const mpq_class& p, const mpq_class& q) {
    return displayNumber(p) + " \u2212 " +
           (q < 0 ? "(" + displayNumber(q) + ")" : displayNumber(q)) + " = " + displayNumber(p - q);
}

} // namespace

kit::ExerciseKind translatePointKind() {
    return {"translate-point", "Image of a point under a translation", [](kit::Seed seed) {
                kit::Random random(seed);
                const ExactPoint p = transformkit::randomPoint(random, 8);
                const ExactPoint v = nonZeroVector(random, 7);
                const ExactPoint image = p + v;
                kit::Exercise e;
                e.kind = "translate-point";
                e.prompt = "The translation by the vector " + displayPoint(v) + " maps " +
                           namedPoint("P", p) + " to <b>P\u2032</b>. Find P\u2032.";
                e.answerHint = pointHint;
                e.expectedAnswer = pointText(image);
                e.check = transformkit::expectPoint(
                    image, {{p - v, "that is P moved by the opposite vector: add the vector, "
                                    "do not subtract it"},
                            {{p.x + v.y, p.y + v.x},
                             "the first component of the vector goes with x, the second with y"}});
                e.solutionSteps = {
                    "A translation by (a, b) has the rule (x, y) \u2192 (x + a, y + b): every "
                    "point moves a to the right and b up.",
                    "x\u2032 = " + sumText(p.x, v.x) + ", y\u2032 = " + sumText(p.y, v.y) + ".",
                    "P\u2032 = " + displayPoint(image) + "."};
                return e;
            }};
}

kit::ExerciseKind findVectorKind() {
    return {"translation-vector", "The vector of a translation", [](kit::Seed seed) {
                kit::Random random(seed);
                const ExactPoint p = transformkit::randomPoint(random, 8);
                const ExactPoint v = nonZeroVector(random, 7);
                const ExactPoint q = p + v;
                kit::Exercise e;
                e.kind = "translation-vector";
                e.prompt = "A translation maps " + namedPoint("A", p) + " to " +
                           namedPoint("A\u2032", q) + ". By which vector does it move every point?";
                e.answerHint = vectorHint;
                e.expectedAnswer = pointText(v);
                e.check = transformkit::expectPoint(
                    v, {{p - q, "that is the vector from A\u2032 back to A: take image minus "
                                "original"},
                        {q, "that is the point A\u2032 itself, not the step from A to it"}});
                e.solutionSteps = {
                    "The vector of the translation is the step from a point to its image: "
                    "v = A\u2032 \u2212 A.",
                    "a = " + differenceText(q.x, p.x) + ", b = " + differenceText(q.y, p.y) + ".",
                    "v = " + displayPoint(v) + "; check: A + v = " + displayPoint(p + v) +
                        " = A\u2032."};
                return e;
            }};
}

kit::ExerciseKind preimageKind() {
    return {"translation-preimage", "Which point is moved there?", [](kit::Seed seed) {
                kit::Random random(seed);
                const ExactPoint original = transformkit::randomPoint(random, 8);
                const ExactPoint v = nonZeroVector(random, 7);
                const ExactPoint image = original + v;
                kit::Exercise e;
                e.kind = "translation-preimage";
                e.prompt = "The translation (x, y) \u2192 (x " +
                           std::string(v.x < 0 ? "\u2212 " : "+ ") + displayNumber(abs(v.x)) +
                           ", y " + (v.y < 0 ? "\u2212 " : "+ ") + displayNumber(abs(v.y)) +
                           ") maps the point B to " + namedPoint("B\u2032", image) + ". Find B.";
                e.answerHint = pointHint;
                e.expectedAnswer = pointText(original);
                e.check = transformkit::expectPoint(
                    original, {{image + v, "that moves B\u2032 on once more; to go back, "
                                           "subtract the vector"}});
                e.solutionSteps = {"The vector is v = " + displayPoint(v) +
                                       ". Undoing a translation is the translation by \u2212v.",
                                   "B = B\u2032 \u2212 v: x = " + differenceText(image.x, v.x) +
                                       ", y = " + differenceText(image.y, v.y) + ".",
                                   "B = " + displayPoint(original) + "; check: B + v = " +
                                       displayPoint(original + v) + " = B\u2032."};
                return e;
            }};
}

kit::ExerciseKind twoTranslationsKind() {
    return {
        "two-translations", "Two translations as one", [](kit::Seed seed) {
            kit::Random random(seed);
            const ExactPoint u = nonZeroVector(random, 6);
            const ExactPoint w = nonZeroVector(random, 6);
            const ExactPoint sum = u + w;
            kit::Exercise e;
            e.kind = "two-translations";
            e.prompt = "First translate by " + displayPoint(u) + ", then by " + displayPoint(w) +
                       ". The two together are one translation. By which vector?";
            e.answerHint = vectorHint;
            e.expectedAnswer = pointText(sum);
            e.check = transformkit::expectPoint(
                sum, {{u - w, "the second vector is added, not subtracted"},
                      {w - u, "the vectors are added: u + w"}});
            e.solutionSteps = {"A point P goes to P + u and then to (P + u) + w = P + (u + w): the "
                               "composition is the translation by u + w.",
                               "u + w = (" + sumText(u.x, w.x) + ", " + sumText(u.y, w.y) + ").",
                               "The translation by " + displayPoint(sum) +
                                   ". The order does not matter: u + w = w + u."};
            return e;
        }};
}

std::vector<kit::ExerciseKind> shiftingExerciseKinds() {
    return {translatePointKind(), findVectorKind(), preimageKind(), twoTranslationsKind()};
}

} // namespace shifting
