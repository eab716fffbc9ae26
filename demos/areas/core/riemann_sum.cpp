#include "areas/core/riemann_sum.h"

#include "graphs/core/function_curve.h"

#include <optional>
#include <sstream>

namespace areas {

const char* ruleName(SumRule rule) {
    switch (rule) {
    case SumRule::Left:
        return "left sum";
    case SumRule::Right:
        return "right sum";
    case SumRule::Midpoint:
        return "midpoint sum";
    case SumRule::Trapezoid:
        return "trapezoid rule";
    case SumRule::Simpson:
        return "Simpson's rule";
    }
    return "";
}

double pieceArea(const SumPiece& p, SumRule rule) {
    const double h = p.x1 - p.x0;
    switch (rule) {
    case SumRule::Left:
        return h * p.left;
    case SumRule::Right:
        return h * p.right;
    case SumRule::Midpoint:
        return h * p.middle;
    case SumRule::Trapezoid:
        return h * (p.left + p.right) / 2;
    case SumRule::Simpson:
        return h * (p.left + 4 * p.middle + p.right) / 6;
    }
    return 0;
}

namespace {

// f at the ends and the middles of the n pieces, sampled once for every rule.
struct Grid {
    std::vector<double> ends, middles;
    std::vector<std::optional<double>> endValues, middleValues;
};

Grid sampleGrid(const kit::Expression& f, double a, double b, int n) {
    Grid g;
    const double h = (b - a) / n;
    for (int k = 0; k <= n; ++k) {
        g.ends.push_back(k == n ? b : a + h * k);
        g.endValues.push_back(graphs::valueAt(f, g.ends.back()));
    }
    for (int k = 0; k < n; ++k) {
        g.middles.push_back(
            (g.ends[static_cast<std::size_t>(k)] + g.ends[static_cast<std::size_t>(k) + 1]) / 2);
        g.middleValues.push_back(graphs::valueAt(f, g.middles.back()));
    }
    return g;
}

std::string undefinedAt(double x, SumRule rule) {
    std::ostringstream out;
    out.precision(6);
    out << "f is not defined at x = " << x << ", a point the " << ruleName(rule) << " uses";
    return out.str();
}

RiemannSum sumFromGrid(const Grid& g, SumRule rule) {
    RiemannSum sum;
    const bool useLeft = rule != SumRule::Right && rule != SumRule::Midpoint;
    const bool useRight = rule != SumRule::Left && rule != SumRule::Midpoint;
    const bool useMiddle = rule == SumRule::Midpoint || rule == SumRule::Simpson;
    for (std::size_t k = 0; k < g.middles.size(); ++k) {
        SumPiece p;
        p.x0 = g.ends[k];
        p.x1 = g.ends[k + 1];
        const std::pair<bool, std::pair<const std::optional<double>*, double>> needs[] = {
            {useLeft, {&g.endValues[k], p.x0}},
            {useRight, {&g.endValues[k + 1], p.x1}},
            {useMiddle, {&g.middleValues[k], g.middles[k]}}};
        for (const auto& [used, value] : needs)
            if (used && !*value.first) {
                sum.error = undefinedAt(value.second, rule);
                return sum;
            }
        p.left = g.endValues[k].value_or(0);
        p.right = g.endValues[k + 1].value_or(0);
        p.middle = g.middleValues[k].value_or(0);
        sum.value += pieceArea(p, rule);
        sum.pieces.push_back(p);
    }
    return sum;
}

std::string piecesProblem(int n) {
    if (n < 1 || n > maxPieces)
        return "the number of pieces must be from 1 to " + std::to_string(maxPieces);
    return "";
}

} // namespace

RiemannSum riemannSum(const kit::Expression& f, double a, double b, int n, SumRule rule) {
    if (const std::string problem = piecesProblem(n); !problem.empty())
        return RiemannSum{problem, 0, {}};
    return sumFromGrid(sampleGrid(f, a, b, n), rule);
}

std::vector<RiemannSum> everyRule(const kit::Expression& f, double a, double b, int n) {
    std::vector<RiemannSum> sums;
    if (const std::string problem = piecesProblem(n); !problem.empty()) {
        sums.assign(5, RiemannSum{problem, 0, {}});
        return sums;
    }
    const Grid grid = sampleGrid(f, a, b, n);
    for (SumRule rule :
         {SumRule::Left, SumRule::Right, SumRule::Midpoint, SumRule::Trapezoid, SumRule::Simpson})
        sums.push_back(sumFromGrid(grid, rule));
    return sums;
}

} // namespace areas
