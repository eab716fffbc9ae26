#include "graphs/core/exercises.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/line_through.h"

#include "equations/core/polynomial.h"
#include "equations/core/solution_input.h"
#include "kit/core/answer_checks.h"

#include <algorithm>
#include <cctype>

namespace graphs {

namespace {

using kit::Exercise;
using kit::Random;

using equations::numberHtml;

std::string pointHtml(const ExactPoint& p) {
    return "(" + numberHtml(p.x) + ", " + numberHtml(p.y) + ")";
}

kit::Expression function(const std::string& text) {
    return parseFunction(text).value(); // the generators only write readable formulas
}

std::string signedTerm(long k) {
    return k < 0 ? " - " + std::to_string(-k) : " + " + std::to_string(k);
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return "";
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// The right side of "name = formula" (or the whole text when there is no '=').
std::pair<std::string, std::string> sides(std::string_view typed) {
    const auto at = typed.find('=');
    if (at == std::string_view::npos)
        return {"", trimmed(typed)};
    std::string left = trimmed(typed.substr(0, at));
    for (auto& c : left)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return {left, trimmed(typed.substr(at + 1))};
}

std::function<kit::Verdict(std::string_view)>
expectFunction(kit::Expression expected, std::string notThis, std::string notThisReason) {
    return [expected, notThis, notThisReason](std::string_view typed) -> kit::Verdict {
        const auto [left, right] = sides(typed);
        const auto parsed = parseFunction(right);
        if (!parsed.ok())
            return {false, parsed.error().message};
        if (parsed.value().equivalentTo(expected))
            return {true, kit::correctMessage};
        if (!notThis.empty() && parsed.value().equivalentTo(function(notThis)))
            return {false, notThisReason};
        return {false, "that is a different function: try a value of x in both"};
    };
}

std::pair<ExactPoint, ExactPoint> twoPoints(Random& random, bool vertical) {
    for (;;) {
        const ExactPoint p{random.between(-6, 6), random.between(-6, 6)};
        ExactPoint q{random.between(-6, 6), random.between(-6, 6)};
        if (vertical)
            q.x = p.x;
        if ((p.x != q.x || vertical) && !(p.x == q.x && p.y == q.y))
            return {p, q};
    }
}

} // namespace

kit::Verdict checkLineEquation(std::string_view typed, const Line& line) {
    const auto [left, right] = sides(typed);
    if (line.vertical) {
        if (left != "x")
            return {false, "a vertical line has no y = form: write x = c"};
        const auto parsed = kit::Expression::parse(right, {});
        if (!parsed.ok())
            return {false, parsed.error().message};
        const auto value = parsed.value().evaluate({});
        return value && *value == line.xValue.get_d() ? kit::Verdict{true, kit::correctMessage}
                                                      : kit::Verdict{false, "not that x"};
    }
    if (left != "y")
        return {false, "write the equation of the line: y = mx + b"};
    const auto parsed = parseFunction(right);
    if (!parsed.ok())
        return {false, parsed.error().message};
    const std::string slope = "(" + line.slope.get_str() + ")";
    const std::string expected = slope + "*x + (" + line.intercept.get_str() + ")";
    if (parsed.value().equivalentTo(function(expected)))
        return {true, kit::correctMessage};
    const auto at0 = parsed.value().evaluate({0.0});
    if (at0 && *at0 == line.intercept.get_d())
        return {false, "the intercept is right, the slope is not"};
    return {false, "that line does not pass through both points"};
}

Exercise slopeExercise(kit::Seed seed) {
    Random random(seed);
    const auto [p, q] = twoPoints(random, random.chance(0.1));
    const auto line = *lineThrough(p, q);
    const std::string prompt =
        "What is the slope of the line through " + pointHtml(p) + " and " + pointHtml(q) + "?";
    if (line.vertical)
        return kit::makeExercise(
            "slope", prompt, "a fraction such as -3/4, or undefined", "undefined",
            kit::expectChoice({"undefined", "none", "no slope"}),
            {line.steps.front(), "A vertical line rises without running: rise/0 has no value."});
    return kit::makeExercise(
        "slope", prompt, "a fraction such as -3/4, or undefined", line.slope.get_str(),
        kit::expectRational(line.slope, kit::FractionForm::AnyEquivalent),
        {"The slope is rise over run; either point may come first, as long as both "
         "differences take them in the same order.",
         line.steps.front()});
}

Exercise lineEquationExercise(kit::Seed seed) {
    Random random(seed);
    const auto [p, q] = twoPoints(random, random.chance(0.1));
    const auto line = *lineThrough(p, q);
    auto steps = line.steps;
    steps.push_back("The line: " + equationHtml(line) + ".");
    return kit::makeExercise(
        "line-equation",
        "Write the equation of the line through " + pointHtml(p) + " and " + pointHtml(q) + ".",
        "y = mx + b, such as y = 2x - 1/2, or x = c for a vertical line", equationTyped(line),
        [line](std::string_view t) { return checkLineEquation(t, line); }, std::move(steps));
}

Exercise compositionExercise(kit::Seed seed) {
    Random random(seed);
    const long a = random.pick(std::vector<std::int64_t>{2, 3, -1, -2, 4});
    const long b = random.between(-5, 5);
    const long c = random.between(-4, 4);
    const std::vector<std::string> inner{"x^2" + signedTerm(c),
                                         "1/(x" + signedTerm(c == 0 ? 1 : c) + ")",
                                         "sqrt(x)" + signedTerm(c)};
    const std::string linear = std::to_string(a) + "*x" + signedTerm(b);
    const std::string other = random.pick(inner);
    const bool linearOutside = random.chance(0.5);
    const std::string f = linearOutside ? linear : other, g = linearOutside ? other : linear;
    const kit::Expression composed = compose(function(f), function(g));
    const kit::Expression reversed = compose(function(g), function(f));
    const std::string expected = formulaTyped(composed);
    return kit::makeExercise(
        "composition",
        "Let f(x) = " + formulaHtml(function(f)) + " and g(x) = " + formulaHtml(function(g)) +
            ". Find (f &#8728; g)(x) = f(g(x)).",
        "a formula in x, such as 2*(x^2 + 1) - 3", expected,
        expectFunction(composed, formulaTyped(reversed),
                       "that is g(f(x)): the inner function g is applied first"),
        {"f &#8728; g means: first apply g, then apply f to the result.",
         "Replace every x in f(x) = " + formulaHtml(function(f)) + " by g(x) = (" +
             formulaHtml(function(g)) + ").",
         "Simplify: f(g(x)) = " + formulaHtml(composed) + ". (In the other order, g(f(x)) = " +
             formulaHtml(reversed) + ": composition is not commutative.)"});
}

Exercise inverseExercise(kit::Seed seed) {
    Random random(seed);
    std::string f;
    std::vector<std::string> steps;
    if (random.chance(0.6)) {
        const long a = random.pick(std::vector<std::int64_t>{2, 3, 4, 5, -2, -3});
        const long b = random.between(-9, 9);
        f = std::to_string(a) + "*x" + signedTerm(b);
        steps = {"Write y = " + formulaHtml(function(f)) + " and solve for x: subtract " +
                 numberHtml(b) + ", then divide by " + numberHtml(a) + ": x = (y" +
                 (b < 0 ? " + " + std::to_string(-b) : " &minus; " + std::to_string(b)) + ")/" +
                 numberHtml(a) + "."};
    } else {
        const long b = random.between(-5, 5), d = random.between(-5, 5);
        const long a = random.pick(std::vector<std::int64_t>{1, 2, 3});
        f = "(" + std::to_string(a) + "*x" + signedTerm(b) + ")/(x" + signedTerm(d == 0 ? 1 : d) +
            ")";
        steps = {"Write y = " + formulaHtml(function(f)) +
                 " and solve for x: multiply by the "
                 "denominator, collect the terms with x on one side, factor x out and divide."};
    }
    const kit::Expression fx = function(f);
    const auto inverse = inverseFormula(fx);
    if (!inverse) // a constant quotient: take the linear case again from the next seed
        return inverseExercise(seed + 1);
    steps.push_back("Swap the names of x and y: f&#8315;&sup1;(x) = " + formulaHtml(*inverse) +
                    ". Its graph is the reflection of the graph of f in the line y = x.");
    steps.push_back("Check: f(f&#8315;&sup1;(x)) = " + formulaHtml(compose(fx, *inverse)) + ".");
    return kit::makeExercise(
        "inverse", "Find the inverse function of f(x) = " + formulaHtml(fx) + ".",
        "a formula in x, such as (x - 3)/2", formulaTyped(*inverse),
        expectFunction(*inverse, "1/(" + f + ")",
                       "that is 1/f(x), the reciprocal; the inverse undoes f instead"),
        std::move(steps));
}

Exercise domainExercise(kit::Seed seed) {
    Random random(seed);
    long a = random.between(-6, 6), b = random.between(-6, 6);
    if (a == b)
        b = a + random.between(1, 4);
    const std::vector<std::string> shapes{
        "sqrt(x" + signedTerm(-a) + ")/(x" + signedTerm(-b) + ")",
        "1/((x" + signedTerm(-a) + ")*(x" + signedTerm(-b) + "))",
        "sqrt((x" + signedTerm(-a) + ")*(x" + signedTerm(-b) + "))", "log(x" + signedTerm(-a) + ")",
        "sqrt(" + std::to_string(std::max(a, b)) + " - x)"};
    const std::string f = random.pick(shapes);
    const kit::Expression fx = function(f);
    const Domain domain = domainOf(fx);
    std::string conditions;
    for (const auto& c : domain.conditionsHtml)
        conditions += (conditions.empty() ? "" : ", ") + c;
    return kit::makeExercise(
        "domain",
        "What is the largest domain of f(x) = " + formulaHtml(fx) +
            "? Give it in interval notation.",
        "intervals joined by U, such as (-inf, 2) U (2, inf)", equations::solutionTyped(domain.set),
        equations::expectSolutionSet(domain.set),
        {"A formula is undefined where it divides by zero, takes an even root of a "
         "negative number or the logarithm of a number that is not positive.",
         "So here: " + conditions + ".",
         "Solve each condition (a sign chart for products) and keep the x that satisfy "
         "all of them: " +
             equations::solutionHtml(domain.set) + "."});
}

Exercise transformationExercise(kit::Seed seed) {
    Random random(seed);
    const std::vector<std::string> bases{"x^2", "abs(x)", "sqrt(x)", "x^3"};
    const std::string base = random.pick(bases);
    const long a = random.pick(std::vector<std::int64_t>{1, 2, 3, -1, -2});
    const long c = random.between(-5, 5), d = random.between(-5, 5);
    const std::string shifted = base;
    std::string inner = "(x" + signedTerm(-c) + ")";
    std::string formula = std::to_string(a) + "*" + shifted;
    for (auto at = formula.find('x'); at != std::string::npos;
         at = formula.find('x', at + inner.size()))
        formula.replace(at, 1, inner);
    formula += signedTerm(d);
    const kit::Expression g = function(formula);
    const std::string right = c > 0   ? std::to_string(c) + " to the right"
                              : c < 0 ? std::to_string(-c) + " to the left"
                                      : "";
    const std::string up = d > 0   ? std::to_string(d) + " up"
                           : d < 0 ? std::to_string(-d) + " down"
                                   : "";
    std::string moves;
    if (a == -1)
        moves = "reflected in the x-axis";
    else if (a < 0)
        moves = "stretched vertically by " + std::to_string(-a) + " and reflected in the x-axis";
    else if (a > 1)
        moves = "stretched vertically by " + std::to_string(a);
    for (const auto& m : {right, up})
        if (!m.empty())
            moves += (moves.empty() ? "shifted " : ", then shifted ") + m;
    if (moves.empty())
        moves = "left where it is";
    const kit::Expression f = function(base);
    return kit::makeExercise(
        "transformation",
        "The graph of f(x) = " + formulaHtml(f) + " is " + moves +
            ". Write the formula of the new graph.",
        "a formula in x, such as 2*(x - 1)^2 + 3", formulaTyped(g), expectFunction(g, "", ""),
        {"a&middot;f(x &minus; c) + d: a stretches vertically (and reflects when "
         "negative), c shifts right (left when negative), d shifts up.",
         "Shifting right by c replaces x by x &minus; c: the point that was at x is now "
         "at x + c.",
         "Here a = " + std::to_string(a) + ", c = " + std::to_string(c) +
             ", d = " + std::to_string(d) + ": " + formulaHtml(g) + "."});
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"slope", "Slope through two points", slopeExercise},
            {"line-equation", "Equation of a line", lineEquationExercise},
            {"composition", "Composition f(g(x))", compositionExercise},
            {"inverse", "Inverse function", inverseExercise},
            {"domain", "Domain in interval notation", domainExercise},
            {"transformation", "Transformed graphs", transformationExercise}};
}

} // namespace graphs
