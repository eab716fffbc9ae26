#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace halfway {

// The midpoint of a segment.
kit::ExerciseKind midpointKind();
// The other endpoint from one endpoint and the midpoint.
kit::ExerciseKind endpointKind();
// The point dividing a segment in the ratio m : n.
kit::ExerciseKind sectionKind();
// The centroid of a triangle.
kit::ExerciseKind centroidKind();
// The equation of a circle from its centre and a point on it.
kit::ExerciseKind circleKind();

std::vector<kit::ExerciseKind> halfwayExerciseKinds();

} // namespace halfway
