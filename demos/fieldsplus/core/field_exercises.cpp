#include "fieldsplus/core/field_exercises.h"

#include "addmult/core/element_set_check.h"
#include "addmult/core/finite_ring.h"
#include "fieldsplus/core/characteristic.h"
#include "fieldsplus/core/field_of_four.h"
#include "fieldsplus/core/linear_equation.h"
#include "fieldsplus/core/modular_inverse.h"
#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <numeric>

namespace fieldsplus {

namespace {

using kit::Exercise;
using kit::Random;

const std::vector<std::int64_t> primes{5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41, 43,
                                       47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};
const char* const notYet = "Not correct yet. Try again, or show the solution step by step.";

std::string num(std::int64_t v) {
    return std::to_string(v);
}

std::string zn(std::int64_t n) {
    return "Z<sub>" + num(n) + "</sub>";
}

int smallestFactor(int n) {
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return d;
    return n;
}

} // namespace

kit::AnswerCheck expectFieldOrZeroDivisor(int n) {
    return [n](std::string_view typed) -> kit::Verdict {
        const std::string word = kit::squeezedLowercase(typed);
        const bool prime = isPrime(n);
        if (word == "field")
            return prime ? kit::Verdict{true, kit::correctMessage}
                         : kit::Verdict{false, "Z_" + num(n) +
                                                   " is not a field: look for a factor of " +
                                                   num(n) + "."};
        const auto value = kit::parseInteger(typed);
        if (!value.ok())
            return {false, "type the word field, or a zero divisor of Z_" + num(n) + " (" +
                               value.error().message + ")"};
        if (value.value() <= 0 || value.value() >= n)
            return {false, value.value().get_str() + " is not a non-zero element of Z_" + num(n) +
                               ": use 1 to " + num(n - 1)};
        const int a = static_cast<int>(value.value().get_si());
        if (std::gcd(a, n) > 1)
            return {true, kit::correctMessage + std::string(" ") + num(a) + " \u00b7 " +
                              num(n / std::gcd(a, n)) + " = 0 in Z_" + num(n) + "."};
        return {false, num(a) + " is a unit of Z_" + num(n) + " (gcd(" + num(a) + ", " + num(n) +
                           ") = 1), not a zero divisor. " + notYet};
    };
}

kit::AnswerCheck expectFieldOfFourElement(int expected) {
    return [expected](std::string_view typed) -> kit::Verdict {
        const auto element = fieldOfFourElement(typed);
        if (!element)
            return {false, "type one of the four elements: 0, 1, a or a+1"};
        return *element == expected ? kit::Verdict{true, kit::correctMessage}
                                    : kit::Verdict{false, notYet};
    };
}

Exercise inverseExercise(kit::Seed seed) {
    Random random(seed);
    const std::int64_t p = random.pick(primes);
    const std::int64_t a = random.between(2, p - 2);
    const InverseRun run = inverseModulo(a, p);
    return kit::makeExercise(
        "inverse-mod-p",
        "Find the inverse of " + num(a) + " in " + zn(p) +
            " with the extended Euclidean algorithm.",
        "an element of Z_p: a number from 0 to p - 1", num(*run.inverse),
        addmult::expectElement(static_cast<int>(*run.inverse), static_cast<int>(p)),
        inverseSteps(run));
}

Exercise linearEquationExercise(kit::Seed seed) {
    Random random(seed);
    const std::int64_t p = random.pick(std::vector<std::int64_t>{5, 7, 11, 13, 17, 19, 23});
    const std::int64_t a = random.between(2, p - 1);
    const std::int64_t b = random.between(1, p - 1);
    const std::int64_t c = random.between(0, p - 1);
    const LinearSolution s = solveLinear(a, b, c, p);
    const std::int64_t x = s.solutions.front();
    return kit::makeExercise(
        "linear-equation",
        "Solve " + num(a) + "x + " + num(b) + " = " + num(c) + " in " + zn(p) + ".",
        "the value of x: a number from 0 to p - 1", num(x),
        addmult::expectElement(static_cast<int>(x), static_cast<int>(p)), s.steps);
}

Exercise fieldOrNotExercise(kit::Seed seed) {
    Random random(seed);
    const int n = static_cast<int>(random.between(4, 40));
    std::vector<std::string> steps{
        zn(n) + " is a field exactly when " + num(n) +
        " is prime. If n = r&middot;s with 1 &lt; r, s &lt; n, then r&middot;s = 0 in " + zn(n) +
        ": r is a zero divisor and has no inverse. If n is prime, every a from 1 to n &minus; 1 "
        "has gcd(a, n) = 1 and so an inverse."};
    std::string expected;
    if (isPrime(n)) {
        steps.push_back(num(n) + " is prime (no number from 2 to &radic;" + num(n) +
                        " divides it), so " + zn(n) + " is a field: type <b>field</b>.");
        expected = "field";
    } else {
        const int r = smallestFactor(n);
        steps.push_back(num(n) + " = " + num(r) + "&middot;" + num(n / r) + ", so " + num(r) +
                        "&middot;" + num(n / r) + " = 0 in " + zn(n) + ": <b>" + num(r) +
                        "</b> is a zero divisor (so is every a sharing a factor with " + num(n) +
                        ").");
        expected = num(r);
    }
    return kit::makeExercise(
        "field-or-not",
        "Is " + zn(n) +
            " a field? Type <b>field</b> if it is; if not, type a zero divisor that "
            "shows it is not.",
        "the word field, or a number from 1 to n - 1", expected, expectFieldOrZeroDivisor(n),
        std::move(steps));
}

Exercise characteristicExercise(kit::Seed seed) {
    Random random(seed);
    const int n = static_cast<int>(random.between(2, 12));
    const int m = static_cast<int>(random.between(2, 12));
    const int g = std::gcd(n, m), l = n / g * m;
    std::vector<std::string> steps{
        "The characteristic is the least k &ge; 1 with k&middot;1 = 1 + 1 + &hellip; + 1 = 0. "
        "The unity of Z<sub>" +
            num(n) + "</sub> &times; Z<sub>" + num(m) +
            "</sub> is (1, 1), and k&middot;(1, 1) = "
            "(k mod " +
            num(n) + ", k mod " + num(m) + ").",
        "That is (0, 0) exactly when " + num(n) + " divides k and " + num(m) +
            " divides k: k is a common multiple of " + num(n) + " and " + num(m) + ".",
        "The least one is lcm(" + num(n) + ", " + num(m) + ") = " + num(n) + "&middot;" + num(m) +
            "/gcd(" + num(n) + ", " + num(m) + ") = " + num(n * m) + "/" + num(g) + " = <b>" +
            num(l) + "</b>."};
    return kit::makeExercise("characteristic",
                             "What is the characteristic of Z<sub>" + num(n) +
                                 "</sub> &times; Z<sub>" + num(m) + "</sub>?",
                             "a whole number", num(l), kit::expectInteger(l), std::move(steps));
}

Exercise fieldOfFourExercise(kit::Seed seed) {
    Random random(seed);
    const addmult::FiniteRing f = fieldOfFour();
    const int x = static_cast<int>(random.between(2, 3));
    const int y = static_cast<int>(random.between(1, 3));
    const int z = static_cast<int>(random.between(1, 3));
    const auto& e = f.elements;
    const int product = f.product(x, y), answer = f.sum(product, z);
    std::vector<std::string> steps{
        "Multiply as polynomials with coefficients in Z<sub>2</sub> (1 + 1 = 0), then replace "
        "a&sup2; by a + 1 (because a&sup2; + a + 1 = 0)."};
    const auto bracket = [](const std::string& s) { return s.size() > 1 ? "(" + s + ")" : s; };
    if (x == 3 && y == 3)
        steps.push_back("(a+1)(a+1) = a&sup2; + a + a + 1 = a&sup2; + 1 = (a + 1) + 1 = a.");
    else if (x == 3 && y == 2)
        steps.push_back("(a+1)&middot;a = a&sup2; + a = (a + 1) + a = 1.");
    else if (x == 2 && y == 3)
        steps.push_back("a(a+1) = a&sup2; + a = (a + 1) + a = 1.");
    else if (x == 2 && y == 2)
        steps.push_back("a&middot;a = a&sup2; = a + 1.");
    else
        steps.push_back(bracket(e[x]) + "&middot;1 = " + e[x] + ": 1 is the unity.");
    steps.push_back(bracket(e[product]) + " + " + bracket(e[z]) + " = " + e[answer] +
                    " (add the coefficients of 1 and of a separately, modulo 2).");
    steps.push_back("So the answer is <b>" + e[answer] + "</b>.");
    return kit::makeExercise(
        "field-of-four",
        "In the field of four elements {0, 1, a, a+1} with a&sup2; = a + 1, compute " +
            bracket(e[x]) + "&middot;" + bracket(e[y]) + " + " + bracket(e[z]) + ".",
        "one of 0, 1, a, a+1", e[answer], expectFieldOfFourElement(answer), std::move(steps));
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {
        {"inverse-mod-p", "Inverse modulo p", inverseExercise},
        {"linear-equation", "Solve ax + b = c in Z_p", linearEquationExercise},
        {"field-or-not", "Is Z_n a field?", fieldOrNotExercise},
        {"characteristic", "Characteristic", characteristicExercise},
        {"field-of-four", "The field of four elements", fieldOfFourExercise},
    };
}

} // namespace fieldsplus
