#include "scaling/core/scaling_exercises.h"

#include "transformkit/core/point_answers.h"

#include "kit/core/number_input.h"

namespace scaling {

using transformkit::displayNumber;
using transformkit::displayPoint;
using transformkit::ExactPoint;
using transformkit::namedPoint;
using transformkit::pointText;

namespace {

const char* const pointHint = "a point (x, y); fractions such as 5/2 are allowed";

mpq_class randomFactor(kit::Random& random) {
    static const std::vector<std::pair<int, int>> factors{
        {2, 1}, {3, 1}, {-1, 1}, {-2, 1}, {1, 2}, {-1, 2}, {3, 2}, {1, 3}, {-3, 1}, {2, 3}};
    const auto [p, q] = random.pick(factors);
    return mpq_class(p, q);
}

std::string bracketed(const mpq_class& k) {
    return k < 0 ? "(" + displayNumber(k) + ")" : displayNumber(k);
}

ExactPoint dilated(const ExactPoint& centre, const mpq_class& k, const ExactPoint& p) {
    return centre + k * (p - centre);
}

// An exact rational with one named mistake.
kit::AnswerCheck expectNumber(mpq_class expected, mpq_class wrong, std::string why) {
    return [expected = std::move(expected), wrong = std::move(wrong),
            why = std::move(why)](std::string_view typed) -> kit::Verdict {
        const auto value = kit::parseRational(typed);
        if (!value.ok())
            return {false, value.error().message};
        if (value.value() == expected)
            return {true, kit::correctMessage};
        if (value.value() == wrong)
            return {false, why};
        return {false, "not that number"};
    };
}

} // namespace

kit::ExerciseKind originDilationKind() {
    return {"dilate-origin", "Dilation about the origin", [](kit::Seed seed) {
                kit::Random random(seed);
                const mpq_class k = randomFactor(random);
                ExactPoint p = transformkit::randomPointAvoiding(random, 8, {{0, 0}});
                if (p.x == 0)
                    p.x = 3;
                const ExactPoint image = k * p;
                kit::Exercise e;
                e.kind = "dilate-origin";
                e.prompt = "The dilation about the origin O with factor k = " + displayNumber(k) +
                           " maps " + namedPoint("P", p) + " to P\u2032. Find P\u2032.";
                e.answerHint = pointHint;
                e.expectedAnswer = pointText(image);
                std::vector<transformkit::KnownMistake> mistakes{
                    {mpq_class(1 / k) * p, "that divides by k; a dilation multiplies by k"},
                    {{k * p.x, p.y}, "both coordinates are multiplied by k"}};
                if (k < 0)
                    mistakes.push_back({mpq_class(-k) * p, "k is negative: the image lies on the "
                                                           "other side of O"});
                e.check = transformkit::expectPoint(image, mistakes);
                e.solutionSteps = {
                    "The dilation about O with factor k has the rule (x, y) \u2192 (kx, ky): "
                    "OP\u2032 = k\u00b7OP.",
                    "x\u2032 = " + bracketed(k) + "\u00b7" + bracketed(p.x) + " = " +
                        displayNumber(image.x) + ", y\u2032 = " + bracketed(k) + "\u00b7" +
                        bracketed(p.y) + " = " + displayNumber(image.y) + ".",
                    "P\u2032 = " + displayPoint(image) +
                        (k < 0 ? ", on the other side of O because k < 0." : ".")};
                return e;
            }};
}

kit::ExerciseKind centreDilationKind() {
    return {"dilate-centre", "Dilation about a point", [](kit::Seed seed) {
                kit::Random random(seed);
                const mpq_class k = randomFactor(random);
                const ExactPoint c = transformkit::randomPointAvoiding(random, 4, {{0, 0}});
                const ExactPoint p = transformkit::randomPointAvoiding(random, 7, {c});
                const ExactPoint step = p - c, scaled = k * step, image = c + scaled;
                kit::Exercise e;
                e.kind = "dilate-centre";
                e.prompt = "The dilation about " + namedPoint("C", c) +
                           " with factor k = " + displayNumber(k) + " maps " + namedPoint("P", p) +
                           " to P\u2032. Find P\u2032.";
                e.answerHint = pointHint;
                e.expectedAnswer = pointText(image);
                e.check = transformkit::expectPoint(
                    image, {{k * p, "that is the dilation about the origin; scale the step from C "
                                    "instead"},
                            {scaled, "that is the scaled step from C; add C back to it"}});
                e.solutionSteps = {
                    "The step from the centre: CP = P \u2212 C = " + displayPoint(step) + ".",
                    "Multiply it by k: " + bracketed(k) + "\u00b7" + displayPoint(step) + " = " +
                        displayPoint(scaled) + ".",
                    "P\u2032 = C + " + displayPoint(scaled) + " = " + displayPoint(image) +
                        ". The rule: (x, y) \u2192 (" + displayNumber(c.x) + " + " + bracketed(k) +
                        "(x \u2212 " + bracketed(c.x) + "), " + displayNumber(c.y) + " + " +
                        bracketed(k) + "(y \u2212 " + bracketed(c.y) + "))."};
                return e;
            }};
}

kit::ExerciseKind scaleFactorKind() {
    return {"scale-factor", "The factor of a dilation", [](kit::Seed seed) {
                kit::Random random(seed);
                const mpq_class k = randomFactor(random);
                const ExactPoint c = transformkit::randomPoint(random, 4);
                ExactPoint p = transformkit::randomPointAvoiding(random, 7, {c});
                if (p.x == c.x)
                    p.x += 2;
                const ExactPoint image = dilated(c, k, p);
                kit::Exercise e;
                e.kind = "scale-factor";
                e.prompt = "A dilation about " + namedPoint("C", c) + " maps " +
                           namedPoint("P", p) + " to " + namedPoint("P\u2032", image) +
                           ". Find its factor k.";
                e.answerHint = "a number; fractions such as -1/2 are allowed";
                e.expectedAnswer = transformkit::numberText(k);
                e.check = expectNumber(k, 1 / k,
                                       "that is P\u2032 to P; k = CP\u2032 / CP, image "
                                       "over object");
                e.solutionSteps = {
                    "CP\u2032 = k\u00b7CP, so compare the steps from the centre: CP = " +
                        displayPoint(p - c) + ", CP\u2032 = " + displayPoint(image - c) + ".",
                    "k = " + displayNumber(image.x - c.x) + " / " + bracketed(p.x - c.x) + " = " +
                        displayNumber(k) + " (the y-components give the same).",
                    k < 0 ? "k is negative: P and P\u2032 lie on opposite sides of C."
                          : "k is positive: P and P\u2032 lie on the same side of C."};
                return e;
            }};
}

kit::ExerciseKind lengthAreaKind() {
    return {"length-area", "Lengths and areas of the image", [](kit::Seed seed) {
                kit::Random random(seed);
                const mpq_class k = randomFactor(random);
                kit::Exercise e;
                e.kind = "length-area";
                if (random.chance(0.5)) {
                    const mpq_class length = static_cast<long>(random.between(2, 12));
                    const mpq_class image = abs(k) * length;
                    e.prompt = "A segment of length " + displayNumber(length) +
                               " is mapped by a dilation with factor k = " + displayNumber(k) +
                               ". How long is its image?";
                    e.answerHint = "a number";
                    e.expectedAnswer = transformkit::numberText(image);
                    e.check = expectNumber(image, k * length,
                                           "a length is never negative: it is multiplied by |k|");
                    e.solutionSteps = {"A dilation multiplies every length by |k| = " +
                                           displayNumber(abs(k)) + ".",
                                       displayNumber(abs(k)) + "\u00b7" + displayNumber(length) +
                                           " = " + displayNumber(image) + "."};
                    return e;
                }
                const mpq_class area = static_cast<long>(random.between(2, 20));
                const mpq_class image = k * k * area;
                e.prompt = "A triangle of area " + displayNumber(area) +
                           " is mapped by a dilation with factor k = " + displayNumber(k) +
                           ". What is the area of its image?";
                e.answerHint = "a number";
                e.expectedAnswer = transformkit::numberText(image);
                e.check = expectNumber(image, abs(k) * area,
                                       "lengths are multiplied by |k|, but an area by k\u00b2");
                e.solutionSteps = {
                    "Every length is multiplied by |k|; an area is a length times a length, so it "
                    "is multiplied by k\u00b2 = " +
                        displayNumber(k * k) + ".",
                    displayNumber(k * k) + "\u00b7" + displayNumber(area) + " = " +
                        displayNumber(image) + "."};
                return e;
            }};
}

std::vector<kit::ExerciseKind> scalingExerciseKinds() {
    return {originDilationKind(), centreDilationKind(), scaleFactorKind(), lengthAreaKind()};
}

} // namespace scaling
