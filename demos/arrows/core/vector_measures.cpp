#include "arrows/core/vector_measures.h"

#include "kit/core/surd.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace arrows {

namespace {

constexpr std::uint64_t rootBudget = 200000;

std::string decimal(double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
    return buffer;
}

} // namespace

std::string lengthText(const ExactVector& a) {
    kit::WorkBudget budget(rootBudget);
    const mpq_class square = lengthSquared(a);
    if (const auto root = kit::exactSquareRoot(square, budget))
        return kit::surdText(*root);
    return "\u2248 " + decimal(std::sqrt(square.get_d()), 4);
}

std::string unitVectorText(const ExactVector& a) {
    if (isZero(a))
        return "none (the zero vector has no direction)";
    kit::WorkBudget budget(rootBudget);
    const auto root = kit::exactSquareRoot(lengthSquared(a), budget);
    std::string text = "(";
    for (std::size_t i = 0; i < a.size(); ++i) {
        text += i > 0 ? ", " : "";
        if (root) {
            // x / (c√r) = x√r / (c·r)
            kit::Surd component{a[i] / (root->coefficient * root->radicand), root->radicand};
            text += kit::surdText(component);
        } else {
            text += decimal(a[i].get_d() / std::sqrt(lengthSquared(a).get_d()), 4);
        }
    }
    return text + ")";
}

std::optional<int> exactAngleDegrees(const ExactVector& a, const ExactVector& b) {
    if (isZero(a) || isZero(b))
        return std::nullopt;
    const mpq_class d = dot(a, b);
    const mpq_class cosSquared = d * d / (lengthSquared(a) * lengthSquared(b));
    struct Special {
        mpq_class cosSquared;
        int acute;
    };
    const Special specials[] = {
        {0, 90}, {mpq_class(1, 4), 60}, {mpq_class(1, 2), 45}, {mpq_class(3, 4), 30}, {1, 0}};
    for (const Special& s : specials)
        if (s.cosSquared == cosSquared)
            return d >= 0 ? s.acute : 180 - s.acute;
    return std::nullopt;
}

std::string angleText(const ExactVector& a, const ExactVector& b) {
    if (isZero(a) || isZero(b))
        return "undefined (a zero vector has no direction)";
    if (const auto exact = exactAngleDegrees(a, b))
        return std::to_string(*exact) + "\u00b0";
    const double cosine =
        dot(a, b).get_d() / std::sqrt(lengthSquared(a).get_d() * lengthSquared(b).get_d());
    const double degrees = std::acos(std::clamp(cosine, -1.0, 1.0)) * 180.0 / std::numbers::pi;
    return "\u2248 " + decimal(degrees, 2) + "\u00b0";
}

PlaneSpan planeSpan(const ExactVector& a, const ExactVector& b) {
    if (isZero(a) && isZero(b))
        return PlaneSpan::Origin;
    return determinant(a, b) == 0 ? PlaneSpan::Line : PlaneSpan::Plane;
}

} // namespace arrows
