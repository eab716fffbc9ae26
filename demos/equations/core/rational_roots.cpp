#include "equations/core/rational_roots.h"

#include <algorithm>

namespace equations {

namespace {

constexpr long largestListed = 100000;

std::vector<long> positiveDivisors(long n) {
    std::vector<long> small, large;
    for (long d = 1; d * d <= n; ++d)
        if (n % d == 0) {
            small.push_back(d);
            if (d != n / d)
                large.push_back(n / d);
        }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

} // namespace

std::optional<RootCandidates> rationalRootCandidates(const Polynomial& p) {
    if (p.degree() < 1)
        return std::nullopt;
    RootCandidates result;
    mpz_class denominators = 1;
    for (const auto& c : p.coefficients())
        denominators = lcm(denominators, c.get_den());
    std::vector<mpq_class> scaled;
    for (const auto& c : p.coefficients())
        scaled.push_back(c * denominators);
    while (!scaled.empty() && scaled.front() == 0) {
        scaled.erase(scaled.begin());
        ++result.powersOfX;
    }
    result.integral = Polynomial(scaled);
    const mpz_class constant = abs(result.integral.coefficient(0).get_num());
    const mpz_class leading = abs(result.integral.leading().get_num());
    if (constant > largestListed || leading > largestListed)
        return std::nullopt;
    if (result.integral.degree() < 1)
        return result;
    for (const long top : positiveDivisors(constant.get_si()))
        for (const long bottom : positiveDivisors(leading.get_si())) {
            mpq_class q(top, bottom);
            q.canonicalize();
            for (const mpq_class& c : {q, mpq_class(-q)})
                if (std::find(result.candidates.begin(), result.candidates.end(), c) ==
                    result.candidates.end())
                    result.candidates.push_back(c);
        }
    std::sort(result.candidates.begin(), result.candidates.end());
    return result;
}

std::vector<mpq_class> syntheticDivision(const Polynomial& p, const mpq_class& r) {
    std::vector<mpq_class> row;
    mpq_class carry = 0;
    for (int k = p.degree(); k >= 0; --k) {
        carry = carry * r + p.coefficient(k);
        row.push_back(carry);
    }
    return row;
}

} // namespace equations
