#include "areas/core/area_between.h"

#include "graphs/core/function_curve.h"

#include "kit/core/ginac_access.h"

#include <cmath>

namespace areas {

kit::Expression difference(const kit::Expression& f, const kit::Expression& g) {
    // g's own symbol x is another GiNaC symbol than f's: it is renamed to f's first.
    auto impl = std::make_shared<kit::Expression::Impl>(f.impl());
    const auto& gSymbols = kit::ginacSymbols(g);
    GiNaC::ex gValue = kit::ginacExpression(g);
    if (!gSymbols.empty())
        gValue = gValue.subs(gSymbols.front() == kit::ginacSymbols(f).front());
    impl->value = kit::ginacExpression(f) - gValue;
    return kit::Expression(std::move(impl));
}

std::vector<double> crossings(const kit::Expression& f, const kit::Expression& g, double left,
                              double right) {
    const kit::Expression h = difference(f, g);
    std::vector<double> found;
    const int steps = 800;
    std::optional<double> previous;
    double previousX = left;
    for (int k = 0; k <= steps; ++k) {
        const double x = left + (right - left) * k / steps;
        const auto y = graphs::valueAt(h, x);
        if (y && *y == 0) {
            if (k > 0 && k < steps)
                found.push_back(x);
        } else if (y && previous && *previous != 0 && (*previous < 0) != (*y < 0)) {
            double lo = previousX, hi = x, ylo = *previous;
            for (int i = 0; i < 60; ++i) {
                const double m = (lo + hi) / 2;
                const auto ym = graphs::valueAt(h, m);
                if (!ym)
                    break;
                if ((*ym < 0) == (ylo < 0)) {
                    lo = m;
                    ylo = *ym;
                } else {
                    hi = m;
                }
            }
            // A sign change across a pole is not a crossing.
            const auto at = graphs::valueAt(h, (lo + hi) / 2);
            if (at && std::abs(*at) < 1e-6 * (1 + std::abs(*previous) + std::abs(*y)))
                found.push_back((lo + hi) / 2);
        }
        previous = y;
        previousX = x;
    }
    return found;
}

AreaBetween areaBetween(const kit::Expression& f, const kit::Expression& g,
                        const Interval& interval) {
    AreaBetween result;
    for (const auto* curve : {&f, &g}) {
        const std::string problem = integrabilityProblem(*curve, interval.a, interval.b);
        if (!problem.empty()) {
            // The problem is worded for f; for the second curve it names g.
            result.error = curve == &f ? problem : "g" + problem.substr(1);
            return result;
        }
    }
    const kit::Expression h = difference(f, g);
    result.crossings = crossings(f, g, interval.a, interval.b);
    std::vector<double> ends{interval.a};
    ends.insert(ends.end(), result.crossings.begin(), result.crossings.end());
    ends.push_back(interval.b);
    for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
        const NumericIntegral piece = gaussKronrod(h, ends[k], ends[k + 1]);
        if (!piece.error.empty()) {
            result.error = piece.error;
            return result;
        }
        result.pieceIntegrals.push_back(piece.value);
        result.area += std::abs(piece.value);
    }
    result.antiderivative = antiderivative(h);
    if (result.crossings.empty()) {
        const DefiniteIntegral exact = definiteIntegral(h, interval);
        if (exact.exact) {
            const bool negative = exact.value < 0;
            auto impl = std::make_shared<kit::Expression::Impl>(exact.exact->impl());
            if (negative)
                impl->value = -impl->value;
            result.exact = kit::Expression(std::move(impl));
        }
    }
    return result;
}

} // namespace areas
