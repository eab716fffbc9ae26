#pragma once

#include "kit/core/exercise.h"

#include <string_view>
#include <vector>

namespace graphs {

// The practice of the graphs program: slope and equation of the line through two points,
// composition, the inverse, the domain in interval notation and a transformed graph's formula.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise slopeExercise(kit::Seed seed);
kit::Exercise lineEquationExercise(kit::Seed seed);
kit::Exercise compositionExercise(kit::Seed seed);
kit::Exercise inverseExercise(kit::Seed seed);
kit::Exercise domainExercise(kit::Seed seed);
kit::Exercise transformationExercise(kit::Seed seed);

// Checks "y = 2x - 1", "2x - 1" or "x = 3" against the line.
struct Line;
kit::Verdict checkLineEquation(std::string_view typed, const Line& line);

} // namespace graphs
