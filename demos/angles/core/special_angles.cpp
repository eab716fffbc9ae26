#include "angles/core/special_angles.h"

namespace angles {

namespace {

const std::string minusSign = "\u2212";

kit::Surd surd(long numerator, long denominator, long radicand) {
    mpq_class c(numerator, denominator);
    c.canonicalize();
    return kit::Surd{c, radicand};
}

// sin and cos of the reference angle 0, 30, 45, 60 or 90.
std::pair<kit::Surd, kit::Surd> firstQuadrant(long reference) {
    switch (reference) {
    case 0:
        return {surd(0, 1, 1), surd(1, 1, 1)};
    case 30:
        return {surd(1, 2, 1), surd(1, 2, 3)};
    case 45:
        return {surd(1, 2, 2), surd(1, 2, 2)};
    case 60:
        return {surd(1, 2, 3), surd(1, 2, 1)};
    default:
        return {surd(1, 1, 1), surd(0, 1, 1)};
    }
}

kit::Surd negated(kit::Surd s) {
    s.coefficient = -s.coefficient;
    return s;
}

// sin/cos as one surd: (p√r)/(q√s) = p√(rs)/(qs).
kit::Surd quotient(const kit::Surd& top, const kit::Surd& bottom) {
    kit::WorkBudget budget(1000);
    const mpq_class square = top.square() / bottom.square();
    kit::Surd root = *kit::exactSquareRoot(square, budget);
    const bool negative = (top.coefficient < 0) != (bottom.coefficient < 0);
    return negative ? negated(root) : root;
}

std::string piMultiple(const mpq_class& degrees, const std::string& pi, const std::string& minus) {
    mpq_class k = degrees / 180;
    k.canonicalize();
    if (k == 0)
        return "0";
    const mpz_class num = abs(k.get_num());
    std::string text = k < 0 ? minus : "";
    text += (num == 1 ? "" : num.get_str()) + pi;
    if (k.get_den() != 1)
        text += "/" + k.get_den().get_str();
    return text;
}

} // namespace

long reducedDegrees(long degrees) {
    const long r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

int quadrantOf(long degrees) {
    const long r = reducedDegrees(degrees);
    if (r % 90 == 0)
        return 0;
    return static_cast<int>(r / 90) + 1;
}

long referenceAngle(long degrees) {
    const long r = reducedDegrees(degrees);
    if (r <= 90)
        return r;
    if (r <= 180)
        return 180 - r;
    if (r <= 270)
        return r - 180;
    return 360 - r;
}

bool isSpecialAngle(long degrees) {
    return degrees % 30 == 0 || degrees % 45 == 0;
}

std::optional<ExactTrig> exactTrig(long degrees) {
    if (!isSpecialAngle(degrees))
        return std::nullopt;
    const long r = reducedDegrees(degrees);
    auto [sine, cosine] = firstQuadrant(referenceAngle(r));
    if (r > 180)
        sine = negated(sine); // below the x-axis
    if (r > 90 && r < 270)
        cosine = negated(cosine); // left of the y-axis
    ExactTrig result{sine, cosine, std::nullopt};
    if (cosine.coefficient != 0)
        result.tangent = quotient(sine, cosine);
    return result;
}

std::string signedSurdText(const kit::Surd& s) {
    if (s.coefficient >= 0)
        return kit::surdText(s);
    return minusSign + kit::surdText(negated(s));
}

std::string radiansText(const mpq_class& degrees) {
    return piMultiple(degrees, "\u03c0", minusSign);
}

std::string radiansTyped(const mpq_class& degrees) {
    return piMultiple(degrees, "pi", "-");
}

} // namespace angles
