#pragma once

#include "continuity/core/limit.h"
#include "continuity/core/series_limit.h"
#include "continuity/core/value_table.h"

namespace continuity {

// A one-sided limit (or a limit at infinity) worked out both ways: exactly by series
// expansion where there is one, numerically from the table always, and the two compared.
struct LimitReport {
    SeriesOutcome exact;
    Limit numeric;
    bool agree = true; // the numeric estimate confirms the exact value (when there is one)
    const Limit& best() const { return exact.found ? *exact.found : numeric; }
};

LimitReport studyLimit(const kit::Expression& f, const kit::Expression& a, Side side);
LimitReport studyLimitAtInfinity(const kit::Expression& f, Infinity direction);

// True when the two describe the same limit: same kind, finite values within a relative
// tolerance.
bool sameLimit(const Limit& a, const Limit& b, double tolerance = 1e-4);

} // namespace continuity
