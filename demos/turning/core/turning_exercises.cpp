#include "turning/core/turning_exercises.h"

#include "transformkit/core/point_answers.h"
#include "transformkit/core/transformation.h"

namespace turning {

using transformkit::degreesText;
using transformkit::displayNumber;
using transformkit::displayPoint;
using transformkit::ExactPoint;
using transformkit::namedPoint;
using transformkit::pointText;
using transformkit::Transformation;

namespace {

ExactPoint rotated(const ExactPoint& centre, int degrees, const ExactPoint& p) {
    return Transformation::rotation(centre, degrees).exactMap()->apply(p);
}

// "90° anticlockwise", "90° clockwise", "180°".
std::string turnText(int degrees) {
    if (degrees == 180 || degrees == -180)
        return "180\u00b0 (a half-turn)";
    return std::to_string(std::abs(degrees)) + "\u00b0 " +
           (degrees > 0 ? "anticlockwise" : "clockwise");
}

// The rule of the rotation about the origin through a multiple of 90°, in words.
std::string originRule(int degrees) {
    switch (((degrees % 360) + 360) % 360) {
    case 90:
        return "(x, y) \u2192 (\u2212y, x)";
    case 180:
        return "(x, y) \u2192 (\u2212x, \u2212y)";
    default:
        return "(x, y) \u2192 (y, \u2212x)";
    }
}

int randomTurn(kit::Random& random) {
    static const std::vector<int> turns{90, 180, 270, -90};
    return random.pick(turns);
}

ExactPoint pointOffCentre(kit::Random& random, const ExactPoint& centre) {
    return transformkit::randomPointAvoiding(random, 7, {centre});
}

} // namespace

kit::ExerciseKind originRotationKind() {
    return {"rotate-origin", "Rotation about the origin", [](kit::Seed seed) {
                kit::Random random(seed);
                const int turn = randomTurn(random);
                const ExactPoint o{0, 0};
                ExactPoint p = pointOffCentre(random, o);
                if (p.x == 0 || p.y == 0)
                    p.x += 2, p.y += 1;
                const ExactPoint image = rotated(o, turn, p);
                kit::Exercise e;
                e.kind = "rotate-origin";
                e.prompt = "Rotate " + namedPoint("P", p) + " about the origin through " +
                           turnText(turn) + ". Find P\u2032.";
                e.answerHint = "a point (x, y)";
                e.expectedAnswer = pointText(image);
                std::vector<transformkit::KnownMistake> mistakes;
                if (turn != 180)
                    mistakes.push_back({rotated(o, -turn, p), "that turns the other way round"});
                mistakes.push_back({{-p.x, p.y}, "that is a reflection in the y-axis, not a turn"});
                mistakes.push_back({{p.x, -p.y}, "that is a reflection in the x-axis, not a turn"});
                e.check = transformkit::expectPoint(image, mistakes);
                e.solutionSteps = {
                    "The rotation about the origin through " + turnText(turn) + " has the rule " +
                        originRule(turn) + ".",
                    "P" + displayPoint(p) + " \u2192 P\u2032" + displayPoint(image) + ".",
                    "Check: OP and OP\u2032 have the same length (" +
                        transformkit::rootText(transformkit::distanceSquared(o, p)) +
                        ") and the turn from OP to OP\u2032 is " + turnText(turn) + "."};
                return e;
            }};
}

kit::ExerciseKind centreRotationKind() {
    return {"rotate-centre", "Rotation about a point", [](kit::Seed seed) {
                kit::Random random(seed);
                const int turn = randomTurn(random);
                const ExactPoint c = transformkit::randomPointAvoiding(random, 4, {{0, 0}});
                const ExactPoint p = pointOffCentre(random, c);
                const ExactPoint image = rotated(c, turn, p);
                const ExactPoint d = p - c, turned = rotated({0, 0}, turn, d);
                kit::Exercise e;
                e.kind = "rotate-centre";
                e.prompt = "Rotate " + namedPoint("P", p) + " about " + namedPoint("C", c) +
                           " through " + turnText(turn) + ". Find P\u2032.";
                e.answerHint = "a point (x, y)";
                e.expectedAnswer = pointText(image);
                std::vector<transformkit::KnownMistake> mistakes{
                    {rotated({0, 0}, turn, p),
                     "that is the rotation about the origin; turn about C instead"},
                    {turned, "that is the turned step from C; add C back to it"}};
                if (turn != 180)
                    mistakes.push_back({rotated(c, -turn, p), "that turns the other way round"});
                e.check = transformkit::expectPoint(image, mistakes);
                e.solutionSteps = {
                    "Move the centre to the origin: the step from C to P is P \u2212 C = " +
                        displayPoint(d) + ".",
                    "Turn the step with " + originRule(turn) + ": " + displayPoint(d) + " \u2192 " +
                        displayPoint(turned) + ".",
                    "Move back: P\u2032 = C + " + displayPoint(turned) + " = " +
                        displayPoint(image) + "."};
                return e;
            }};
}

kit::ExerciseKind rotationAngleKind() {
    return {"rotation-angle", "The angle of a rotation", [](kit::Seed seed) {
                kit::Random random(seed);
                static const std::vector<int> turns{90, 180, 270};
                const int turn = random.pick(turns);
                const ExactPoint c = transformkit::randomPoint(random, 4);
                const ExactPoint p = pointOffCentre(random, c);
                const ExactPoint image = rotated(c, turn, p);
                const ExactPoint d = p - c, di = image - c;
                kit::Exercise e;
                e.kind = "rotation-angle";
                e.prompt =
                    "A rotation about " + namedPoint("C", c) + " takes " + namedPoint("P", p) +
                    " to " + namedPoint("P\u2032", image) +
                    ". Through what angle does it turn, anticlockwise (0\u00b0 to 360\u00b0)?";
                e.answerHint = "an angle in degrees, such as 90";
                e.expectedAnswer = std::to_string(turn);
                std::vector<std::pair<int, std::string>> mistakes;
                if (turn != 180)
                    mistakes.push_back({360 - turn, "that is the clockwise turn; anticlockwise "
                                                    "is the other way"});
                e.check = transformkit::expectDegrees(turn, mistakes);
                const std::string dot = displayNumber(d.x * di.x + d.y * di.y);
                e.solutionSteps = {
                    "Compare the steps from the centre: CP = P \u2212 C = " + displayPoint(d) +
                        " and CP\u2032 = P\u2032 \u2212 C = " + displayPoint(di) + ".",
                    "Their dot product is " + dot +
                        (turn == 180 ? ": CP\u2032 = \u2212CP, they point in opposite directions."
                                     : ": they are perpendicular, a quarter turn."),
                    turn == 180
                        ? std::string("The angle is 180\u00b0, a half-turn.")
                        : "The rule (x, y) \u2192 " + originRule(turn) + " takes " +
                              displayPoint(d) + " to " + displayPoint(di) + ", so the angle is " +
                              std::to_string(turn) + "\u00b0 anticlockwise."};
                return e;
            }};
}

kit::ExerciseKind twoRotationsKind() {
    return {"two-rotations", "Two rotations as one", [](kit::Seed seed) {
                kit::Random random(seed);
                kit::Exercise e;
                e.kind = "two-rotations";
                if (random.chance(0.5)) {
                    static const std::vector<int> angles{30,  45,  60,  90,  120,
                                                         135, 150, 180, 210, 270};
                    const int alpha = random.pick(angles), beta = random.pick(angles);
                    const ExactPoint c = transformkit::randomPoint(random, 4);
                    const int sum = (alpha + beta) % 360;
                    e.prompt = "Rotate about " + namedPoint("C", c) + " through " +
                               std::to_string(alpha) +
                               "\u00b0 anticlockwise, then about the same "
                               "centre through " +
                               std::to_string(beta) +
                               "\u00b0 anticlockwise. Through what single angle (0\u00b0 to "
                               "360\u00b0) does this turn?";
                    e.answerHint = "an angle in degrees";
                    e.expectedAnswer = std::to_string(sum);
                    e.check = transformkit::expectDegrees(
                        sum, {{alpha - beta, "the turns add up; they are not subtracted"},
                              {beta - alpha, "the turns add up; they are not subtracted"}});
                    e.solutionSteps = {
                        "Both turns are about the same centre, so the angles add: " +
                            std::to_string(alpha) + "\u00b0 + " + std::to_string(beta) +
                            "\u00b0 = " + std::to_string(alpha + beta) + "\u00b0.",
                        alpha + beta >= 360
                            ? "A full turn of 360\u00b0 brings every point back, "
                              "so take 360\u00b0 away: " +
                                  std::to_string(sum) + "\u00b0."
                            : "That is less than a full turn: " + std::to_string(sum) + "\u00b0."};
                    if (sum == 0)
                        e.solutionSteps.push_back("A turn through 0\u00b0 is the identity.");
                    return e;
                }
                const ExactPoint a = transformkit::randomPoint(random, 5);
                const ExactPoint b = transformkit::randomPointAvoiding(random, 5, {a});
                const ExactPoint v = mpq_class(2) * (b - a);
                e.prompt = "A half-turn (180\u00b0) about " + namedPoint("A", a) +
                           " followed by a half-turn about " + namedPoint("B", b) +
                           " is a translation. By which vector?";
                e.answerHint = "a vector (a, b)";
                e.expectedAnswer = pointText(v);
                e.check = transformkit::expectPoint(
                    v, {{b - a, "the shift is twice the step from A to B"},
                        {mpq_class(2) * (a - b), "the shift goes from A towards B"}});
                e.solutionSteps = {
                    "A half-turn about A sends P to 2A \u2212 P; the half-turn about B sends that "
                    "to 2B \u2212 (2A \u2212 P) = P + 2(B \u2212 A).",
                    "B \u2212 A = " + displayPoint(b - a) +
                        ", so every point moves by 2(B \u2212 A) = " + displayPoint(v) + ".",
                    "Two turns whose angles add up to 360\u00b0 make a translation (or the "
                    "identity when the centres are the same)."};
                return e;
            }};
}

std::vector<kit::ExerciseKind> turningExerciseKinds() {
    return {originRotationKind(), centreRotationKind(), rotationAngleKind(), twoRotationsKind()};
}

} // namespace turning
