#include "graphs/core/function_curve.h"

#include <cmath>

namespace graphs {

namespace {

// True when f blows up between a and b: the values jump by more than the view's height, or
// the middle value towers over both ends, and following the steep half the values grow beyond
// every bound (a continuous steep stretch flattens out instead).
bool poleBetween(const kit::Expression& f, double a, double ya, double b, double yb,
                 double viewHeight) {
    const auto middle = valueAt(f, (a + b) / 2);
    if (!middle)
        return true;
    const bool jump = std::abs(ya - yb) >= viewHeight;
    const bool peak = std::abs(*middle) > 2 * std::max(std::abs(ya), std::abs(yb)) &&
                      std::abs(*middle) > viewHeight;
    if (!jump && !peak)
        return false;
    const double bound = 1e9 * (1 + viewHeight);
    for (int depth = 0; depth < 60; ++depth) {
        const double m = (a + b) / 2;
        const auto ym = valueAt(f, m);
        if (!ym || std::abs(*ym) > bound)
            return true;
        if (std::abs(*ym - ya) > std::abs(yb - *ym)) {
            b = m;
            yb = *ym;
        } else {
            a = m;
            ya = *ym;
        }
        if (std::abs(ya - yb) < viewHeight / 100)
            return false;
    }
    return false;
}

} // namespace

std::optional<double> valueAt(const kit::Expression& f, double x) {
    return f.evaluate({x});
}

namespace {

// Where f stops being defined between a defined x and an undefined one, found by halving.
std::pair<double, double> domainEdge(const kit::Expression& f, double defined, double undefined) {
    double y = *valueAt(f, defined);
    for (int k = 0; k < 50; ++k) {
        const double m = (defined + undefined) / 2;
        if (const auto ym = valueAt(f, m)) {
            defined = m;
            y = *ym;
        } else {
            undefined = m;
        }
    }
    return {defined, y};
}

// Adds the edge point of a gap; an undefined point where the values run off to infinity is a
// pole, not an edge the graph reaches, and adds nothing.
bool addEdge(CurvePiece& piece, std::pair<double, double> edge, double viewHeight) {
    if (std::abs(edge.second) > 1e6 * (1 + viewHeight))
        return false;
    piece.push_back(edge);
    return true;
}

} // namespace

std::vector<CurvePiece> sampleCurve(const kit::Expression& f, double left, double right, int steps,
                                    double viewHeight, int* polesFound) {
    std::vector<CurvePiece> pieces;
    CurvePiece current;
    int poles = 0;
    const auto close = [&] {
        if (!current.empty())
            pieces.push_back(std::move(current));
        current.clear();
    };
    std::optional<double> previousUndefined;
    for (int k = 0; k <= steps; ++k) {
        const double x = left + (right - left) * k / steps;
        const auto y = valueAt(f, x);
        if (!y) {
            // The graph runs up to the edge of the domain, not to the last sample before it.
            if (!current.empty() &&
                !addEdge(current, domainEdge(f, current.back().first, x), viewHeight))
                ++poles; // a sample fell on the pole itself
            close();
            previousUndefined = x;
            continue;
        }
        if (previousUndefined && current.empty())
            addEdge(current, domainEdge(f, x, *previousUndefined), viewHeight);
        previousUndefined.reset();
        if (!current.empty() &&
            poleBetween(f, current.back().first, current.back().second, x, *y, viewHeight)) {
            close();
            ++poles;
        }
        current.emplace_back(x, *y);
    }
    close();
    if (polesFound)
        *polesFound = poles;
    return pieces;
}

} // namespace graphs
