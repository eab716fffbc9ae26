#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace decimals {

struct Interval {
    mpq_class low;
    mpq_class high;
};

inline constexpr int maxBisectionSteps = 200;
inline constexpr int maxNewtonSteps = 12; // the digits double each step: 4000 digits by then

// Bisection for the square root of n > 0 from an interval with low² < n < high² (or an end
// equal to the root): each step keeps the half whose ends still enclose it. The first entry is
// the start; steps is clamped to maxBisectionSteps.
std::vector<Interval> bisectSquareRoot(const mpz_class& n, Interval start, int steps);

// Newton's method for x² − n = 0: x ← (x + n/x)/2, from start > 0; first entry is the start.
std::vector<mpq_class> newtonSquareRoot(const mpz_class& n, const mpq_class& start, int steps);

// The first places decimals of x ≥ 0, cut off (not rounded): "1.4142".
std::string truncatedDecimal(const mpq_class& x, int places);

// The first places decimals of √n, cut off, from the integer square root of n·10^(2·places).
std::string squareRootDigits(const mpz_class& n, int places);

// How many leading decimals of x agree with √n (at most limit).
int correctDecimals(const mpq_class& x, const mpz_class& n, int limit);

} // namespace decimals
