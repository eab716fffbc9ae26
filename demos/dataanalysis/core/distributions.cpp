#include "dataanalysis/core/distributions.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <stdexcept>

namespace dataanalysis {

namespace {

// Boost reports bad arguments with its own exceptions; the course catches std::domain_error.
void requireDegrees(double df) {
    if (!(df >= 1))
        throw std::domain_error("the degrees of freedom must be at least 1");
}
void requireProbability(double p) {
    if (!(p > 0 && p < 1))
        throw std::domain_error("a probability strictly between 0 and 1 is needed");
}

} // namespace

double chiSquareUpperTail(double statistic, double degreesOfFreedom) {
    requireDegrees(degreesOfFreedom);
    if (!(statistic > 0))
        return 1.0;
    return boost::math::cdf(
        boost::math::complement(boost::math::chi_squared(degreesOfFreedom), statistic));
}

double chiSquareCritical(double alpha, double degreesOfFreedom) {
    requireDegrees(degreesOfFreedom);
    requireProbability(alpha);
    return boost::math::quantile(
        boost::math::complement(boost::math::chi_squared(degreesOfFreedom), alpha));
}

double chiSquareDensity(double x, double degreesOfFreedom) {
    requireDegrees(degreesOfFreedom);
    if (!(x > 0))
        return degreesOfFreedom == 2 && x == 0 ? 0.5 : 0.0;
    return boost::math::pdf(boost::math::chi_squared(degreesOfFreedom), x);
}

double normalQuantile(double p) {
    requireProbability(p);
    return boost::math::quantile(boost::math::normal(), p);
}

double normalDensity(double x, double mean, double sd) {
    if (!(sd > 0))
        throw std::domain_error("the standard deviation must be positive");
    return boost::math::pdf(boost::math::normal(mean, sd), x);
}

double tQuantile(double p, double degreesOfFreedom) {
    requireDegrees(degreesOfFreedom);
    requireProbability(p);
    return boost::math::quantile(boost::math::students_t(degreesOfFreedom), p);
}

} // namespace dataanalysis
