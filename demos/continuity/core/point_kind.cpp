#include "continuity/core/point_kind.h"

#include "continuity/core/precise_value.h"

#include <cmath>

namespace continuity {

namespace {

using Kind = Limit::Kind;

// f(a) itself; an infinite double (beyond 10^300) counts as undefined here.
std::optional<double> valueAt(const kit::Expression& f, const kit::Expression& a) {
    const auto y = preciseValue(f, kit::ginacExpression(a));
    return y && std::isfinite(*y) ? y : std::nullopt;
}

bool infinite(const Limit& l) {
    return l.kind == Kind::PlusInfinity || l.kind == Kind::MinusInfinity;
}

PointKind classify(const Limit& left, const Limit& right, std::optional<double> value) {
    if (infinite(left) || infinite(right))
        return PointKind::Infinite;
    if (left.kind == Kind::Unknown || right.kind == Kind::Unknown)
        return PointKind::Undecided;
    if (left.kind != Kind::Finite || right.kind != Kind::Finite)
        return PointKind::Other;
    if (!sameLimit(left, right, 1e-6))
        return PointKind::Jump;
    if (value && std::abs(*value - left.value) <= 1e-6 * (1 + std::abs(left.value)))
        return PointKind::Continuous;
    return PointKind::Removable;
}

std::string explain(const PointStudy& s) {
    const std::string l = limitText(s.left.best()), r = limitText(s.right.best());
    switch (s.kind) {
    case PointKind::Continuous:
        return "The limits from the left and from the right are both " + l +
               " and f(a) is the same number: f is continuous at a.";
    case PointKind::Removable:
        return std::string("Both one-sided limits are ") + l + ", but " +
               (s.value ? "f(a) is a different number" : "f(a) is not defined") +
               ": a removable discontinuity. Setting f(a) = " + l +
               " would make f continuous there.";
    case PointKind::Jump:
        return "From the left f approaches " + l + ", from the right " + r +
               ": the graph jumps, a jump discontinuity. No value of f(a) can mend it.";
    case PointKind::Infinite:
        return "From the left the limit is " + l + ", from the right " + r +
               ": f grows without bound, an infinite discontinuity (a vertical asymptote "
               "x = a).";
    case PointKind::Other:
        return "From the left: " + l + "; from the right: " + r +
               ". At least one one-sided limit fails to exist, so f cannot be continuous "
               "at a (an essential discontinuity, or a point at the edge of the domain).";
    case PointKind::Undecided:
        break;
    }
    return "The values near a do not settle clearly enough to decide; zoom in on the graph "
           "and read the tables.";
}

} // namespace

std::string pointKindName(PointKind kind) {
    switch (kind) {
    case PointKind::Continuous:
        return "continuous";
    case PointKind::Removable:
        return "removable discontinuity";
    case PointKind::Jump:
        return "jump discontinuity";
    case PointKind::Infinite:
        return "infinite discontinuity";
    case PointKind::Other:
        return "no one-sided limit";
    case PointKind::Undecided:
        break;
    }
    return "undecided";
}

PointStudy studyPoint(const kit::Expression& f, const kit::Expression& a) {
    PointStudy study;
    study.left = studyLimit(f, a, Side::Left);
    study.right = studyLimit(f, a, Side::Right);
    study.value = valueAt(f, a);
    study.kind = classify(study.left.best(), study.right.best(), study.value);
    study.explanation = explain(study);
    return study;
}

} // namespace continuity
