#include "angles/core/angle_exercises.h"

#include "angles/core/exact_answer.h"
#include "angles/core/special_angles.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"
#include "kit/core/surd.h"

#include <array>

namespace angles {

namespace {

const std::string degreeSign = "\u00b0";

// A surd in the kit's typed grammar: "-(3*sqrt(2)/2)".
std::string surdTyped(const kit::Surd& s) {
    const mpq_class size = abs(s.coefficient);
    std::string body = s.radicand == 1 ? size.get_str()
                                       : size.get_num().get_str() + "*sqrt(" +
                                             s.radicand.get_str() + ")/" + size.get_den().get_str();
    return s.coefficient < 0 ? "-(" + body + ")" : body;
}

long specialAngle(kit::Random& random) {
    static const std::vector<long> angles = {0,   30,  45,  60,  90,  120, 135, 150, 180,
                                             210, 225, 240, 270, 300, 315, 330, 360};
    long degrees = random.pick(angles);
    if (random.chance(0.15))
        degrees -= 360; // a negative angle: the same point of the circle
    return degrees;
}

std::string quadrantText(long degrees) {
    const int q = quadrantOf(degrees);
    return q == 0 ? "on an axis" : "in quadrant " + std::to_string(q);
}

} // namespace

kit::Exercise exactValueExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long degrees = specialAngle(random);
    const int which = static_cast<int>(random.between(0, 2));
    const bool inRadians = random.chance(0.4);
    const ExactTrig exact = *exactTrig(degrees);
    const char* names[] = {"sin", "cos", "tan"};
    const std::string angleText =
        inRadians ? radiansText(degrees) : std::to_string(degrees) + degreeSign;
    kit::Exercise e;
    e.kind = "exact-value";
    e.prompt = std::string("Give the exact value of ") + names[which] + "(" + angleText + ").";
    e.answerHint = "exact: e.g. -sqrt(3)/2, √2/2, 1/2, or undefined";
    const long reference = referenceAngle(degrees);
    e.solutionSteps.push_back(angleText + " is " + quadrantText(degrees) +
                              "; its reference angle (to the x-axis) is " +
                              std::to_string(reference) + degreeSign + ".");
    e.solutionSteps.push_back("On the unit circle the point is (cos, sin) = (" +
                              signedSurdText(exact.cosine) + ", " + signedSurdText(exact.sine) +
                              "), read from the " +
                              (reference == 45 ? std::string("45°-45°-90° triangle (1, 1, √2)")
                                               : std::string("30°-60°-90° triangle (1, √3, 2)")) +
                              " scaled to hypotenuse 1.");
    if (which == 2 && !exact.tangent) {
        e.expectedAnswer = "undefined";
        e.check = expectUndefined();
        e.solutionSteps.push_back("tan = sin/cos and cos = 0 here: the tangent is undefined.");
        return e;
    }
    const kit::Surd value = which == 0 ? exact.sine : which == 1 ? exact.cosine : *exact.tangent;
    e.expectedAnswer = kit::surdText(
        value.coefficient < 0 ? kit::Surd{-value.coefficient, value.radicand} : value);
    if (value.coefficient < 0)
        e.expectedAnswer = "-" + e.expectedAnswer;
    e.check = expectExactNumber(surdTyped(value));
    e.solutionSteps.push_back(
        std::string(names[which]) + "(" + angleText + ") = " + signedSurdText(value) +
        (which == 2 ? " (sin divided by cos, the root moved to the top)." : "."));
    return e;
}

kit::Exercise radianExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long twelfths = random.between(1, 24); // multiples of 15°
    const long degrees = twelfths * 15;
    mpq_class k(degrees, 180);
    k.canonicalize();
    kit::Exercise e;
    e.kind = "radians";
    const std::string factor = "180" + degreeSign + " = π radians";
    if (random.chance(0.5)) {
        e.prompt = "Write " + std::to_string(degrees) + degreeSign + " in radians.";
        e.answerHint = "a multiple of pi, e.g. 3pi/4";
        e.expectedAnswer = radiansTyped(degrees);
        e.check = expectExactNumber(k.get_num().get_str() + "*pi/" + k.get_den().get_str());
        e.solutionSteps = {factor + ", so multiply by π/180.",
                           std::to_string(degrees) + " · π/180 = " + radiansText(degrees) + "."};
    } else {
        e.prompt = "Write " + radiansText(degrees) + " radians in degrees.";
        e.answerHint = "a number of degrees";
        e.expectedAnswer = std::to_string(degrees);
        e.check = kit::expectInteger(degrees);
        e.solutionSteps = {factor + ", so multiply by 180/π.",
                           radiansText(degrees) + " · 180/π = " + std::to_string(degrees) +
                               degreeSign + "."};
    }
    return e;
}

