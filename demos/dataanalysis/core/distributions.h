#pragma once

namespace dataanalysis {

// The distributions behind the tests and the sampling tab. Arguments out of range (df < 1,
// alpha outside (0, 1)) throw std::domain_error.
double chiSquareUpperTail(double statistic, double degreesOfFreedom); // P(X >= statistic)
double chiSquareCritical(double alpha, double degreesOfFreedom);      // P(X >= c) = alpha
double chiSquareDensity(double x, double degreesOfFreedom);
double normalQuantile(double p); // standard normal
double normalDensity(double x, double mean, double sd);
double tQuantile(double p, double degreesOfFreedom);

} // namespace dataanalysis
