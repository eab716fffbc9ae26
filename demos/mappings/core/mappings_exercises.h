#pragma once

#include "kit/core/exercise.h"
#include "mappings/core/relation.h"

#include <string_view>
#include <vector>

namespace mappings {

// The exercises of the relations and operations program: the properties a relation has, its
// transitive closure, an equivalence class, a composition of functions and an inverse in a
// group table.
std::vector<kit::ExerciseKind> mappingsExerciseKinds();

kit::ExerciseKind relationPropertiesKind();
kit::ExerciseKind transitiveClosureKind();
kit::ExerciseKind equivalenceClassKind();
kit::ExerciseKind compositionKind();
kit::ExerciseKind groupInverseKind();

// Checks typed pairs against a relation, naming a missing or an extra pair.
kit::Verdict checkPairs(const Relation& expected, std::string_view typed);
// Checks a typed set of property letters (R, S, A, T; "none" for none) against the true ones.
kit::Verdict checkPropertyLetters(const std::string& expectedLetters, std::string_view typed);

} // namespace mappings
