#include "divisors/core/factorization.h"

#include <algorithm>

namespace divisors {

namespace {

bool millerRabinWitnessFails(const mpz_class& n, const mpz_class& d, unsigned long s,
                             unsigned long base) {
    // True when base proves n composite.
    mpz_class x;
    const mpz_class a = base;
    mpz_powm(x.get_mpz_t(), a.get_mpz_t(), d.get_mpz_t(), n.get_mpz_t());
    const mpz_class minusOne = n - 1;
    if (x == 1 || x == minusOne)
        return false;
    for (unsigned long r = 1; r < s; ++r) {
        x = x * x % n;
        if (x == minusOne)
            return false;
    }
    return true;
}

// One non-trivial factor of the composite n, or 0 when the budget ran out.
mpz_class rhoFactor(const mpz_class& n, kit::WorkBudget& budget) {
    for (unsigned long c = 1;; ++c) {
        mpz_class y = 2, x, g = 1, q = 1, ys;
        const mpz_class cc = c;
        unsigned long r = 1;
        const unsigned long m = 128;
        while (g == 1) {
            x = y;
            for (unsigned long i = 0; i < r; ++i)
                y = (y * y + cc) % n;
            unsigned long k = 0;
            while (k < r && g == 1) {
                ys = y;
                const unsigned long batch = std::min(m, r - k);
                if (!budget.spend(batch))
                    return 0;
                for (unsigned long i = 0; i < batch; ++i) {
                    y = (y * y + cc) % n;
                    mpz_class diff = x - y;
                    q = q * abs(diff) % n;
                }
                g = gcd(q, n);
                k += batch;
            }
            r *= 2;
        }
        if (g == n) {
            // The batch overshot: step one at a time from the saved position.
            do {
                if (!budget.spend())
                    return 0;
                ys = (ys * ys + cc) % n;
                mpz_class diff = x - ys;
                g = gcd(mpz_class(abs(diff)), n);
            } while (g == 1);
        }
        if (g != n)
            return g;
        // This constant c gave only the trivial factor; try the next.
    }
}

void addPrime(Factorization& f, const mpz_class& p, unsigned long times) {
    for (auto& entry : f)
        if (entry.prime == p) {
            entry.exponent += times;
            return;
        }
    f.push_back({p, times});
}

bool splitLarge(const mpz_class& n, kit::WorkBudget& budget, Factorization& f) {
    if (n == 1)
        return true;
    if (!budget.spend())
        return false;
    if (isPrime(n)) {
        addPrime(f, n, 1);
        return true;
    }
    const mpz_class d = rhoFactor(n, budget);
    if (d == 0)
        return false;
    return splitLarge(d, budget, f) && splitLarge(n / d, budget, f);
}

unsigned long divideOut(mpz_class& n, unsigned long p) {
    unsigned long times = 0;
    while (mpz_divisible_ui_p(n.get_mpz_t(), p)) {
        mpz_divexact_ui(n.get_mpz_t(), n.get_mpz_t(), p);
        ++times;
    }
    return times;
}

} // namespace

bool isPrime(const mpz_class& n) {
    if (n < 2)
        return false;
    static const unsigned long bases[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41};
    for (unsigned long p : bases) {
        if (n == p)
            return true;
        if (mpz_divisible_ui_p(n.get_mpz_t(), p))
            return false;
    }
    mpz_class d = n - 1;
    unsigned long s = 0;
    while (mpz_even_p(d.get_mpz_t())) {
        d /= 2;
        ++s;
    }
    for (unsigned long base : bases)
        if (millerRabinWitnessFails(n, d, s, base))
            return false;
    // The bases above decide every n below 3.3 * 10^24; beyond, add GMP's random bases.
    static const mpz_class certainBelow("3317044064679887385961981");
    return n < certainBelow || mpz_probab_prime_p(n.get_mpz_t(), 30) > 0;
}

std::optional<Factorization> factorize(const mpz_class& value, kit::WorkBudget& budget) {
    Factorization f;
    if (value < 1)
        return std::nullopt;
    mpz_class n = value;
    for (unsigned long p : {2ul, 3ul})
        if (unsigned long e = divideOut(n, p))
            f.push_back({p, e});
    for (unsigned long p = 5; p <= trialDivisionLimit; p += 6) {
        if (n == 1 || mpz_class(p) * p > n)
            break;
        if (!budget.spend())
            return std::nullopt;
        for (unsigned long candidate : {p, p + 2})
            if (unsigned long e = divideOut(n, candidate))
                f.push_back({candidate, e});
    }
    Factorization large;
    if (n > 1 && mpz_class(trialDivisionLimit) * trialDivisionLimit >= n) {
        large.push_back({n, 1}); // no factor up to its square root: n is prime
    } else if (!splitLarge(n, budget, large)) {
        return std::nullopt;
    }
    std::sort(large.begin(), large.end(),
              [](const PrimePower& a, const PrimePower& b) { return a.prime < b.prime; });
    f.insert(f.end(), large.begin(), large.end());
    return f;
}

std::string factorizationText(const Factorization& f, bool html) {
    if (f.empty())
        return "1";
    std::string text;
    for (const auto& entry : f) {
        if (!text.empty())
            text += html ? " &middot; " : " * ";
        text += entry.prime.get_str();
        if (entry.exponent > 1)
            text += html ? "<sup>" + std::to_string(entry.exponent) + "</sup>"
                         : "^" + std::to_string(entry.exponent);
    }
    return text;
}

mpz_class product(const Factorization& f) {
    mpz_class result = 1;
    for (const auto& entry : f) {
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), entry.prime.get_mpz_t(), entry.exponent);
        result *= power;
    }
    return result;
}

} // namespace divisors
