#include "dataanalysis/core/least_squares.h"

#include "dataanalysis/core/number_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace dataanalysis {

Regression fitLine(const std::vector<DataPoint>& points) {
    if (points.size() < 2)
        throw std::invalid_argument("a line needs at least 2 points");
    Regression fit;
    fit.n = points.size();
    for (const auto& p : points) {
        fit.sumX += p.x;
        fit.sumY += p.y;
        fit.sumXX += p.x * p.x;
        fit.sumXY += p.x * p.y;
        fit.sumYY += p.y * p.y;
    }
    const auto n = static_cast<double>(fit.n);
    fit.meanX = fit.sumX / n;
    fit.meanY = fit.sumY / n;
    for (const auto& p : points) { // about the means: no cancellation in large sums
        fit.sxx += (p.x - fit.meanX) * (p.x - fit.meanX);
        fit.sxy += (p.x - fit.meanX) * (p.y - fit.meanY);
        fit.syy += (p.y - fit.meanY) * (p.y - fit.meanY);
    }
    if (!(fit.sxx > 0))
        throw std::invalid_argument("all points have the same x: no line y = a + bx fits them");
    fit.slope = fit.sxy / fit.sxx;
    fit.intercept = fit.meanY - fit.slope * fit.meanX;
    fit.rDefined = fit.syy > 0;
    fit.r = fit.rDefined ? fit.sxy / std::sqrt(fit.sxx * fit.syy) : 0;
    fit.r = std::clamp(fit.r, -1.0, 1.0);
    fit.rSquared = fit.r * fit.r;
    for (const auto& p : points) {
        const double e = p.y - (fit.intercept + fit.slope * p.x);
        fit.residuals.push_back(e);
        fit.sumSquaredResiduals += e * e;
    }
    return fit;
}

ExactLine exactFit(const std::vector<mpq_class>& xs, const std::vector<mpq_class>& ys) {
    if (xs.size() != ys.size() || xs.size() < 2)
        throw std::invalid_argument("a line needs at least 2 points");
    mpq_class sumX = 0, sumY = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        sumX += xs[i];
        sumY += ys[i];
    }
    const auto n = static_cast<unsigned long>(xs.size());
    const mpq_class mx = sumX / n, my = sumY / n;
    ExactLine line{0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        line.sxx += (xs[i] - mx) * (xs[i] - mx);
        line.sxy += (xs[i] - mx) * (ys[i] - my);
        line.syy += (ys[i] - my) * (ys[i] - my);
    }
    if (line.sxx == 0)
        throw std::invalid_argument("all points have the same x: no line y = a + bx fits them");
    line.slope = line.sxy / line.sxx;
    line.intercept = my - line.slope * mx;
    return line;
}

Prediction predict(const Regression& line, const std::vector<DataPoint>& points, double x) {
    Prediction p;
    p.y = line.intercept + line.slope * x;
    if (points.empty())
        return p;
    const auto [low, high] =
        std::minmax_element(points.begin(), points.end(),
                            [](const DataPoint& a, const DataPoint& b) { return a.x < b.x; });
    if (x < low->x || x > high->x)
        p.warning = "x = " + decimalText(x, 4) + " lies outside the data's range " +
                    decimalText(low->x, 4) + " to " + decimalText(high->x, 4) +
                    ": this is extrapolation, and the line may not hold there.";
    return p;
}

std::vector<DataPoint> anscombe(int set) {
    static const double x123[] = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
    static const double x4[] = {8, 8, 8, 8, 8, 8, 8, 19, 8, 8, 8};
    static const double ys[4][11] = {
        {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68},
        {9.14, 8.14, 8.74, 8.77, 9.26, 8.10, 6.13, 3.10, 9.13, 7.26, 4.74},
        {7.46, 6.77, 12.74, 7.11, 7.81, 8.84, 6.08, 5.39, 8.15, 6.42, 5.73},
        {6.58, 5.76, 7.71, 8.84, 8.47, 7.04, 5.25, 12.50, 5.56, 7.91, 6.89}};
    if (set < 1 || set > 4)
        throw std::invalid_argument("Anscombe's quartet has sets 1 to 4");
    std::vector<DataPoint> points;
    for (int i = 0; i < 11; ++i)
        points.push_back({set == 4 ? x4[i] : x123[i], ys[set - 1][i]});
    return points;
}

} // namespace dataanalysis
