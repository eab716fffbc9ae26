#pragma once

#include "areas/core/antiderivative.h"
#include "areas/core/interval_input.h"
#include "areas/core/numeric_integral.h"

#include <optional>
#include <string>

namespace areas {

// ∫ₐᵇ f(x) dx: exactly as F(b) − F(a) when an antiderivative is found (and the exact value
// agrees with the numeric one), always numerically by Gauss–Kronrod as well.
struct DefiniteIntegral {
    std::string error; // non-empty: nothing could be computed, and why
    double value = 0;  // the exact value when there is one, else the numeric value
    std::optional<FoundAntiderivative> antiderivative;
    std::optional<kit::Expression> exact; // F(b) − F(a), simplified
    NumericIntegral numeric;
};

DefiniteIntegral definiteIntegral(const kit::Expression& f, const Interval& interval);

// F evaluated exactly at a constant: F(c) as a constant expression.
kit::Expression valueAtConstant(const kit::Expression& F, const kit::Expression& c);

} // namespace areas
