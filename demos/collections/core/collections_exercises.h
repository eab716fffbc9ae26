#pragma once

#include "collections/core/roster.h"
#include "kit/core/answer_checks.h"
#include "kit/core/exercise.h"

#include <vector>

namespace collections {

// The practice of the sets demonstration, in the order the chooser shows them:
// "set-expression", "de-morgan", "inclusion-exclusion", "power-set", "cartesian-product".
std::vector<kit::ExerciseKind> collectionsExerciseKinds();

kit::Exercise setExpressionExercise(kit::Seed seed);
kit::Exercise deMorganExercise(kit::Seed seed);
kit::Exercise inclusionExclusionExercise(kit::Seed seed);
kit::Exercise powerSetExercise(kit::Seed seed);
kit::Exercise cartesianProductExercise(kit::Seed seed);

// A typed roster compared with the expected set: what is missing or too much is counted, not
// named, so the learner still finds it.
kit::AnswerCheck expectRoster(Elements expected);

} // namespace collections
