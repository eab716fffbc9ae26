#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace counting {

// The practice of the natural-numbers demonstration, in the order the chooser shows them:
// "base-to-decimal", "decimal-to-base", "divisibility", "sum-of-first-numbers",
// "peano-addition".
std::vector<kit::ExerciseKind> countingExerciseKinds();

kit::Exercise baseToDecimalExercise(kit::Seed seed);
kit::Exercise decimalToBaseExercise(kit::Seed seed);
kit::Exercise divisibilityExercise(kit::Seed seed);
kit::Exercise sumOfFirstNumbersExercise(kit::Seed seed);
kit::Exercise peanoAdditionExercise(kit::Seed seed);

} // namespace counting
