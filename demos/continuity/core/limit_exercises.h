#pragma once

#include "kit/core/exercise.h"

#include <gmpxx.h>
#include <string_view>
#include <vector>

namespace continuity {

// The practice of the limits program: a 0/0 limit mended by cancelling a common factor, a
// limit at infinity of a quotient of polynomials, a one-sided limit at a jump, the kind of
// discontinuity at a point, and the largest δ for a given ε on a line.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise cancellationExercise(kit::Seed seed);
kit::Exercise infinityExercise(kit::Seed seed);
kit::Exercise oneSidedExercise(kit::Seed seed);
kit::Exercise discontinuityExercise(kit::Seed seed);
kit::Exercise epsilonDeltaExercise(kit::Seed seed);

// Checks a typed limit: a number (fraction or decimal) or "infinity", "+infinity", "-infinity"
// ("oo", "inf" and "∞" also read).
enum class LimitAnswer { Number, PlusInfinity, MinusInfinity };
kit::Verdict checkLimitAnswer(std::string_view typed, LimitAnswer kind, const mpq_class& value);

} // namespace continuity
