#include "continuity/core/limit_report.h"

#include "continuity/core/numeric_limit.h"

#include <cmath>

namespace continuity {

namespace {

LimitReport compared(SeriesOutcome exact, Limit numeric) {
    LimitReport report{std::move(exact), numeric, true};
    if (report.exact.found)
        report.agree = sameLimit(*report.exact.found, numeric);
    return report;
}

} // namespace

bool sameLimit(const Limit& a, const Limit& b, double tolerance) {
    if (a.kind != b.kind)
        return false;
    if (a.kind != Limit::Kind::Finite)
        return true;
    return std::abs(a.value - b.value) <= tolerance * (1 + std::abs(a.value));
}

LimitReport studyLimit(const kit::Expression& f, const kit::Expression& a, Side side) {
    return compared(seriesLimit(f, a, side), numericLimit(f, a, side));
}

LimitReport studyLimitAtInfinity(const kit::Expression& f, Infinity direction) {
    return compared(seriesLimitAtInfinity(f, direction), numericLimitAtInfinity(f, direction));
}

} // namespace continuity
