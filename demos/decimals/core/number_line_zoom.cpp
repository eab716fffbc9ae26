#include "decimals/core/number_line_zoom.h"

namespace decimals {
namespace {

mpz_class powerOfTen(int exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

Interval windowAt(const mpz_class& scaledFloor, int level) {
    const mpz_class power = powerOfTen(level);
    mpq_class low(scaledFloor, power);
    mpq_class high(scaledFloor + 1, power);
    low.canonicalize();
    high.canonicalize();
    return {low, high};
}

} // namespace

std::vector<Interval> decimalZoom(const mpq_class& x, int levels) {
    std::vector<Interval> windows;
    for (int level = 0; level <= levels; ++level) {
        const mpq_class scaled = x * powerOfTen(level);
        mpz_class scaledFloor;
        mpz_fdiv_q(scaledFloor.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
        windows.push_back(windowAt(scaledFloor, level));
    }
    return windows;
}

std::vector<Interval> squareRootZoom(const mpz_class& n, int levels) {
    std::vector<Interval> windows;
    for (int level = 0; level <= levels; ++level) {
        const mpz_class power = powerOfTen(level);
        windows.push_back(windowAt(sqrt(n * power * power), level));
    }
    return windows;
}

} // namespace decimals
