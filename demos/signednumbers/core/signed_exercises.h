#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace signednumbers {

// The practice of the integers demonstration: "add-subtract", "multiply-divide",
// "absolute-value", "order", "order-of-operations".
std::vector<kit::ExerciseKind> signedExerciseKinds();

kit::Exercise addSubtractExercise(kit::Seed seed);
kit::Exercise multiplyDivideExercise(kit::Seed seed);
kit::Exercise absoluteValueExercise(kit::Seed seed);
kit::Exercise orderExercise(kit::Seed seed);
kit::Exercise orderOfOperationsExercise(kit::Seed seed);

} // namespace signednumbers
