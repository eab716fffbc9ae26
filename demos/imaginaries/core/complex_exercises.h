#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace imaginaries {

// Rectangular form: the four operations, conjugate and modulus.
kit::ExerciseKind complexArithmeticKind();
kit::ExerciseKind modulusKind();

// Polar form: the principal argument, powers by De Moivre's theorem, the n-th roots.
kit::ExerciseKind argumentKind();
kit::ExerciseKind deMoivreKind();
kit::ExerciseKind rootsKind();

// Quadratic equations with a negative discriminant.
kit::ExerciseKind complexQuadraticKind();

std::vector<kit::ExerciseKind> complexExerciseKinds();

} // namespace imaginaries
