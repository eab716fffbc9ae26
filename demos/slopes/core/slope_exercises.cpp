#include "slopes/core/slope_exercises.h"

#include "slopes/core/derivative_check.h"
#include "slopes/core/derivative_steps.h"

#include "equations/core/polynomial.h"
#include "graphs/core/exercises.h"
#include "graphs/core/function_algebra.h"
#include "graphs/core/line_through.h"

#include "kit/core/answer_checks.h"

namespace slopes {

namespace {

using kit::Exercise;
using kit::Random;

kit::Expression function(const std::string& text) {
    return graphs::parseFunction(text).value(); // the generators only write readable formulas
}

using equations::numberHtml;

long nonZeroBetween(Random& random, long lo, long hi) {
    long k = 0;
    while (k == 0)
        k = static_cast<long>(random.between(lo, hi));
    return k;
}

std::string n(long k) {
    return "(" + std::to_string(k) + ")";
}

// A function of one of the shapes the rules are practised on, as typed.
std::string practiceFunction(Random& random) {
    const long a = nonZeroBetween(random, -5, 5), b = nonZeroBetween(random, -6, 6);
    const long k = nonZeroBetween(random, 2, 4);
    switch (random.between(0, 7)) {
    case 0:
        return n(a) + "x^" + std::to_string(k + 1) + " + " + n(b) + "x^" + std::to_string(k - 1) +
               " + 7";
    case 1:
        return "(" + n(a) + "x + " + n(b) + ")sin(x)";
    case 2:
        return "x^" + std::to_string(k) + " exp(" + n(a) + "x)";
    case 3: {
        long c = nonZeroBetween(random, 1, 4), d = nonZeroBetween(random, -5, 5);
        if (a * d == b * c)
            d += 1;
        return "(" + n(a) + "x + " + n(b) + ")/(" + n(c) + "x + " + n(d) + ")";
    }
    case 4:
        return "(" + n(a) + "x + " + n(b) + ")^" + std::to_string(k + 2);
    case 5:
        return "sin(" + n(a) + "x^2)";
    case 6:
        return "log(x^2 + " + std::to_string(std::labs(b)) + ")";
    default:
        return "cos(" + n(a) + "x) / x";
    }
}

std::vector<std::string> ruleSteps(const StepwiseDerivative& d) {
    std::vector<std::string> steps;
    for (const auto& step : d.steps) {
        if (step.rule == "constant rule" && step.depth > 1)
            continue;
        steps.push_back("<b>" + step.rule + "</b>" +
                        (step.statement.empty() ? "" : " &nbsp;" + step.statement) + "<br>" +
                        step.detail);
    }
    steps.push_back("Collected: f&prime;(x) = " + graphs::formulaHtml(d.tidy) + ".");
    return steps;
}

// p x^3 + q x^2 + r x + s with integer coefficients, as typed.
std::string cubicTyped(long p, long q, long r, long s) {
    return n(p) + "x^3 + " + n(q) + "x^2 + " + n(r) + "x + " + n(s);
}

std::string formula(const std::string& typed) {
    return graphs::formulaHtml(function(typed));
}

} // namespace

Exercise derivativeExercise(kit::Seed seed) {
    Random random(seed);
    const kit::Expression f = function(practiceFunction(random));
    const StepwiseDerivative d = differentiateWithSteps(f);
    return kit::makeExercise(
        "derivative", "Differentiate f(x) = " + graphs::formulaHtml(f) + ".",
        "a function of x, e.g. 2x*cos(x) + 1", graphs::formulaTyped(d.tidy),
        [f](std::string_view typed) { return checkDerivative(typed, f); }, ruleSteps(d));
}

Exercise tangentSlopeExercise(kit::Seed seed) {
    Random random(seed);
    const long p = random.between(-2, 2), q = random.between(-4, 4), r = random.between(-6, 6);
    const long s = random.between(-5, 5), a = random.between(-3, 3);
    const std::string f = cubicTyped(p, q, r, s);
    const std::string df = n(3 * p) + "x^2 + " + n(2 * q) + "x + " + n(r);
    const long slope = 3 * p * a * a + 2 * q * a + r;
    return kit::makeExercise(
        "tangent-slope",
        "What is the slope of the tangent to y = " + formula(f) + " at x = " + numberHtml(a) + "?",
        "an integer", std::to_string(slope), kit::expectInteger(slope),
        {"The slope of the tangent is the derivative at that point.",
         "Power rule term by term: f&prime;(x) = " + formula(df) + ".",
         "f&prime;(" + numberHtml(a) + ") = " + numberHtml(3 * p * a * a) + " + (" +
             numberHtml(2 * q * a) + ") + (" + numberHtml(r) + ") = " + numberHtml(slope) + "."});
}

Exercise tangentLineExercise(kit::Seed seed) {
    Random random(seed);
    const long p = random.between(0, 1), q = nonZeroBetween(random, -3, 3);
    const long r = random.between(-5, 5), s = random.between(-6, 6), a = random.between(-2, 3);
    const std::string f = cubicTyped(p, q, r, s);
    const long value = p * a * a * a + q * a * a + r * a + s;
    const long slope = 3 * p * a * a + 2 * q * a + r;
    graphs::Line line;
    line.slope = slope;
    line.intercept = value - slope * a;
    return kit::makeExercise(
        "tangent-line",
        "Write the equation of the tangent to y = " + formula(f) + " at x = " + numberHtml(a) + ".",
        "y = mx + b", graphs::equationTyped(line),
        [line](std::string_view typed) { return graphs::checkLineEquation(typed, line); },
        {"The point of contact: f(" + numberHtml(a) + ") = " + numberHtml(value) + ".",
         "The slope: f&prime;(x) = " + formula(n(3 * p) + "x^2 + " + n(2 * q) + "x + " + n(r)) +
             ", so m = f&prime;(" + numberHtml(a) + ") = " + numberHtml(slope) + ".",
         "Point-slope form: y = " + numberHtml(slope) + "(x &minus; (" + numberHtml(a) + ")) + (" +
             numberHtml(value) + "), that is " + graphs::equationHtml(line) + "."});
}

Exercise criticalPointsExercise(kit::Seed seed) {
    Random random(seed);
    long r1 = random.between(-4, 3);
    long r2 = r1 + 2 * random.between(1, 3); // r1 + r2 even: integer coefficients
    const long c = random.between(-5, 5);
    const long scale = random.chance(0.5) ? 1 : -1;
    // f′ = 3·scale·(x − r1)(x − r2)
    const long q = -3 * scale * (r1 + r2) / 2, r = 3 * scale * r1 * r2;
    const std::string f = cubicTyped(scale, q, r, c);
    const char* first = scale > 0 ? "maximum" : "minimum";
    const char* second = scale > 0 ? "minimum" : "maximum";
    return kit::makeExercise(
        "critical-points",
        "Find the critical points of f(x) = " + formula(f) + " (the x where f&prime;(x) = 0).",
        "the x values, e.g. -1, 3", std::to_string(r1) + ", " + std::to_string(r2),
        kit::expectIntegerList({r1, r2}, false),
        {"f&prime;(x) = " + formula(n(3 * scale) + "x^2 + " + n(2 * q) + "x + " + n(r)) + ".",
         "Take out " + numberHtml(3 * scale) + ": f&prime;(x) = " + numberHtml(3 * scale) + "(" +
             formula("x^2 + " + n(-(r1 + r2)) + "x + " + n(r1 * r2)) +
             ") = " + numberHtml(3 * scale) + "(" + formula("x - " + n(r1)) + ")(" +
             formula("x - " + n(r2)) + ").",
         "f&prime;(x) = 0 at x = " + numberHtml(r1) + " and x = " + numberHtml(r2) + ". f&prime; " +
             (scale > 0 ? "changes from + to &minus;" : "changes from &minus; to +") + " at " +
             numberHtml(r1) + " (a local " + first + ") and back at " + numberHtml(r2) +
             " (a local " + second + ")."});
}

Exercise secantSlopeExercise(kit::Seed seed) {
    Random random(seed);
    const long q = random.between(-5, 5), r = random.between(-6, 6);
    const long a = random.between(-3, 3), h = random.between(1, 4);
    const std::string f = "x^2 + " + n(q) + "x + " + n(r);
    const auto value = [&](long x) { return x * x + q * x + r; };
    const long slope = (value(a + h) - value(a)) / h; // = 2a + h + q
    return kit::makeExercise(
        "secant-slope",
        "What is the slope of the secant of y = " + formula(f) + " through x = " + numberHtml(a) +
            " and x = " + numberHtml(a + h) + "?",
        "an integer", std::to_string(slope), kit::expectInteger(slope),
        {"The secant's slope is the difference quotient (f(a + h) &minus; f(a))/h with a = " +
             numberHtml(a) + ", h = " + numberHtml(h) + ".",
         "f(" + numberHtml(a + h) + ") = " + numberHtml(value(a + h)) + " and f(" + numberHtml(a) +
             ") = " + numberHtml(value(a)) + ".",
         "(" + numberHtml(value(a + h)) + " &minus; (" + numberHtml(value(a)) + "))/" +
             numberHtml(h) + " = " + numberHtml(slope) + ". (As h &rarr; 0 it tends to f&prime;(" +
             numberHtml(a) + ") = " + numberHtml(2 * a + q) + ", the tangent's slope.)"});
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"derivative", "Derivative of a function", derivativeExercise},
            {"tangent-slope", "Slope of a tangent", tangentSlopeExercise},
            {"tangent-line", "Equation of a tangent", tangentLineExercise},
            {"critical-points", "Critical points", criticalPointsExercise},
            {"secant-slope", "Slope of a secant", secantSlopeExercise}};
}

} // namespace slopes
