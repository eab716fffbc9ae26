#include "transformkit/core/affine_map.h"

namespace transformkit {

ExactPoint AffineMap::apply(const ExactPoint& p) const {
    return {a * p.x + b * p.y + e, c * p.x + d * p.y + f};
}

AffineMap composed(const AffineMap& first, const AffineMap& s) {
    AffineMap m;
    m.a = s.a * first.a + s.b * first.c;
    m.b = s.a * first.b + s.b * first.d;
    m.c = s.c * first.a + s.d * first.c;
    m.d = s.c * first.b + s.d * first.d;
    m.e = s.a * first.e + s.b * first.f + s.e;
    m.f = s.c * first.e + s.d * first.f + s.f;
    return m;
}

namespace {

const char* const minusSign = "\u2212";

// Appends "± |k|·name" (name empty for the constant term) to a sum being written.
void appendTerm(std::string& sum, const mpz_class& k, const std::string& name) {
    if (k == 0)
        return;
    const mpz_class size = abs(k);
    std::string term = size == 1 && !name.empty() ? name : size.get_str() + name;
    if (sum.empty())
        sum = (k < 0 ? std::string(minusSign) : "") + term;
    else
        sum += (k < 0 ? std::string(" ") + minusSign + " " : " + ") + term;
}

} // namespace

std::string formulaText(const mpq_class& cx, const mpq_class& cy, const mpq_class& constant) {
    if (cx == 0 && cy == 0)
        return displayNumber(constant);
    mpz_class denominator;
    mpz_lcm(denominator.get_mpz_t(), cx.get_den().get_mpz_t(), cy.get_den().get_mpz_t());
    mpz_lcm(denominator.get_mpz_t(), denominator.get_mpz_t(), constant.get_den().get_mpz_t());
    const mpq_class scale(denominator);
    std::string sum;
    appendTerm(sum, mpq_class(cx * scale).get_num(), "x");
    appendTerm(sum, mpq_class(cy * scale).get_num(), "y");
    appendTerm(sum, mpq_class(constant * scale).get_num(), "");
    if (sum.empty())
        sum = "0";
    if (denominator == 1)
        return sum;
    return "(" + sum + ")/" + denominator.get_str();
}

std::string ruleText(const AffineMap& m) {
    return "(x, y) \u2192 (" + formulaText(m.a, m.b, m.e) + ", " + formulaText(m.c, m.d, m.f) + ")";
}

} // namespace transformkit
