#include "areas/core/numeric_integral.h"

#include "graphs/core/function_curve.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace areas {

namespace {

struct OutOfWork {};
struct Undefined {
    double x;
};

std::string number(double v) {
    std::ostringstream out;
    out.precision(6);
    out << (std::abs(v) < 1e-12 ? 0.0 : v);
    return out.str();
}

std::string interval(double a, double b) {
    return "[" + number(a) + ", " + number(b) + "]";
}

} // namespace

NumericIntegral gaussKronrod(const kit::Expression& f, double a, double b) {
    NumericIntegral result;
    const auto integrand = [&](double x) {
        if (++result.evaluations > maxEvaluations)
            throw OutOfWork{};
        const auto y = graphs::valueAt(f, x);
        if (!y)
            throw Undefined{x};
        return *y;
    };
    try {
        result.value = boost::math::quadrature::gauss_kronrod<double, 31>::integrate(
            integrand, a, b, 10, 1e-11, &result.errorEstimate);
    } catch (const OutOfWork&) {
        result.error = "the numeric integral needs more work than this demonstration allows";
    } catch (const Undefined& u) {
        result.error = "f is not defined at x = " + number(u.x) + " inside " + interval(a, b);
    } catch (const std::exception&) {
        result.error = "the numeric integral did not settle: f varies too wildly on " +
                       interval(a, b);
    }
    if (result.error.empty() && !std::isfinite(result.value))
        result.error = "the numeric integral is not finite on " + interval(a, b);
    return result;
}

std::string integrabilityProblem(const kit::Expression& f, double a, double b) {
    int poles = 0;
    // A small view height makes every steep stretch be followed until it flattens or blows up.
    const double height = 1;
    const auto pieces = graphs::sampleCurve(f, a, b, 400, height, &poles);
    if (pieces.empty())
        return "f is not defined anywhere on " + interval(a, b);
    if (poles > 0)
        return "f has a pole (it grows without bound) inside " + interval(a, b) +
               ": this is an improper integral, not computed here";
    if (pieces.size() > 1 || pieces.front().front().first > a ||
        pieces.back().back().first < b) {
        for (double x : {a, b})
            if (!graphs::valueAt(f, x))
                return "f is not defined at x = " + number(x) + ", an end of " + interval(a, b);
        const double gap = pieces.size() > 1 ? pieces.front().back().first : a;
        return "f is not defined on part of " + interval(a, b) + " (from about x = " +
               number(gap) + ")";
    }
    return "";
}

} // namespace areas
