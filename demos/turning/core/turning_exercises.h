#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace turning {

// Rotations through multiples of 90°: about the origin; about another centre; the angle that
// takes a point to its image; two rotations as one.
kit::ExerciseKind originRotationKind();
kit::ExerciseKind centreRotationKind();
kit::ExerciseKind rotationAngleKind();
kit::ExerciseKind twoRotationsKind();

std::vector<kit::ExerciseKind> turningExerciseKinds();

} // namespace turning
