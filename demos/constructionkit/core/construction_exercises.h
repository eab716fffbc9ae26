#pragma once

#include "constructionkit/core/construction.h"
#include "kit/core/exercise.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace constructions {

// The exercises every construction sets, made from its file: which step comes next, what a
// step guarantees, and a measure of the finished figure for given points with integer
// coordinates, checked exactly.
std::vector<kit::ExerciseKind> constructionExerciseKinds(std::shared_ptr<const Construction> c);

// A value that is a fraction with a denominator of at most maxDenominator, to 1e-9; the
// exact measures of a figure (108 degrees, a squared length 25, a midpoint at 7/2).
struct SmallFraction {
    long long numerator = 0;
    long long denominator = 1;
};
std::optional<SmallFraction> asSmallFraction(double value, long long maxDenominator = 4);
std::string fractionText(const SmallFraction& f);

// A solution line with its {angle P A F}, {distance A B}, {x M}, {given P} ... fields filled in
// from the figure.
std::string fillMeasures(const Construction& c, const struct Figure& f, const std::string& text);

} // namespace constructions
