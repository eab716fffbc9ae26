#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace progressions {

// The practice exercises: the n-th term of an arithmetic sequence, the sum of its first n
// terms, the sum of the first n terms of a geometric sequence, the sum of an infinite
// geometric series, and whether a p-series or alternating series converges.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise arithmeticTermExercise(kit::Seed seed);
kit::Exercise arithmeticSumExercise(kit::Seed seed);
kit::Exercise geometricSumExercise(kit::Seed seed);
kit::Exercise infiniteGeometricExercise(kit::Seed seed);
kit::Exercise convergenceExercise(kit::Seed seed);

} // namespace progressions
