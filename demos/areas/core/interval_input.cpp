#include "areas/core/interval_input.h"

#include <cmath>

namespace areas {

kit::Parsed<kit::Expression> parseLimit(std::string_view text, const std::string& name,
                                        double* value) {
    auto parsed = kit::Expression::parse(text, {});
    if (!parsed.ok())
        return kit::ParseError{name + ": " + parsed.error().message, parsed.error().position};
    const auto v = parsed.value().evaluate({});
    if (!v)
        return kit::ParseError{name + ": the value is undefined", 0};
    if (std::abs(*v) > maxBound)
        return kit::ParseError{name + ": keep the limits between -1000 and 1000", 0};
    *value = *v;
    return parsed;
}

kit::Parsed<Interval> parseInterval(std::string_view lower, std::string_view upper) {
    double a = 0, b = 0;
    const auto low = parseLimit(lower, "the lower limit a", &a);
    if (!low.ok())
        return low.error();
    const auto high = parseLimit(upper, "the upper limit b", &b);
    if (!high.ok())
        return high.error();
    if (!(a < b))
        return kit::ParseError{"the lower limit a must be less than the upper limit b", 0};
    return Interval{low.value(), high.value(), a, b};
}

} // namespace areas
