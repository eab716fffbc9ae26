#pragma once

#include "continuity/core/limit.h"
#include "continuity/core/value_table.h"

#include "kit/core/expression_input.h"

#include <optional>
#include <string>

namespace continuity {

// A limit found exactly from the series expansion of f: x = a ± t (or x = ±1/t at
// infinity) with t > 0, expanded in t about 0; the lowest power of t decides. found is empty
// when there is no such expansion (roots and logarithms at the point, oscillation), when
// GiNaC refuses it, or when the work would be too large; note says which.
struct SeriesOutcome {
    std::optional<Limit> found;
    std::string expansion; // the series as GiNaC wrote it, for the page
    std::string note;
};

SeriesOutcome seriesLimit(const kit::Expression& f, const kit::Expression& a, Side side);
SeriesOutcome seriesLimitAtInfinity(const kit::Expression& f, Infinity direction);

} // namespace continuity
