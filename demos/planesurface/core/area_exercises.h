#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace planesurface {

// Area of a rectangle, parallelogram, triangle, trapezoid or rhombus from whole-number measures.
kit::ExerciseKind polygonAreaKind();
// Area of a triangle from its three sides by Heron's formula (a whole-number result).
kit::ExerciseKind heronKind();
// Area or circumference of a circle, a sector or a ring, exactly as a multiple of π.
kit::ExerciseKind circleKind();
// Perimeter of a square, rectangle, triangle, rhombus (from its diagonals) or regular polygon.
kit::ExerciseKind perimeterKind();
// A missing length from the area: a width, a height or a radius.
kit::ExerciseKind missingLengthKind();

std::vector<kit::ExerciseKind> areaExerciseKinds();

} // namespace planesurface
