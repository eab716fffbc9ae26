#pragma once

#include <gmpxx.h>
#include <string>

namespace progressions {

// a_n = a_1 + (n - 1) d, counted from n = 1.
struct Arithmetic {
    mpq_class first;
    mpq_class difference;
};

// a_n = a_1 r^(n - 1), counted from n = 1.
struct Geometric {
    mpq_class first;
    mpq_class ratio;
};

mpq_class nthTerm(const Arithmetic& sequence, long n);
mpq_class nthTerm(const Geometric& sequence, long n);

// The sum of the first n terms by the closed forms n (a_1 + a_n) / 2 and a_1 (1 - r^n) / (1 - r).
mpq_class partialSum(const Arithmetic& sequence, long n);
mpq_class partialSum(const Geometric& sequence, long n);

// The verdict of a convergence test and the reason for it, in the learner's words.
enum class Convergence { Converges, Diverges, Inconclusive };
struct SeriesVerdict {
    Convergence outcome = Convergence::Inconclusive;
    std::string reason;
};

// Sum of a r^(n-1): converges to a / (1 - r) exactly when |r| < 1 (or a = 0).
SeriesVerdict geometricSeriesTest(const Geometric& series);
// Sum of 1 / n^p: converges exactly when p > 1 (integral test).
SeriesVerdict pSeriesTest(double p);
// Sum of (-1)^(n+1) / n^p: converges when p > 0 (terms fall to 0), absolutely when p > 1.
SeriesVerdict alternatingPSeriesTest(double p);
// The ratio test from the limit L of |a_(n+1) / a_n|.
SeriesVerdict ratioTest(double limit);
// Comparison of 1 / (n^p + c), c >= 0, with the p-series.
SeriesVerdict comparisonTest(double p, double c);

} // namespace progressions
