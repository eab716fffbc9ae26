#include "slopes/core/function_study.h"

#include "graphs/core/function_curve.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace slopes {

namespace {

constexpr int samples = 500;

double bisect(const kit::Expression& g, double a, double b) {
    auto ga = g.evaluate({a});
    for (int k = 0; k < 80 && ga; ++k) {
        const double m = (a + b) / 2;
        const auto gm = g.evaluate({m});
        if (!gm)
            break;
        if (*gm == 0)
            return m;
        if ((*gm > 0) == (*ga > 0)) {
            a = m;
            ga = gm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2;
}

// The x in [a, b] where |g| is least (golden section), when that least value is 0 to
// rounding.
std::optional<double> touchingZero(const kit::Expression& g, double a, double b, double scale) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    const auto size = [&](double x) { return std::abs(g.evaluate({x}).value_or(INFINITY)); };
    for (int k = 0; k < 100 && b - a > 1e-13 * (1 + std::abs(a)); ++k) {
        const double c = b - ratio * (b - a), d = a + ratio * (b - a);
        if (size(c) < size(d))
            b = d;
        else
            a = c;
    }
    const double x = (a + b) / 2;
    if (size(x) <= 1e-9 * (1 + scale))
        return x;
    return std::nullopt;
}

void zerosInPiece(const kit::Expression& g, const graphs::CurvePiece& piece,
                  std::vector<double>& zeros) {
    double scale = 0;
    for (const auto& point : piece)
        scale = std::max(scale, std::abs(point.second));
    for (std::size_t k = 0; k < piece.size(); ++k) {
        const auto [x, y] = piece[k];
        if (y == 0) {
            zeros.push_back(x);
            continue;
        }
        if (k + 1 < piece.size() && piece[k + 1].second != 0 &&
            (y > 0) != (piece[k + 1].second > 0))
            zeros.push_back(bisect(g, x, piece[k + 1].first));
        if (k > 0 && k + 1 < piece.size()) {
            const double before = piece[k - 1].second, after = piece[k + 1].second;
            const bool dip = std::abs(y) < std::abs(before) && std::abs(y) <= std::abs(after) &&
                             (before > 0) == (y > 0) && (after > 0) == (y > 0);
            if (dip)
                if (const auto z = touchingZero(g, piece[k - 1].first, piece[k + 1].first, scale))
                    zeros.push_back(*z);
        }
    }
}

// Poles where g runs off with the same sign on both sides (−1/x² at 0), which a sampled
// piece may step over: a local peak of |g| whose top, found by golden section, is beyond
// every bound (a finite peak such as 1/(x² + 0.001) tops out).
void polesInPiece(const kit::Expression& g, const graphs::CurvePiece& piece,
                  std::vector<double>& poles) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    const auto size = [&](double x) { return std::abs(g.evaluate({x}).value_or(INFINITY)); };
    for (std::size_t k = 1; k + 1 < piece.size(); ++k) {
        const double y = std::abs(piece[k].second);
        if (y < 100 || y <= std::abs(piece[k - 1].second) || y < std::abs(piece[k + 1].second))
            continue;
        double a = piece[k - 1].first, b = piece[k + 1].first;
        for (int step = 0; step < 120 && b - a > 1e-15 * (1 + std::abs(a)); ++step) {
            const double c = b - ratio * (b - a), d = a + ratio * (b - a);
            if (size(c) > size(d))
                b = d;
            else
                a = c;
        }
        if (size((a + b) / 2) > 1e12)
            poles.push_back((a + b) / 2);
    }
}

std::vector<graphs::CurvePiece> piecesOf(const kit::Expression& g, double left, double right) {
    return graphs::sampleCurve(g, left, right, samples, 10);
}

} // namespace

std::vector<double> zerosOf(const kit::Expression& g, double left, double right) {
    std::vector<double> zeros;
    for (const auto& piece : piecesOf(g, left, right))
        zerosInPiece(g, piece, zeros);
    std::sort(zeros.begin(), zeros.end());
    const double close = 1e-7 * (right - left);
    zeros.erase(std::unique(zeros.begin(), zeros.end(),
                            [&](double a, double b) { return std::abs(a - b) < close; }),
                zeros.end());
    return zeros;
}

std::vector<SignStretch> signStretches(const kit::Expression& g, double left, double right) {
    std::vector<SignStretch> stretches;
    for (const auto& piece : piecesOf(g, left, right)) {
        if (piece.size() < 2)
            continue;
        std::vector<double> cuts{piece.front().first};
        std::vector<double> zeros, poles;
        zerosInPiece(g, piece, zeros);
        polesInPiece(g, piece, poles);
        zeros.insert(zeros.end(), poles.begin(), poles.end());
        std::sort(zeros.begin(), zeros.end());
        const auto isPole = [&](double x) {
            return std::find(poles.begin(), poles.end(), x) != poles.end();
        };
        for (double z : zeros)
            if (z > cuts.back() + 1e-9)
                cuts.push_back(z);
        if (piece.back().first > cuts.back() + 1e-9)
            cuts.push_back(piece.back().first);
        for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
            const auto middle = g.evaluate({(cuts[k] + cuts[k + 1]) / 2});
            if (!middle)
                continue;
            const bool positive = *middle > 0;
            if (!stretches.empty() && stretches.back().positive == positive &&
                std::abs(stretches.back().to - cuts[k]) < 1e-9 && !isPole(cuts[k]))
                stretches.back().to = cuts[k + 1]; // a touching zero does not end a stretch
            else
                stretches.push_back({cuts[k], cuts[k + 1], positive});
        }
    }
    return stretches;
}

namespace {

// The sign of the stretch ending at x and of the one starting there (nullopt where none).
std::pair<std::optional<bool>, std::optional<bool>>
signsAround(const std::vector<SignStretch>& stretches, double x, double tolerance) {
    std::optional<bool> before, after;
    for (const auto& s : stretches) {
        if (s.from < x - tolerance && s.to >= x - tolerance && s.to <= x + tolerance)
            before = s.positive;
        if (s.to > x + tolerance && s.from >= x - tolerance && s.from <= x + tolerance)
            after = s.positive;
        if (s.from < x - tolerance && s.to > x + tolerance)
            before = after = s.positive; // a touching zero inside one stretch
    }
    return {before, after};
}

} // namespace

FunctionStudy studyFunction(const kit::Expression& f, double left, double right) {
    FunctionStudy study;
    const kit::Expression d1 = f.derivative(0);
    const kit::Expression d2 = d1.derivative(0);
    study.slope = signStretches(d1, left, right);
    study.bending = signStretches(d2, left, right);
    const double tolerance = 1e-6 * (right - left);
    for (double x : zerosOf(d1, left, right)) {
        const auto y = f.evaluate({x});
        if (!y)
            continue;
        CriticalPoint c{x, *y, CriticalPoint::Kind::Neither};
        const auto [before, after] = signsAround(study.slope, x, tolerance);
        if (before && after && *before && !*after)
            c.kind = CriticalPoint::Kind::Maximum;
        else if (before && after && !*before && *after)
            c.kind = CriticalPoint::Kind::Minimum;
        study.critical.push_back(c);
    }
    for (double x : zerosOf(d2, left, right)) {
        const auto y = f.evaluate({x});
        const auto [before, after] = signsAround(study.bending, x, tolerance);
        if (y && before && after && *before != *after)
            study.inflections.push_back({x, *y});
    }
    return study;
}

} // namespace slopes
