#pragma once

#include "kit/core/expression_input.h"

#include <optional>

namespace continuity {

// The ε–δ game: the learner claims that every x with 0 < |x − a| < δ has |f(x) − L| < ε.
// The claim is tested at many x across the punctured interval (denser close to its ends and to
// a); the first x found outside the ε band disproves it.
struct DeltaVerdict {
    bool holds = true;
    std::optional<double> counterexample; // an x with |f(x) − L| ≥ ε (or f undefined)
    std::optional<double> valueThere;     // f there, nullopt where undefined
};

DeltaVerdict checkDelta(const kit::Expression& f, double a, double limit, double epsilon,
                        double delta);

// The largest δ = 2^-k (k = 0 ... 40) the test accepts, nullopt when none does.
std::optional<double> workingDelta(const kit::Expression& f, double a, double limit,
                                   double epsilon);

} // namespace continuity
