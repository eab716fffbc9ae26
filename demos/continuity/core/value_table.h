#pragma once

#include "kit/core/expression_input.h"

#include <optional>
#include <vector>

namespace continuity {

enum class Side { Left, Right };
enum class Infinity { Plus, Minus };

// One row of a table of values: x and f(x), nullopt where f is undefined, an infinite double
// beyond 10^300. step is the
// distance from a (h) or, towards infinity, the size of x.
struct TableRow {
    double step = 0;
    double x = 0;
    std::optional<double> y;
};

// f at x = a - 10^-k (left) or a + 10^-k (right) for k = 1 ... rows. x is formed exactly and
// f evaluated with 40 digits, so the table shows f, not the rounding of a - x.
std::vector<TableRow> approachTable(const kit::Expression& f, const kit::Expression& a, Side side,
                                    int rows);

// f at x = 10^k or -10^k for k = 1 ... rows.
std::vector<TableRow> infinityTable(const kit::Expression& f, Infinity direction, int rows);

} // namespace continuity
