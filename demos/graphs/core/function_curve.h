#pragma once

#include "kit/core/expression_input.h"

#include <utility>
#include <vector>

namespace graphs {

// One connected piece of a graph: points (x, y) in order of x.
using CurvePiece = std::vector<std::pair<double, double>>;

// y = f(x) sampled across [left, right] in the given number of steps and cut into pieces: a
// piece ends where f is undefined (a gap of the domain) and across a pole, where the values
// run off beyond viewHeight in opposite directions or grow without bound between two samples.
// A piece that meets the edge of the domain ends on it (found by halving). polesFound, when
// given, receives the number of poles crossed.
std::vector<CurvePiece> sampleCurve(const kit::Expression& f, double left, double right, int steps,
                                    double viewHeight, int* polesFound = nullptr);

// f evaluated at x, nullopt where undefined.
std::optional<double> valueAt(const kit::Expression& f, double x);

} // namespace graphs