kit::Exercise rightTriangleExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long a = random.between(1, 12), b = random.between(1, 12);
    kit::Exercise e;
    e.kind = "right-triangle";
    e.answerHint = "exact length, e.g. 13 or 2√5";
    if (random.chance(0.5)) {
        const long square = a * a + b * b;
        e.prompt = "A right triangle has legs " + std::to_string(a) + " and " + std::to_string(b) +
                   ". How long is the hypotenuse?";
        kit::WorkBudget budget(10000);
        e.expectedAnswer = kit::surdText(*kit::exactSquareRoot(square, budget));
        e.check = kit::expectSquareRoot(square);
        e.solutionSteps = {"Pythagoras: c² = a² + b² = " + std::to_string(a * a) + " + " +
                               std::to_string(b * b) + " = " + std::to_string(square) + ".",
                           "c = √" + std::to_string(square) + " = " + e.expectedAnswer + "."};
    } else {
        const long hypotenuseSquare = a * a + b * b;
        kit::WorkBudget budget(10000);
        const std::string c = kit::surdText(*kit::exactSquareRoot(hypotenuseSquare, budget));
        e.prompt = "A right triangle has hypotenuse " + c + " and one leg " + std::to_string(a) +
                   ". How long is the other leg?";
        e.expectedAnswer = std::to_string(b);
        e.check = kit::expectSquareRoot(b * b);
        e.solutionSteps = {"Pythagoras: b² = c² − a² = " + std::to_string(hypotenuseSquare) +
                               " − " + std::to_string(a * a) + " = " + std::to_string(b * b) + ".",
                           "b = √" + std::to_string(b * b) + " = " + std::to_string(b) + "."};
    }
    return e;
}

kit::Exercise lawOfCosinesExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long a = random.between(2, 12), b = random.between(2, 12);
    const bool obtuse = random.chance(0.5);
    const long C = obtuse ? 120 : 60;
    // cos 60° = 1/2 and cos 120° = −1/2, so 2ab·cos C = ±ab.
    const long square = a * a + b * b + (obtuse ? a * b : -a * b);
    kit::WorkBudget budget(10000);
    kit::Exercise e;
    e.kind = "law-of-cosines";
    e.prompt = "A triangle has sides a = " + std::to_string(a) + " and b = " + std::to_string(b) +
               " with the angle C = " + std::to_string(C) + degreeSign +
               " between them. How long is the third side c?";
    e.answerHint = "exact length, e.g. 7 or 2√13";
    e.expectedAnswer = kit::surdText(*kit::exactSquareRoot(square, budget));
    e.check = kit::expectSquareRoot(square);
    e.solutionSteps = {"Law of cosines: c² = a² + b² − 2ab·cos C, and cos " + std::to_string(C) +
                           degreeSign + " = " + (obtuse ? "−1/2" : "1/2") + ".",
                       "c² = " + std::to_string(a * a) + " + " + std::to_string(b * b) +
                           (obtuse ? " + " : " − ") + std::to_string(a * b) + " = " +
                           std::to_string(square) + ".",
                       "c = √" + std::to_string(square) + " = " + e.expectedAnswer + "."};
    return e;
}

