#include "divisors/core/euclid.h"

namespace divisors {

EuclidRun euclid(const mpz_class& a, const mpz_class& b) {
    EuclidRun run{a, b, {}, 0, 0, 0};
    // Each remainder is kept as a combination s*a + t*b of the first two numbers.
    mpz_class r0 = a, r1 = b, s0 = 1, s1 = 0, t0 = 0, t1 = 1;
    while (r1 != 0) {
        mpz_class q, r;
        mpz_fdiv_qr(q.get_mpz_t(), r.get_mpz_t(), r0.get_mpz_t(), r1.get_mpz_t());
        const mpz_class s = s0 - q * s1, t = t0 - q * t1;
        run.lines.push_back({r0, r1, q, r, s, t});
        r0 = r1;
        r1 = r;
        s0 = s1;
        s1 = s;
        t0 = t1;
        t1 = t;
    }
    run.gcd = r0;
    run.x = s0;
    run.y = t0;
    return run;
}

mpz_class leastCommonMultiple(const mpz_class& a, const mpz_class& b) {
    if (a == 0 || b == 0)
        return 0;
    return a / gcd(a, b) * b;
}

std::string lineText(const EuclidLine& line, bool html) {
    const std::string times = html ? " &middot; " : " * ";
    return line.a.get_str() + " = " + line.q.get_str() + times + line.b.get_str() + " + " +
           line.r.get_str();
}

} // namespace divisors
