#pragma once

#include "kit/core/expression_input.h"

#include <string>
#include <string_view>

namespace areas {

// The interval [a, b] of an integral as typed: each end a constant in the kit's grammar
// ("0", "pi/2", "sqrt(2)", "-1.5"), a < b, both within ±maxBound.
inline constexpr double maxBound = 1000;

struct Interval {
    kit::Expression lower, upper; // exact, for the exact value F(b) − F(a)
    double a = 0, b = 1;
};

// The interval, or the reason it cannot be used: "the upper limit b: unexpected ')' at 4",
// "the lower limit a must be less than the upper limit b".
kit::Parsed<Interval> parseInterval(std::string_view lower, std::string_view upper);

// One constant typed for a named limit.
kit::Parsed<kit::Expression> parseLimit(std::string_view text, const std::string& name,
                                        double* value);

} // namespace areas
