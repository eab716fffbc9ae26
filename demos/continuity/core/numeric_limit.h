#pragma once

#include "continuity/core/limit.h"
#include "continuity/core/value_table.h"

namespace continuity {

// Reads a limit off a table of values whose steps shrink (or grow) tenfold from row to row:
// the values settle (differences shrinking steadily; the last is extrapolated), run off
// to +∞ or −∞ (growing in size with one sign), keep oscillating, or are missing close in.
Limit limitFromTable(const std::vector<TableRow>& table);

// The table with 12 rows read that way.
Limit numericLimit(const kit::Expression& f, const kit::Expression& a, Side side);
Limit numericLimitAtInfinity(const kit::Expression& f, Infinity direction);

} // namespace continuity
