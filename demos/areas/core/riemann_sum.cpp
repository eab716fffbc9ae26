#include "areas/core/riemann_sum.h"

#include "graphs/core/function_curve.h"

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

RiemannSum riemannSum(const kit::Expression& f, double a, double b, int n, SumRule rule) {
    RiemannSum sum;
    if (n < 1 || n > maxPieces) {
        sum.error = "the number of pieces must be from 1 to " + std::to_string(maxPieces);
        return sum;
    }
    const auto at = [&](double x, double& y) {
        const auto v = graphs::valueAt(f, x);
        if (!v) {
            std::ostringstream out;
            out.precision(6);
            out << "f is not defined at x = " << x << ", a point the " << ruleName(rule) << " uses";
            sum.error = out.str();
            return false;
        }
        y = *v;
        return true;
    };
    const double h = (b - a) / n;
    const bool useLeft = rule != SumRule::Right && rule != SumRule::Midpoint;
    const bool useRight = rule != SumRule::Left && rule != SumRule::Midpoint;
    const bool useMiddle = rule == SumRule::Midpoint || rule == SumRule::Simpson;
    for (int k = 0; k < n; ++k) {
        SumPiece p;
        p.x0 = a + h * k;
        p.x1 = k + 1 == n ? b : a + h * (k + 1);
        if (useLeft && !at(p.x0, p.left))
            return sum;
        if (useRight && !at(p.x1, p.right))
            return sum;
        if (useMiddle && !at((p.x0 + p.x1) / 2, p.middle))
            return sum;
        sum.value += pieceArea(p, rule);
        sum.pieces.push_back(p);
    }
    return sum;
}

} // namespace areas
