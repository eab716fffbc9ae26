#include "areas/core/area_between.h"

#include "graphs/core/function_curve.h"

#include "kit/core/ginac_access.h"

#include <cmath>
#include <optional>

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

namespace {

// A crossing as an exact rational p/q (q ≤ 60) where f − g is exactly 0 there.
std::optional<GiNaC::ex> exactCrossing(const kit::Expression& h, double x) {
    const GiNaC::symbol& variable = kit::ginacSymbols(h).front();
    for (long q = 1; q <= 60; ++q) {
        const double p = std::round(x * static_cast<double>(q));
        if (std::abs(p / static_cast<double>(q) - x) > 1e-9 || std::abs(p) > 1e9)
            continue;
        const GiNaC::ex at = GiNaC::numeric(static_cast<long>(p), q);
        if (GiNaC::normal(kit::ginacExpression(h).subs(variable == at)).is_zero())
            return at;
    }
    return std::nullopt;
}

// Σ |F(eₖ₊₁) − F(eₖ)| exactly, when every crossing is an exact rational: each piece's sign is
// that of its numeric integral.
std::optional<kit::Expression> exactArea(const kit::Expression& h, const FoundAntiderivative& F,
                                         const Interval& interval, const AreaBetween& result) {
    try {
        const GiNaC::symbol& variable = kit::ginacSymbols(h).front();
        std::vector<GiNaC::ex> ends{kit::ginacExpression(interval.lower)};
        for (double x : result.crossings) {
            const auto at = exactCrossing(h, x);
            if (!at)
                return std::nullopt;
            ends.push_back(*at);
        }
        ends.push_back(kit::ginacExpression(interval.upper));
        const GiNaC::ex& antiderivative = kit::ginacExpression(F.F);
        GiNaC::ex total = 0;
        for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
            const GiNaC::ex piece = antiderivative.subs(variable == ends[k + 1]) -
                                    antiderivative.subs(variable == ends[k]);
            total += result.pieceIntegrals[k] < 0 ? -piece : piece;
        }
        auto impl = std::make_shared<kit::Expression::Impl>(h.impl());
        impl->value = GiNaC::normal(total.expand());
        kit::Expression exact(std::move(impl));
        // The exact sum must be the numeric area: an antiderivative with a jump would not be.
        const auto value = exact.evaluate({});
        if (!value || std::abs(*value - result.area) > 1e-7 * (1 + result.area))
            return std::nullopt;
        return exact;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

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
    if (result.antiderivative)
        result.exact = exactArea(h, *result.antiderivative, interval, result);
    return result;
}

} // namespace areas
