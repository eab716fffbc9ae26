#include "fieldsplus/core/linear_equation.h"

#include "fieldsplus/core/modular_inverse.h"

#include <numeric>
#include <stdexcept>

namespace fieldsplus {

namespace {

std::string num(std::int64_t v) {
    return std::to_string(v);
}

std::string zn(std::int64_t n) {
    return "Z<sub>" + num(n) + "</sub>";
}

void solveByInverse(LinearSolution& s, std::int64_t rhs) {
    const InverseRun run = inverseModulo(s.a, s.n);
    const std::int64_t inverse = *run.inverse;
    s.steps.push_back("gcd(" + num(s.a) + ", " + num(s.n) + ") = 1, so " + num(s.a) +
                      " has an inverse; by the extended Euclidean algorithm " + num(s.a) +
                      "<sup>&minus;1</sup> = " + num(inverse) + " (" + num(s.a) + "&middot;" +
                      num(inverse) + " = " + num(s.a * inverse) + " &equiv; 1).");
    const std::int64_t x = reduced(inverse * rhs, s.n);
    s.steps.push_back("Multiply both sides by " + num(inverse) + ": x = " + num(inverse) +
                      "&middot;" + num(rhs) + " = " + num(inverse * rhs) + " &equiv; <b>" + num(x) +
                      "</b>.");
    s.steps.push_back("Check: " + num(s.a) + "&middot;" + num(x) + " + " + num(s.b) + " = " +
                      num(s.a * x + s.b) + " &equiv; " + num(s.c) + " in " + zn(s.n) + ".");
    s.solutions.push_back(x);
    s.count = 1;
}

void solveWithoutInverse(LinearSolution& s, std::int64_t rhs) {
    const std::int64_t d = std::gcd(s.a, s.n);
    if (s.a == 0) {
        s.steps.push_back("a = 0, so the left side is 0 for every x.");
        if (rhs == 0) {
            s.count = s.n;
            for (std::int64_t x = 0; x < s.n && x < largestListedSolutions; ++x)
                s.solutions.push_back(x);
        }
        s.steps.push_back(rhs == 0 ? "0 = 0 holds: <b>every x</b> of " + zn(s.n) + " is a solution."
                                   : "0 = " + num(rhs) + " is false: <b>no solution</b>.");
        return;
    }
    s.steps.push_back("gcd(" + num(s.a) + ", " + num(s.n) + ") = " + num(d) + ", so " + num(s.a) +
                      " has no inverse in " + zn(s.n) + " (" + zn(s.n) +
                      " is not a field). Every value of " + num(s.a) + "x is a multiple of " +
                      num(d) + ".");
    if (rhs % d != 0) {
        s.steps.push_back(num(rhs) + " is not a multiple of " + num(d) + ": <b>no solution</b>.");
        return;
    }
    const std::int64_t m = s.n / d;
    const std::int64_t base =
        m == 1 ? 0 : reduced(*inverseModulo(reduced(s.a / d, m), m).inverse * (rhs / d), m);
    s.count = d;
    for (std::int64_t k = 0; k < d && k < largestListedSolutions; ++k)
        s.solutions.push_back(base + k * m);
    s.steps.push_back("Divide by " + num(d) + ": " + num(s.a / d) + "x &equiv; " + num(rhs / d) +
                      " modulo " + num(m) + " gives x &equiv; " + num(base) + ", so there are " +
                      num(d) + " solutions in " + zn(s.n) + ", " + num(m) + " apart.");
}

} // namespace

LinearSolution solveLinear(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t n) {
    if (n < 2 || n > largestModulus)
        throw std::invalid_argument("solveLinear needs 2 <= n <= 10^9");
    LinearSolution s{reduced(a, n), reduced(b, n), reduced(c, n), n, 0, {}, {}};
    const std::int64_t rhs = reduced(s.c - s.b, n);
    s.steps.push_back("Add the negative of " + num(s.b) + " to both sides: " + num(s.a) + "x = " +
                      num(s.c) + " &minus; " + num(s.b) + " = " + num(rhs) + " in " + zn(n) + ".");
    if (s.a != 0 && std::gcd(s.a, n) == 1)
        solveByInverse(s, rhs);
    else
        solveWithoutInverse(s, rhs);
    return s;
}

} // namespace fieldsplus
