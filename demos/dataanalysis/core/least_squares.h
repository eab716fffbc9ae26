#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace dataanalysis {

struct DataPoint {
    double x = 0, y = 0;
};

// The line y = a + b x that makes the sum of squared vertical distances least, with the sums
// it is computed from.
struct Regression {
    std::size_t n = 0;
    double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0, sumYY = 0;
    double meanX = 0, meanY = 0;
    double sxx = 0, sxy = 0, syy = 0; // sums of squares about the means
    double slope = 0, intercept = 0;  // b and a
    double r = 0, rSquared = 0;       // r is undefined (0) when all y are equal
    bool rDefined = false;
    double sumSquaredResiduals = 0;
    std::vector<double> residuals; // y - (a + b x), in the order of the points
};
// Needs at least two points with different x; throws std::invalid_argument otherwise.
Regression fitLine(const std::vector<DataPoint>& points);

// The same line exactly, for points with rational coordinates.
struct ExactLine {
    mpq_class slope, intercept, sxx, sxy, syy;
};
ExactLine exactFit(const std::vector<mpq_class>& xs, const std::vector<mpq_class>& ys);

struct Prediction {
    double y = 0;
    std::string warning; // extrapolation beyond the data's x range
};
Prediction predict(const Regression& line, const std::vector<DataPoint>& points, double x);

// Anscombe's quartet (set 1 to 4): four data sets with the same means, line and r, and very
// different pictures.
std::vector<DataPoint> anscombe(int set);

} // namespace dataanalysis
