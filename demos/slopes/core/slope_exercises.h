#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace slopes {

// The practice of the derivatives program: the derivative of a typed function (any
// equivalent form accepted), the slope of a tangent, the tangent line's equation, the
// critical points of a cubic and the slope of a secant.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise derivativeExercise(kit::Seed seed);
kit::Exercise tangentSlopeExercise(kit::Seed seed);
kit::Exercise tangentLineExercise(kit::Seed seed);
kit::Exercise criticalPointsExercise(kit::Seed seed);
kit::Exercise secantSlopeExercise(kit::Seed seed);

} // namespace slopes
