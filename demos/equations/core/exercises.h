#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace equations {

// The practice of the equations program: roots by the rational root theorem, factorising over
// the rationals, the quadratic formula, polynomial inequalities and rational inequalities,
// each generated from a seed with its worked solution.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise rationalRootsExercise(kit::Seed seed);
kit::Exercise factorExercise(kit::Seed seed);
kit::Exercise quadraticFormulaExercise(kit::Seed seed);
kit::Exercise polynomialInequalityExercise(kit::Seed seed);
kit::Exercise rationalInequalityExercise(kit::Seed seed);

} // namespace equations
