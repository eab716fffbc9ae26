#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace addmult {

// The practice exercises of the rings program: arithmetic in Z_n, its units, zero divisors
// and idempotents, and a product of 2 x 2 matrices over Z_2.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise arithmeticExercise(kit::Seed seed);
kit::Exercise unitsExercise(kit::Seed seed);
kit::Exercise zeroDivisorsExercise(kit::Seed seed);
kit::Exercise idempotentsExercise(kit::Seed seed);
kit::Exercise matrixProductExercise(kit::Seed seed);

} // namespace addmult
