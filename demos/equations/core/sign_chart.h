#pragma once

#include "equations/core/polynomial_algebra.h"

#include <string>
#include <vector>

namespace equations {

enum class Relation { Less, LessEqual, Greater, GreaterEqual };
std::string relationHtml(Relation r);  // "&lt;", "&le;", ...
std::string relationTyped(Relation r); // "<", "<=", ...

// Where the sign of p(x)/q(x) may change: the real roots of the numerator and the denominator,
// smallest first. A root of both is one point with both multiplicities.
struct CriticalPoint {
    RealRoot root;
    int numeratorMultiplicity = 0;
    int denominatorMultiplicity = 0;
    bool excluded() const { return denominatorMultiplicity > 0; } // q(x) = 0 there
};

// The sign chart of p/q: one row per factor (and one for a negative constant), one column per
// open interval between the critical points, and the sign of the whole quotient below.
struct SignChart {
    std::vector<CriticalPoint> points;
    struct Row {
        std::string labelHtml; // "(x &minus; 2)<sup>2</sup>"
        bool inDenominator = false;
        std::vector<int> signs;   // +1 or -1 on each of the points.size() + 1 intervals
        std::vector<bool> zeroAt; // the factor is 0 at this critical point
    };
    std::vector<Row> rows;
    std::vector<int> signs; // of p/q on each interval
};

// Both factorisations must come from non-zero polynomials; the denominator may be constant.
SignChart signChart(const Factorization& numerator, const Factorization& denominator);

// The chart as an HTML table: the critical points along the top, a row of signs per factor,
// the quotient's signs at the bottom (0 at zeros, "undefined" where q = 0).
std::string signChartHtml(const SignChart& chart);

// One piece of a solution set: an interval, or a single point (low == high, both closed).
struct Endpoint {
    bool infinite = false; // -infinity as low, +infinity as high
    RealRoot root;         // the value when finite
};
struct Interval {
    Endpoint low, high;
    bool lowClosed = false, highClosed = false;
    bool isPoint() const {
        return !low.infinite && !high.infinite && low.root.value == high.root.value;
    }
};
using SolutionSet = std::vector<Interval>;

// Where p(x)/q(x) stands in the relation to 0, read off the chart.
SolutionSet solve(const SignChart& chart, Relation relation);
// "(&minus;&infin;, &minus;2) &cup; [1, 3]", "&#8477;", "&empty;"
std::string solutionHtml(const SolutionSet& set);
// "(-inf, -2) U [1, 3]", "R", "empty"
std::string solutionTyped(const SolutionSet& set);

} // namespace equations
