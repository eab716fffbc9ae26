#include "continuity/core/numeric_limit.h"

#include <algorithm>
#include <cmath>

namespace continuity {

namespace {

constexpr int rowsRead = 12;
constexpr std::size_t tailLength = 5; // the rows closest in decide

// Values running off: growing in size with one sign, by steps that do not shrink (so
// log x, which gains the same amount per row, runs off too).
bool runsOff(const std::vector<double>& y) {
    for (std::size_t k = 1; k < y.size(); ++k)
        if (std::abs(y[k]) <= std::abs(y[k - 1]) || (y[k] > 0) != (y[k - 1] > 0))
            return false;
    for (std::size_t k = 2; k < y.size(); ++k)
        if (std::abs(y[k] - y[k - 1]) < 0.9 * std::abs(y[k - 1] - y[k - 2]))
            return false;
    return true;
}

// Settling values: each difference at most about half the one before (or all tiny), the last
// one small against the value.
std::optional<double> settlesAt(const std::vector<double>& y) {
    std::vector<double> d;
    for (std::size_t k = 1; k < y.size(); ++k)
        d.push_back(std::abs(y[k] - y[k - 1]));
    const double scale = 1 + std::abs(y.back());
    if (d.back() <= 1e-12 * scale)
        return y.back();
    for (std::size_t k = 1; k < d.size(); ++k)
        if (d[k] > 0.7 * d[k - 1] && d[k] > 1e-12 * scale)
            return std::nullopt;
    if (d.back() > 1e-3 * scale)
        return std::nullopt;
    // The differences shrink by the ratio r: the rest of the way is d r / (1 - r).
    const double r = d[d.size() - 2] > 0 ? d.back() / d[d.size() - 2] : 0;
    const double direction = y.back() >= y[y.size() - 2] ? 1 : -1;
    return y.back() + direction * d.back() * r / (1 - r);
}

} // namespace

Limit limitFromTable(const std::vector<TableRow>& table) {
    Limit limit;
    if (table.size() < tailLength)
        return limit;
    std::vector<double> tail;
    for (std::size_t k = table.size() - tailLength; k < table.size(); ++k) {
        if (!table[k].y) {
            limit.kind = Limit::Kind::NotDefined;
            return limit;
        }
        tail.push_back(*table[k].y);
    }
    if (std::isinf(tail.back())) { // beyond 10^300 close in: running off
        limit.kind = tail.back() > 0 ? Limit::Kind::PlusInfinity : Limit::Kind::MinusInfinity;
        return limit;
    }
    if (std::any_of(tail.begin(), tail.end(), [](double y) { return std::isinf(y); })) {
        limit.kind = Limit::Kind::NoLimit;
        return limit;
    }
    if (runsOff(tail)) {
        limit.kind = tail.back() > 0 ? Limit::Kind::PlusInfinity : Limit::Kind::MinusInfinity;
        return limit;
    }
    if (const auto value = settlesAt(tail)) {
        limit.kind = Limit::Kind::Finite;
        // What is left of a limit 0 after extrapolation is rounding (sin(x)/x at infinity).
        limit.value = std::abs(*value) < 1e-9 ? 0.0 : *value;
        return limit;
    }
    const auto [low, high] = std::minmax_element(tail.begin(), tail.end());
    limit.kind = *high - *low > 1e-3 * (1 + std::abs(tail.back())) ? Limit::Kind::NoLimit
                                                                   : Limit::Kind::Unknown;
    return limit;
}

Limit numericLimit(const kit::Expression& f, const kit::Expression& a, Side side) {
    return limitFromTable(approachTable(f, a, side, rowsRead));
}

Limit numericLimitAtInfinity(const kit::Expression& f, Infinity direction) {
    return limitFromTable(infinityTable(f, direction, rowsRead));
}

} // namespace continuity