kit::Exercise ambiguousCaseExercise(kit::Seed seed) {
    kit::Random random(seed);
    // A = 30°: the height from C is b·sin A = b/2, exact.
    const long b = 2 * random.between(2, 10);
    const long height = b / 2;
    const int shape = static_cast<int>(random.between(0, 3));
    const long a = shape == 0   ? random.between(1, height - 1)     // too short: none
                   : shape == 1 ? height                            // touches: one right
                   : shape == 2 ? random.between(height + 1, b - 1) // two
                                : random.between(b, b + 6);         // long: one
    const long count = shape == 0 ? 0 : shape == 2 ? 2 : 1;
    kit::Exercise e;
    e.kind = "ambiguous-case";
    e.prompt = "In triangle ABC, A = 30" + degreeSign + ", b = " + std::to_string(b) +
               " and a = " + std::to_string(a) +
               " (the side opposite A). How many triangles "
               "have these measurements?";
    e.answerHint = "0, 1 or 2";
    e.expectedAnswer = std::to_string(count);
    e.check = kit::expectInteger(count);
    e.solutionSteps = {
        "Side a swings from C; the shortest distance from C to the line of side c is the height "
        "h = b·sin A = " +
            std::to_string(b) + " · 1/2 = " + std::to_string(height) + ".",
        shape == 0 ? "a = " + std::to_string(a) + " < h: side a cannot reach the line. No triangle."
        : shape == 1 ? "a = h: side a just touches the line, at a right angle. One triangle."
        : shape == 2 ? "h < a < b: side a meets the line twice on the far side of A. Two triangles "
                       "(B acute and B obtuse, sin B = " +
                           std::to_string(b) + "/(2·" + std::to_string(a) + ") either way)."
                     : "a ≥ b: the second meeting point falls behind A. One triangle."};
    return e;
}

kit::Exercise periodExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long A = random.between(1, 5) * (random.chance(0.3) ? -1 : 1);
    const long bNumerator = random.between(1, 6);
    const long bDenominator = random.chance(0.3) ? 2 : 1;
    mpq_class b(bNumerator, bDenominator);
    b.canonicalize();
    const bool tangent = random.chance(0.25);
    const bool cosine = !tangent && random.chance(0.5);
    const long c = random.between(-3, 3);
    mpq_class periodOverPi = mpq_class(tangent ? 1 : 2) / b;
    periodOverPi.canonicalize();
    const std::string name = tangent ? "tan" : cosine ? "cos" : "sin";
    const std::string bText =
        b == 1 ? "" : (b.get_den() == 1 ? b.get_str() : "(" + b.get_str() + ")");
    const std::string argument =
        bText + "x" + (c == 0 ? "" : (c > 0 ? " + " : " − ") + std::to_string(std::abs(c)));
    kit::Exercise e;
    e.kind = "period";
    e.prompt = "What is the period of y = " +
               (A == 1    ? std::string()
                : A == -1 ? "−"
                          : std::to_string(A)) +
               " " + name + "(" + argument + ")?";
    e.answerHint = "a multiple of pi, e.g. 2pi/3";
    const mpq_class degrees = periodOverPi * 180;
    e.expectedAnswer = radiansTyped(degrees);
    e.check = expectExactNumber(periodOverPi.get_num().get_str() + "*pi/" +
                                periodOverPi.get_den().get_str());
    e.solutionSteps = {name + " repeats every " + (tangent ? "π" : "2π") +
                           "; the factor A and the added constant do not change that.",
                       "The argument " + argument + " runs through one period when x grows by " +
                           (tangent ? "π" : "2π") + "/b with b = " + b.get_str() + ".",
                       "Period = " + radiansText(degrees) + "."};
    return e;
}

