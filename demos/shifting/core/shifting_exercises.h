#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace shifting {

// The image of a point under a translation; the vector that takes a point to its image; the
// point a translation takes to a given image; two translations as one.
kit::ExerciseKind translatePointKind();
kit::ExerciseKind findVectorKind();
kit::ExerciseKind preimageKind();
kit::ExerciseKind twoTranslationsKind();

std::vector<kit::ExerciseKind> shiftingExerciseKinds();

} // namespace shifting
