#pragma once

#include "arrows/core/exact_vector.h"
#include "kit/core/exercise.h"

#include <functional>
#include <string_view>
#include <vector>

namespace arrows {

// A typed vector compared component by component with the expected one.
std::function<kit::Verdict(std::string_view)> expectVector(ExactVector expected);
// A typed length compared exactly with √square; an unsimplified root is refused with a reason.
std::function<kit::Verdict(std::string_view)> expectLength(mpq_class square);

// In the plane: s·a + t·b, the length as a surd, the dot product, the angle, the projection.
kit::ExerciseKind linearCombinationKind();
kit::ExerciseKind lengthKind();
kit::ExerciseKind dotProductKind();
kit::ExerciseKind angleKind();
kit::ExerciseKind projectionKind();
// In space: the cross product.
kit::ExerciseKind crossProductKind();

std::vector<kit::ExerciseKind> vectorExerciseKinds();

} // namespace arrows
