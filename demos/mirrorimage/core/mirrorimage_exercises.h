#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace mirrorimage {

// Reflections in the axes and in y = ±x; in a line x = h or y = k; in any line
// a·x + b·y = c; two reflections as one translation or rotation.
kit::ExerciseKind axisReflectionKind();
kit::ExerciseKind parallelLineReflectionKind();
kit::ExerciseKind lineReflectionKind();
kit::ExerciseKind twoReflectionsKind();

std::vector<kit::ExerciseKind> mirrorimageExerciseKinds();

} // namespace mirrorimage
