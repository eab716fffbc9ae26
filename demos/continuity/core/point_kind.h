#pragma once

#include "continuity/core/limit_report.h"

#include <optional>
#include <string>

namespace continuity {

// What happens to f at the point a.
enum class PointKind {
    Continuous, // both one-sided limits equal f(a)
    Removable,  // both one-sided limits equal, but f(a) is missing or different
    Jump,       // both one-sided limits finite and different
    Infinite,   // a one-sided limit is +∞ or −∞
    Other,      // a one-sided limit does not exist (oscillation) or f is missing on a side
    Undecided,  // the computations could not tell
};

struct PointStudy {
    LimitReport left, right;
    std::optional<double> value; // f(a), nullopt where undefined
    PointKind kind = PointKind::Undecided;
    std::string explanation; // plain text for the page
};

PointStudy studyPoint(const kit::Expression& f, const kit::Expression& a);

// "continuous", "removable discontinuity", ...
std::string pointKindName(PointKind kind);

} // namespace continuity
