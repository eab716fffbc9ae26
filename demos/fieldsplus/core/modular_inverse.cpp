#include "fieldsplus/core/modular_inverse.h"

#include <stdexcept>

namespace fieldsplus {

namespace {

std::string num(std::int64_t v) {
    return std::to_string(v);
}

std::string term(std::int64_t v) {
    return v < 0 ? "(" + num(v) + ")" : num(v);
}

} // namespace

std::int64_t reduced(std::int64_t value, std::int64_t n) {
    const std::int64_t r = value % n;
    return r < 0 ? r + n : r;
}

bool isPrime(std::int64_t n) {
    if (n < 2)
        return false;
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

InverseRun inverseModulo(std::int64_t a, std::int64_t n) {
    if (n < 2 || n > largestModulus || a < 1 || a >= n)
        throw std::invalid_argument("inverseModulo needs 1 <= a < n <= 10^9");
    InverseRun run;
    run.a = a;
    run.n = n;
    // Invariant: r_prev = s_prev a + t_prev n and r = s a + t n.
    std::int64_t rPrev = n, sPrev = 0, tPrev = 1;
    std::int64_t r = a, s = 1, t = 0;
    while (r != 0) {
        const std::int64_t q = rPrev / r;
        const std::int64_t rNext = rPrev - q * r, sNext = sPrev - q * s, tNext = tPrev - q * t;
        run.lines.push_back({rPrev, q, r, rNext, sNext, tNext});
        rPrev = r, sPrev = s, tPrev = t;
        r = rNext, s = sNext, t = tNext;
    }
    run.gcd = rPrev;
    if (rPrev == 1)
        run.inverse = reduced(sPrev, n);
    return run;
}

std::vector<std::string> inverseSteps(const InverseRun& run) {
    const std::string a = num(run.a), n = num(run.n);
    std::vector<std::string> steps{
        "Divide, and write each remainder as a combination s&middot;" + a + " + t&middot;" + n +
        ". Start with " + n + " = 0&middot;" + a + " + 1&middot;" + n + " and " + a +
        " = 1&middot;" + a + " + 0&middot;" + n +
        "; each new remainder is the one before last minus q times the last, and so are its "
        "s and t."};
    for (const auto& line : run.lines)
        steps.push_back(num(line.dividend) + " = " + num(line.quotient) + "&middot;" +
                        num(line.divisor) + " + " + num(line.remainder) +
                        (line.remainder == 0
                             ? " &nbsp; (remainder 0: stop)"
                             : " &nbsp;&rArr;&nbsp; " + num(line.remainder) + " = " + term(line.s) +
                                   "&middot;" + a + " + " + term(line.t) + "&middot;" + n));
    if (!run.inverse) {
        steps.push_back("gcd(" + a + ", " + n + ") = " + num(run.gcd) + ", not 1: every a x + " +
                        n + " y is a multiple of " + num(run.gcd) + ", so " + a +
                        " has no inverse modulo " + n + ".");
        return steps;
    }
    // The line whose remainder is 1 gives the coefficients.
    std::int64_t s = 1, t = 0;
    for (const auto& line : run.lines)
        if (line.remainder == 1)
            s = line.s, t = line.t;
    steps.push_back("The last non-zero remainder is 1 = " + term(s) + "&middot;" + a + " + " +
                    term(t) + "&middot;" + n + ". Modulo " + n + " the multiple of " + n +
                    " vanishes: " + term(s) + "&middot;" + a + " &equiv; 1.");
    steps.push_back(a + "<sup>&minus;1</sup> = " + num(s) + " mod " + n + " = <b>" +
                    num(*run.inverse) + "</b>. Check: " + a + "&middot;" + num(*run.inverse) +
                    " = " + num(run.a * *run.inverse) + " = " + num(run.a * *run.inverse / run.n) +
                    "&middot;" + n + " + 1.");
    return steps;
}

} // namespace fieldsplus
