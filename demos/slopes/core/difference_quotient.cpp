#include "slopes/core/difference_quotient.h"

#include <cmath>

namespace slopes {

std::optional<double> secantSlope(const kit::Expression& f, double a, double h) {
    if (h == 0)
        return std::nullopt;
    const auto y0 = f.evaluate({a});
    const auto y1 = f.evaluate({a + h});
    if (!y0 || !y1)
        return std::nullopt;
    return (*y1 - *y0) / h;
}

std::vector<QuotientRow> quotientTable(const kit::Expression& f, double a, int rows, bool left) {
    std::vector<QuotientRow> table;
    for (int k = 0; k < rows; ++k) {
        const double h = (left ? -1 : 1) * std::pow(10.0, -k);
        table.push_back({h, f.evaluate({a + h}), secantSlope(f, a, h)});
    }
    return table;
}

} // namespace slopes
