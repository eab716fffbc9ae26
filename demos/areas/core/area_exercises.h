#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace areas {

// The practice of the integrals program.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise riemannSumExercise(kit::Seed seed);       // a left/right/midpoint/trapezoid sum
kit::Exercise definiteIntegralExercise(kit::Seed seed); // ∫ of a polynomial, F(b) − F(a)
kit::Exercise fundamentalTheoremExercise(kit::Seed seed); // A′(k) for A(x) = ∫ₐˣ or ∫ₐ^{x²}
kit::Exercise areaBetweenExercise(kit::Seed seed);        // parabola and line, or parabola and axis
kit::Exercise substitutionExercise(kit::Seed seed);       // ∫₀ᶜ (2x + p)(x² + px)ⁿ dx

} // namespace areas
