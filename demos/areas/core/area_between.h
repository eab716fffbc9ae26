#pragma once

#include "areas/core/definite_integral.h"

#include <string>
#include <vector>

namespace areas {

// The area enclosed between y = f(x) and y = g(x) over [a, b]: ∫ₐᵇ |f − g| dx, split at the
// crossings (where f − g changes sign, found by halving) so each piece is the integral of
// the upper curve minus the lower one.
struct AreaBetween {
    std::string error;
    std::vector<double> crossings; // inside (a, b)
    double area = 0;
    std::vector<double> pieceIntegrals; // ∫ (f − g) on each piece, signed
    // Exactly, when f − g has an antiderivative and every crossing is an exact rational.
    std::optional<kit::Expression> exact;
    std::optional<FoundAntiderivative> antiderivative; // of f − g
};

AreaBetween areaBetween(const kit::Expression& f, const kit::Expression& g,
                        const Interval& interval);

// Where f(x) = g(x) on [left, right] (sign changes of f − g on a fine grid, then halving).
std::vector<double> crossings(const kit::Expression& f, const kit::Expression& g, double left,
                              double right);

// f − g as one expression in x.
kit::Expression difference(const kit::Expression& f, const kit::Expression& g);

} // namespace areas
