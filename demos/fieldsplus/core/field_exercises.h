#pragma once

#include "kit/core/answer_checks.h"
#include "kit/core/exercise.h"

#include <vector>

namespace fieldsplus {

// The practice exercises of the fields program: inverses modulo p by Euclid, ax + b = c in
// Z_p, whether Z_n is a field (or a zero divisor that shows it is not), the characteristic, and
// arithmetic in the field of four elements.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise inverseExercise(kit::Seed seed);
kit::Exercise linearEquationExercise(kit::Seed seed);
kit::Exercise fieldOrNotExercise(kit::Seed seed);
kit::Exercise characteristicExercise(kit::Seed seed);
kit::Exercise fieldOfFourExercise(kit::Seed seed);

// "field" when n is prime, otherwise any zero divisor of Z_n.
kit::AnswerCheck expectFieldOrZeroDivisor(int n);
// An element of the field of four elements, typed as 0, 1, a or a+1.
kit::AnswerCheck expectFieldOfFourElement(int expected);

} // namespace fieldsplus
