#pragma once

#include <gmpxx.h>
#include <string>
#include <vector>

namespace areas {

// An exact polynomial c₀ + c₁x + … for the exercises: coefficients from the constant up.
struct Polynomial {
    std::vector<mpq_class> coefficients;
};

mpq_class valueAt(const Polynomial& p, const mpq_class& x);
// The antiderivative with constant term 0: cₖxᵏ becomes cₖxᵏ⁺¹/(k + 1).
Polynomial antiderivativeOf(const Polynomial& p);
// "2x<sup>2</sup> &minus; 3x + 1" in the variable given.
std::string polynomialHtml(const Polynomial& p, const std::string& variable = "x");

// "−3/4" for the page, with a true minus sign.
std::string rationalHtml(const mpq_class& q);

} // namespace areas
