#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace signednumbers2 {

// The practice of the advanced-integers demonstration: "division-algorithm", "least-residue",
// "modular-arithmetic", "parity", "order-multiply", "absolute-equation", "absolute-inequality".
std::vector<kit::ExerciseKind> advancedExerciseKinds();

kit::Exercise divisionAlgorithmExercise(kit::Seed seed);
kit::Exercise leastResidueExercise(kit::Seed seed);
kit::Exercise modularArithmeticExercise(kit::Seed seed);
kit::Exercise parityExercise(kit::Seed seed);
kit::Exercise orderMultiplyExercise(kit::Seed seed);
kit::Exercise absoluteEquationExercise(kit::Seed seed);
kit::Exercise absoluteInequalityExercise(kit::Seed seed);

} // namespace signednumbers2
