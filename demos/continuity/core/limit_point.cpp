#include "continuity/core/limit_point.h"

#include <cmath>

namespace continuity {

kit::Parsed<kit::Expression> parsePoint(std::string_view text) {
    auto parsed = kit::Expression::parse(text, {});
    if (!parsed.ok())
        return parsed;
    const auto value = parsed.value().evaluate({});
    if (!value)
        return kit::ParseError{"the point is not a real number", 0};
    if (std::abs(*value) > 1e6)
        return kit::ParseError{"the point is too far out: keep it between -1000000 and 1000000", 0};
    return parsed;
}

double pointValue(const kit::Expression& a) {
    return a.evaluate({}).value_or(0.0);
}

} // namespace continuity
