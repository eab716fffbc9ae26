#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace scaling {

// Dilations with rational factors, negative ones included: about the origin; about another
// centre; the factor from a point and its image; lengths and areas of the image.
kit::ExerciseKind originDilationKind();
kit::ExerciseKind centreDilationKind();
kit::ExerciseKind scaleFactorKind();
kit::ExerciseKind lengthAreaKind();

std::vector<kit::ExerciseKind> scalingExerciseKinds();

} // namespace scaling
