#pragma once

#include "kit/core/answer_checks.h"
#include "kit/core/exercise.h"

#include <vector>

namespace grids2 {

// The practice of systems and maps: solve a system (one, none or infinitely many solutions),
// the rank of a matrix, one unknown by Cramer's rule, and the eigenvalues of a 2 × 2 matrix.
kit::ExerciseKind systemKind();
kit::ExerciseKind rankKind();
kit::ExerciseKind cramerKind();
kit::ExerciseKind eigenvalueKind();
std::vector<kit::ExerciseKind> systemExerciseKinds();

// A solution typed as "(1, -2, 3)", or "none", or "infinitely many".
kit::AnswerCheck expectSolution(int unknowns, int kind, std::vector<mpq_class> unique);

} // namespace grids2
