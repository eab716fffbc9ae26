#include "decimals/core/root_approximation.h"

#include <algorithm>

namespace decimals {
namespace {

mpz_class powerOfTen(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

std::string withPoint(const mpz_class& scaled, int places) {
    std::string digits = scaled.get_str();
    const auto count = static_cast<std::size_t>(places);
    if (digits.size() <= count)
        digits.insert(0, count + 1 - digits.size(), '0');
    if (count == 0)
        return digits;
    return digits.substr(0, digits.size() - count) + "." + digits.substr(digits.size() - count);
}

} // namespace

std::vector<Interval> bisectSquareRoot(const mpz_class& n, Interval start, int steps) {
    std::vector<Interval> intervals{start};
    const mpq_class target(n);
    for (int step = 0; step < std::clamp(steps, 0, maxBisectionSteps); ++step) {
        Interval next = intervals.back();
        const mpq_class middle = (next.low + next.high) / 2;
        if (middle * middle <= target)
            next.low = middle;
        else
            next.high = middle;
        intervals.push_back(next);
    }
    return intervals;
}

std::vector<mpq_class> newtonSquareRoot(const mpz_class& n, const mpq_class& start, int steps) {
    std::vector<mpq_class> values{start};
    for (int step = 0; step < std::clamp(steps, 0, maxNewtonSteps); ++step) {
        const mpq_class& x = values.back();
        values.push_back(mpq_class((x + n / x) / 2));
    }
    return values;
}

std::string truncatedDecimal(const mpq_class& x, int places) {
    const mpq_class scaled = x * powerOfTen(static_cast<unsigned long>(places));
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    return withPoint(whole, places);
}

std::string squareRootDigits(const mpz_class& n, int places) {
    const mpz_class scaled = n * powerOfTen(2 * static_cast<unsigned long>(places));
    return withPoint(sqrt(scaled), places);
}

int correctDecimals(const mpq_class& x, const mpz_class& n, int limit) {
    const std::string root = squareRootDigits(n, limit);
    const std::string approximation = truncatedDecimal(x, limit);
    const std::size_t point = root.find('.');
    std::size_t same = 0;
    while (same < root.size() && same < approximation.size() && root[same] == approximation[same])
        ++same;
    if (point == std::string::npos || same <= point)
        return 0;
    return static_cast<int>(same - point - 1);
}

} // namespace decimals
