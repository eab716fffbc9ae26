#include "areas/core/area_function.h"

#include "areas/core/numeric_integral.h"

#include "graphs/core/function_curve.h"

#include <boost/math/quadrature/gauss.hpp>

#include <algorithm>
#include <cmath>

namespace areas {

namespace {

struct Undefined {};

// ∫ over one short step by the 10-point Gauss rule; throws Undefined where f is.
double stepIntegral(const kit::Expression& f, double from, double to) {
    return boost::math::quadrature::gauss<double, 10>::integrate(
        [&](double t) {
            const auto y = graphs::valueAt(f, t);
            if (!y)
                throw Undefined{};
            return *y;
        },
        from, to);
}

// From a towards `end` in steps of `step`, appending (x, A(x)).
void walk(const kit::Expression& f, double a, double end, double step,
          std::vector<std::pair<double, double>>& samples) {
    double x = a, area = 0;
    const double direction = end > a ? 1 : -1;
    while (direction * (end - x) > 1e-12) {
        const double next = direction > 0 ? std::min(end, x + step) : std::max(end, x - step);
        try {
            area += stepIntegral(f, x, next);
        } catch (const Undefined&) {
            return;
        }
        x = next;
        samples.emplace_back(x, area);
    }
}

} // namespace

std::vector<std::pair<double, double>> areaFunctionSamples(const kit::Expression& f, double a,
                                                           double left, double right, int steps) {
    std::vector<std::pair<double, double>> samples;
    if (!graphs::valueAt(f, a) || steps < 1 || !(left < right))
        return samples;
    // A is defined on the connected piece of f's graph around a, up to its poles and gaps.
    const auto pieces = graphs::sampleCurve(f, left, right, 2 * steps, 1.0);
    for (const auto& piece : pieces)
        if (piece.front().first <= a && a <= piece.back().first) {
            left = std::max(left, piece.front().first);
            right = std::min(right, piece.back().first);
        }
    const double step = (right - left) / steps;
    std::vector<std::pair<double, double>> before;
    if (left < a)
        walk(f, a, left, step, before);
    std::reverse(before.begin(), before.end());
    samples = std::move(before);
    samples.emplace_back(a, 0.0);
    if (right > a)
        walk(f, a, right, step, samples);
    return samples;
}

std::optional<double> areaUpTo(const kit::Expression& f, double a, double x) {
    if (x == a)
        return graphs::valueAt(f, a) ? std::optional<double>(0.0) : std::nullopt;
    const double low = std::min(a, x), high = std::max(a, x);
    if (!integrabilityProblem(f, low, high).empty())
        return std::nullopt;
    const NumericIntegral integral = gaussKronrod(f, low, high);
    if (!integral.error.empty())
        return std::nullopt;
    return x > a ? integral.value : -integral.value;
}

std::optional<double> areaSlope(const kit::Expression& f, double a, double x, double h) {
    const auto ahead = areaUpTo(f, a, x + h), behind = areaUpTo(f, a, x - h);
    if (!ahead || !behind)
        return std::nullopt;
    return (*ahead - *behind) / (2 * h);
}

} // namespace areas
