#include "progressions/core/sequences.h"

#include <cmath>
#include <sstream>

namespace progressions {
namespace {

mpq_class power(const mpq_class& base, long exponent) {
    mpq_class result = 1;
    for (long i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

std::string shown(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

} // namespace

mpq_class nthTerm(const Arithmetic& sequence, long n) {
    return sequence.first + mpq_class(n - 1) * sequence.difference;
}

mpq_class nthTerm(const Geometric& sequence, long n) {
    return sequence.first * power(sequence.ratio, n - 1);
}

mpq_class partialSum(const Arithmetic& sequence, long n) {
    mpq_class sum = mpq_class(n) * (sequence.first + nthTerm(sequence, n)) / 2;
    sum.canonicalize();
    return sum;
}

mpq_class partialSum(const Geometric& sequence, long n) {
    if (sequence.ratio == 1)
        return mpq_class(n) * sequence.first;
    mpq_class sum = sequence.first * (1 - power(sequence.ratio, n)) / (1 - sequence.ratio);
    sum.canonicalize();
    return sum;
}

SeriesVerdict geometricSeriesTest(const Geometric& series) {
    if (series.first == 0)
        return {Convergence::Converges, "Every term is 0, so every partial sum is 0."};
    if (abs(series.ratio) < 1) {
        mpq_class limit = series.first / (1 - series.ratio);
        limit.canonicalize();
        return {Convergence::Converges,
                "|r| = " + mpq_class(abs(series.ratio)).get_str() +
                    " < 1, so r^n \u2192 0 and S_n = a(1 \u2212 r^n)/(1 \u2212 r) \u2192 a/(1 "
                    "\u2212 r) = " +
                    limit.get_str() + "."};
    }
    return {Convergence::Diverges, "|r| = " + mpq_class(abs(series.ratio)).get_str() +
                                       " \u2265 1, so the terms do not tend to 0 and the series "
                                       "diverges (n-th term test)."};
}

SeriesVerdict pSeriesTest(double p) {
    if (p > 1)
        return {Convergence::Converges,
                "p = " + shown(p) +
                    " > 1: the sum is below 1 + \u222b\u2081^\u221e dx/x^p = 1 + 1/(p \u2212 1), "
                    "so the increasing partial sums are bounded and converge."};
    if (p > 0)
        return {Convergence::Diverges,
                "p = " + shown(p) +
                    " \u2264 1: 1/n^p \u2265 1/n and the harmonic series diverges (its terms "
                    "from 2^k + 1 to 2^(k+1) add up to at least 1/2 each time)."};
    return {Convergence::Diverges,
            "p = " + shown(p) + " \u2264 0: the terms do not tend to 0 (n-th term test)."};
}

SeriesVerdict alternatingPSeriesTest(double p) {
    if (p > 1)
        return {Convergence::Converges, "p = " + shown(p) +
                                            " > 1: the series of absolute values is a convergent "
                                            "p-series, so it converges absolutely."};
    if (p > 0)
        return {Convergence::Converges,
                "p = " + shown(p) +
                    ": the terms 1/n^p decrease to 0 and alternate in sign, so the series "
                    "converges (alternating series test), but only conditionally: the "
                    "absolute values form a divergent p-series."};
    return {Convergence::Diverges,
            "p = " + shown(p) + " \u2264 0: the terms do not tend to 0 (n-th term test)."};
}

SeriesVerdict ratioTest(double limit) {
    if (limit < 1)
        return {Convergence::Converges,
                "L = " + shown(limit) +
                    " < 1: from some n on the terms shrink faster than a geometric series "
                    "with ratio between L and 1, so the series converges absolutely."};
    if (limit > 1)
        return {Convergence::Diverges, "L = " + shown(limit) +
                                           " > 1: the terms eventually grow, so they do not tend "
                                           "to 0 and the series diverges."};
    return {Convergence::Inconclusive,
            "L = 1: the ratio test says nothing (1/n diverges and 1/n\u00b2 converges, both "
            "with L = 1). Try another test."};
}

SeriesVerdict comparisonTest(double p, double c) {
    if (p > 1)
        return {Convergence::Converges, "0 < 1/(n^p + " + shown(c) +
                                            ") \u2264 1/n^p and the p-series with p = " + shown(p) +
                                            " > 1 converges, so the smaller series converges too."};
    if (p > 0)
        return {Convergence::Diverges,
                "1/(n^p + " + shown(c) + ") \u2265 1/((1 + " + shown(c) +
                    ") n^p) for n \u2265 1 and the p-series with p = " + shown(p) +
                    " \u2264 1 diverges, so the larger series diverges too."};
    return {Convergence::Diverges, "The terms do not tend to 0 (n-th term test)."};
}

} // namespace progressions
