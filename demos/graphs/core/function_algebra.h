#pragma once

#include "equations/core/sign_chart.h"

#include "kit/core/expression_input.h"

#include <optional>
#include <string>

namespace graphs {

// A typed function of x, refused with the kit's reason when it cannot be read.
kit::Parsed<kit::Expression> parseFunction(std::string_view text);

// f(g(x)), simplified as far as expanding and normalising goes.
kit::Expression compose(const kit::Expression& f, const kit::Expression& g);

// The inverse of a one-to-one linear function ax + b or fractional linear (ax + b)/(cx + d)
// with ad - bc != 0; nullopt for others, whose inverse is only drawn as the reflection.
std::optional<kit::Expression> inverseFormula(const kit::Expression& f);

// The formula for the page ("2x<sup>2</sup> &minus; 1/(x + 1)") and as typed
// ("2*x^2 - 1/(x + 1)"): terms by falling degree, negative powers as quotients.
std::string formulaHtml(const kit::Expression& f);
std::string formulaTyped(const kit::Expression& f);

// Where f is defined: every denominator non-zero, every even root of something non-negative,
// every logarithm of something positive. Exact when each of those is a polynomial or a
// quotient of polynomials; otherwise exact is false and the set is the part found exactly.
struct Domain {
    equations::SolutionSet set;
    bool exact = true;
    std::vector<std::string> conditionsHtml; // "x &minus; 2 &ne; 0", ...
};
Domain domainOf(const kit::Expression& f);

// The points in both sets.
equations::SolutionSet intersect(const equations::SolutionSet& a, const equations::SolutionSet& b);

} // namespace graphs
