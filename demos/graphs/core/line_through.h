#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

namespace graphs {

// The line through two points with exact coordinates: slope m = (y2 - y1)/(x2 - x1), the
// y-intercept b of y = mx + b and the x-intercept, or a vertical line x = c.
struct ExactPoint {
    mpq_class x, y;
};
struct Line {
    bool vertical = false;
    mpq_class slope, intercept;          // when not vertical
    mpq_class xValue;                    // when vertical: x = xValue
    std::optional<mpq_class> xIntercept; // none for a horizontal line off the axis
    std::vector<std::string> steps;      // how they are found, as HTML
};

// nullopt when the two points are the same (no one line passes through them).
std::optional<Line> lineThrough(ExactPoint p, ExactPoint q);
// "y = 2x &minus; 1/2", "x = 3", "y = 4"
std::string equationHtml(const Line& line);
// "y = 2*x - 1/2" as typed
std::string equationTyped(const Line& line);

} // namespace graphs
