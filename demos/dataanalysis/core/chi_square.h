#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace dataanalysis {

// One cell of a chi-square test: observed and expected count and its share of the statistic.
struct ChiCell {
    mpq_class observed, expected, contribution; // (O - E)^2 / E
};

struct ChiSquareResult {
    std::vector<std::vector<ChiCell>> cells; // one row for a goodness-of-fit test
    mpq_class statistic;
    int degreesOfFreedom = 0;
    double pValue = 1, criticalValue = 0, alpha = 0.05;
    bool reject = false;
    int smallExpected = 0;  // cells whose expected count is below 5
    std::string conclusion; // in words
    std::string warning;    // empty, or the note about expected counts below 5
};

// Expected given as counts (they must add up to the observed total) or as proportions or
// weights (scaled to the observed total). Throws std::invalid_argument with the reason.
ChiSquareResult goodnessOfFit(const std::vector<mpq_class>& observed,
                              const std::vector<mpq_class>& expectedShares, double alpha);
// An r x c table of observed counts, r, c >= 2.
ChiSquareResult independence(const std::vector<std::vector<mpq_class>>& observed, double alpha);

} // namespace dataanalysis
