#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace fractiondrill {

// Writing a fraction in other forms: lowest terms, an equivalent fraction with a given
// denominator, decimals and percentages.
kit::ExerciseKind lowestTermsKind();
kit::ExerciseKind equivalentFractionKind();
kit::ExerciseKind decimalPercentKind();

// The four operations with proper fractions and with mixed numbers.
kit::ExerciseKind fractionArithmeticKind();
kit::ExerciseKind mixedNumberKind();

// Order: comparing two fractions and finding a fraction between two (density).
kit::ExerciseKind compareFractionsKind();
kit::ExerciseKind fractionBetweenKind();

// Every kind of this program, in the order the practice pane offers them.
std::vector<kit::ExerciseKind> fractionExerciseKinds();

} // namespace fractiondrill
