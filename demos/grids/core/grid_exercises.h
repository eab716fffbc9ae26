#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace grids {

// The practice of the matrix basics: a combination sA + tB, a product (sometimes undefined),
// a determinant, and an inverse.
kit::ExerciseKind combinationKind();
kit::ExerciseKind productKind();
kit::ExerciseKind determinantKind();
kit::ExerciseKind inverseKind();
std::vector<kit::ExerciseKind> gridExerciseKinds();

} // namespace grids
