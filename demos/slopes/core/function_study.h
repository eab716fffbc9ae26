#pragma once

#include "kit/core/expression_input.h"

#include <vector>

namespace slopes {

// Stretches of [left, right] where a function keeps one sign, cut at its zeros and at the gaps
// and poles of its domain (found by the graphs program's sampler).
struct SignStretch {
    double from = 0, to = 0;
    bool positive = true;
};
std::vector<SignStretch> signStretches(const kit::Expression& g, double left, double right);

// The zeros of g on [left, right]: sign changes, and touching zeros where |g| dips to 0
// without a change of sign.
std::vector<double> zerosOf(const kit::Expression& g, double left, double right);

// What the first and second derivative tell about f on [left, right].
struct CriticalPoint {
    enum class Kind { Maximum, Minimum, Neither };
    double x = 0, y = 0;
    Kind kind = Kind::Neither;
};
struct InflectionPoint {
    double x = 0, y = 0;
};
struct FunctionStudy {
    std::vector<CriticalPoint> critical; // f′(x) = 0
    std::vector<SignStretch> slope;      // f′ > 0: f increases; f′ < 0: f decreases
    std::vector<SignStretch> bending;    // f″ > 0: concave up; f″ < 0: concave down
    std::vector<InflectionPoint> inflections;
};
FunctionStudy studyFunction(const kit::Expression& f, double left, double right);

} // namespace slopes