kit::Exercise identityExercise(kit::Seed seed) {
    kit::Random random(seed);
    // Pythagorean triples give rational sines and cosines: 3² + 4² = 5².
    static const std::vector<std::array<long, 3>> triples = {
        {3, 4, 5}, {5, 12, 13}, {8, 15, 17}, {7, 24, 25}, {20, 21, 29}, {9, 40, 41}};
    auto [p, q, r] = random.pick(triples);
    if (random.chance(0.5))
        std::swap(p, q);
    const int quadrant = static_cast<int>(random.between(1, 4));
    const long sinSign = quadrant <= 2 ? 1 : -1, cosSign = quadrant == 1 || quadrant == 4 ? 1 : -1;
    const mpq_class sine(sinSign * p, r), cosine(cosSign * q, r);
    const bool givenSine = random.chance(0.5), askTangent = random.chance(0.35);
    const mpq_class given = givenSine ? sine : cosine;
    const mpq_class other = givenSine ? cosine : sine;
    mpq_class answer = askTangent ? mpq_class(sine / cosine) : other;
    answer.canonicalize();
    const std::string givenName = givenSine ? "sin" : "cos", otherName = givenSine ? "cos" : "sin";
    kit::Exercise e;
    e.kind = "identity";
    e.prompt = givenName + " \u03b8 = " + given.get_str() + " and \u03b8 lies in quadrant " +
               std::to_string(quadrant) + ". What is " + (askTangent ? "tan" : otherName) +
               " \u03b8?";
    e.answerHint = "a fraction a/b";
    e.expectedAnswer = answer.get_str();
    e.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    const mpq_class otherSquare = 1 - given * given;
    e.solutionSteps = {"sin\u00b2\u03b8 + cos\u00b2\u03b8 = 1, so " + otherName +
                           "\u00b2\u03b8 = 1 \u2212 (" + given.get_str() +
                           ")\u00b2 = " + otherSquare.get_str() + " and " + otherName +
                           " \u03b8 = \u00b1" + mpq_class(abs(other)).get_str() + ".",
                       "In quadrant " + std::to_string(quadrant) + " " + otherName + " \u03b8 is " +
                           (other > 0 ? "positive" : "negative") + ": " + otherName +
                           " \u03b8 = " + other.get_str() + "."};
    if (askTangent)
        e.solutionSteps.push_back("tan \u03b8 = sin \u03b8 / cos \u03b8 = (" + sine.get_str() +
                                  ")/(" + cosine.get_str() + ") = " + answer.get_str() + ".");
    return e;
}

kit::Exercise lawOfSinesExercise(kit::Seed seed) {
    kit::Random random(seed);
    static const std::vector<long> special = {30, 45, 60, 90, 120, 135};
    long A = 0, B = 0;
    do {
        A = random.pick(special);
        B = random.pick(special);
    } while (A + B >= 180 || A == B);
    const long a = random.between(2, 12);
    const kit::Surd sinA = exactTrig(A)->sine, sinB = exactTrig(B)->sine;
    // b² = a²·sin²B / sin²A is rational: the answer is its square root.
    const mpq_class square = mpq_class(a * a) * sinB.square() / sinA.square();
    kit::WorkBudget budget(10000);
    kit::Exercise e;
    e.kind = "law-of-sines";
    e.prompt = "In triangle ABC, A = " + std::to_string(A) + degreeSign +
               ", B = " + std::to_string(B) + degreeSign + " and a = " + std::to_string(a) +
               " (the side opposite A). How long is b, the side opposite B?";
    e.answerHint = "exact length, e.g. 4√2 or 6";
    e.expectedAnswer = kit::surdText(*kit::exactSquareRoot(square, budget));
    e.check = kit::expectSquareRoot(square);
    e.solutionSteps = {"Law of sines: a/sin A = b/sin B, so b = a·sin B / sin A.",
                       "sin " + std::to_string(A) + degreeSign + " = " + kit::surdText(sinA) +
                           " and sin " + std::to_string(B) + degreeSign + " = " +
                           kit::surdText(sinB) + ".",
                       "b = " + std::to_string(a) + " · (" + kit::surdText(sinB) + ")/(" +
                           kit::surdText(sinA) + ") = " + e.expectedAnswer + "."};
    return e;
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"exact-value", "Exact values at special angles", exactValueExercise},
            {"radians", "Degrees and radians", radianExercise},
            {"right-triangle", "Right triangle: Pythagoras", rightTriangleExercise},
            {"law-of-sines", "Law of sines", lawOfSinesExercise},
            {"law-of-cosines", "Law of cosines", lawOfCosinesExercise},
            {"ambiguous-case", "SSA: how many triangles?", ambiguousCaseExercise},
            {"period", "Period of a trigonometric graph", periodExercise},
            {"identity", "sin\u00b2 + cos\u00b2 = 1 and the quadrant", identityExercise}};
}

} // namespace angles
