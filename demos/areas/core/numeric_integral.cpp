#include "areas/core/numeric_integral.h"

#include "graphs/core/function_curve.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
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
    // Slow functions (exp(exp(exp(x))) takes a millisecond a value) are stopped by the clock.
    const auto deadline = std::chrono::steady_clock::now() + maxSeconds;
    const auto integrand = [&](double x) {
        if (++result.evaluations > maxEvaluations ||
            (result.evaluations % 64 == 0 && std::chrono::steady_clock::now() > deadline))
            throw OutOfWork{};
        const auto y = graphs::valueAt(f, x);
        if (!y)
            throw Undefined{x};
        return *y;
    };
    try {
        result.value = boost::math::quadrature::gauss_kronrod<double, 31>::integrate(
            integrand, a, b, 15, 1e-11, &result.errorEstimate);
    } catch (const OutOfWork&) {
        result.error = "the numeric integral needs more work than this demonstration allows";
    } catch (const Undefined& u) {
        result.error = "f is not defined at x = " + number(u.x) + " inside " + interval(a, b);
    } catch (const std::exception&) {
        result.error =
            "the numeric integral did not settle: f varies too wildly on " + interval(a, b);
    }
    if (result.error.empty() && !std::isfinite(result.value))
        result.error = "the numeric integral is not finite on " + interval(a, b);
    // At its deepest halving the rule hands back its best guess: it is shown with its error
    // estimate, unless that estimate says the value cannot be trusted at all.
    if (result.error.empty() && result.errorEstimate > 1e-3 * (1 + std::abs(result.value)))
        result.error = "the numeric integral did not settle: f varies too wildly on " +
                       interval(a, b) + " (estimated error " + number(result.errorEstimate) + ")";
    return result;
}

std::string integrabilityProblem(const kit::Expression& f, double a, double b) {
    const int samples = 400;
    int undefined = 0;
    std::optional<double> firstUndefined;
    double height = 1; // the size of f's values, at least 1
    for (int k = 0; k <= samples; ++k) {
        const double x = k == samples ? b : a + (b - a) * k / samples;
        const auto y = graphs::valueAt(f, x);
        if (y)
            height = std::max(height, std::abs(*y));
        if (!y) {
            ++undefined;
            if (!firstUndefined)
                firstUndefined = x;
        }
    }
    if (undefined == samples + 1)
        return "f is not defined anywhere on " + interval(a, b);
    if (firstUndefined && (*firstUndefined == a || *firstUndefined == b))
        return "f is not defined at x = " + number(*firstUndefined) + ", an end of " +
               interval(a, b);
    if (firstUndefined) {
        // Undefined at one sample with huge values on either side: a pole hit exactly.
        const double step = (b - a) * 1e-7;
        const auto before = graphs::valueAt(f, *firstUndefined - step);
        const auto after = graphs::valueAt(f, *firstUndefined + step);
        if (before && after && std::min(std::abs(*before), std::abs(*after)) > 1e4)
            return "f has a pole at x = " + number(*firstUndefined) + " inside " + interval(a, b) +
                   ": this is an improper integral, not computed here";
    }
    if (firstUndefined)
        return "f is not defined on part of " + interval(a, b) +
               " (at x = " + number(*firstUndefined) + ")";
    // Defined at every sample: the pieces of the graph part only across a pole. The sampler
    // follows every jump larger than the values' own size until it flattens or grows beyond a
    // billion times that size; (x + 1)^1000 is large but no pole.
    int poles = 0;
    const auto pieces = graphs::sampleCurve(f, a, b, samples, height, &poles);
    if (poles > 0 || pieces.size() > 1)
        return "f has a pole (it grows without bound) inside " + interval(a, b) +
               ": this is an improper integral, not computed here";
    return "";
}

} // namespace areas
