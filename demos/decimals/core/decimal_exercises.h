#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace decimals {

// Fractions and their decimals: p/q by long division, a repeating decimal back to a fraction,
// the length of the repeating block.
kit::ExerciseKind decimalExpansionKind();
kit::ExerciseKind repeatingToFractionKind();
kit::ExerciseKind periodLengthKind();

// Irrational square roots approached by rationals: one step of Newton's method.
kit::ExerciseKind newtonStepKind();

// The least upper bound of a simple set.
kit::ExerciseKind supremumKind();

// Rounding to decimal places and scientific notation.
kit::ExerciseKind roundingKind();
kit::ExerciseKind scientificNotationKind();

std::vector<kit::ExerciseKind> decimalExerciseKinds();

} // namespace decimals
