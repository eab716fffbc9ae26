#include "continuity/core/value_table.h"

#include "continuity/core/precise_value.h"

#include "kit/core/ginac_access.h"

#include <cmath>

namespace continuity {

namespace {

GiNaC::ex powerOfTen(int k) {
    return GiNaC::pow(GiNaC::numeric(10), k);
}

} // namespace

std::vector<TableRow> approachTable(const kit::Expression& f, const kit::Expression& a, Side side,
                                    int rows) {
    const GiNaC::ex point = kit::ginacExpression(a);
    const int sign = side == Side::Left ? -1 : 1;
    std::vector<TableRow> table;
    for (int k = 1; k <= rows; ++k) {
        const GiNaC::ex x = point + sign * powerOfTen(-k);
        TableRow row;
        row.step = std::pow(10.0, -k);
        row.x = GiNaC::ex_to<GiNaC::numeric>(GiNaC::evalf(x)).to_double();
        row.y = preciseValue(f, x);
        table.push_back(row);
    }
    return table;
}

std::vector<TableRow> infinityTable(const kit::Expression& f, Infinity direction, int rows) {
    const int sign = direction == Infinity::Minus ? -1 : 1;
    std::vector<TableRow> table;
    for (int k = 1; k <= rows; ++k) {
        const GiNaC::ex x = sign * powerOfTen(k);
        TableRow row;
        row.step = std::pow(10.0, k);
        row.x = sign * row.step;
        row.y = preciseValue(f, x);
        table.push_back(row);
    }
    return table;
}

} // namespace continuity
