#pragma once

#include "gridpoints/core/coordinates.h"

#include "kit/core/exercise.h"

#include <vector>

namespace gridpoints {

// A point with whole coordinates from -range to range.
ExactPoint randomPoint(kit::Random& random, long range);
// "<b>A</b>(3, -1)"
std::string namedPoint(const char* name, const ExactPoint& p);

// The distance between two points, exactly (a simplified root).
kit::ExerciseKind distanceKind();
// The slope of the line through two points (or "undefined").
kit::ExerciseKind slopeKind();
// The line through two points in slope-intercept form.
kit::ExerciseKind lineThroughKind();
// The line through a point parallel or perpendicular to a given line.
kit::ExerciseKind parallelPerpendicularKind();
// The area of a triangle or quadrilateral from its vertices by the shoelace formula.
kit::ExerciseKind shoelaceKind();

std::vector<kit::ExerciseKind> gridExerciseKinds();

} // namespace gridpoints
