#include "continuity/core/epsilon_delta.h"

#include <cmath>

namespace continuity {

namespace {

constexpr int samplesPerSide = 400;

// Offsets from a in (0, δ): evenly spread, and geometrically towards both ends.
std::vector<double> offsets(double delta) {
    std::vector<double> result;
    for (int k = 1; k < samplesPerSide; ++k)
        result.push_back(delta * k / samplesPerSide);
    for (int k = 1; k <= 40; ++k) {
        result.push_back(delta * std::pow(0.7, k));
        result.push_back(delta * (1 - std::pow(0.5, k)));
    }
    return result;
}

} // namespace

DeltaVerdict checkDelta(const kit::Expression& f, double a, double limit, double epsilon,
                        double delta) {
    DeltaVerdict verdict;
    if (!(delta > 0) || !(epsilon > 0))
        return {false, a, std::nullopt};
    for (double h : offsets(delta))
        for (double x : {a - h, a + h}) {
            if (x == a)
                continue;
            const auto y = f.evaluate({x});
            if (!y || std::abs(*y - limit) >= epsilon)
                return {false, x, y};
        }
    return verdict;
}

std::optional<double> workingDelta(const kit::Expression& f, double a, double limit,
                                   double epsilon) {
    double delta = 1;
    for (int k = 0; k <= 40; ++k, delta /= 2)
        if (checkDelta(f, a, limit, epsilon, delta).holds)
            return delta;
    return std::nullopt;
}

} // namespace continuity
