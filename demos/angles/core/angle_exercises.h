#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace angles {

// The practice of the trigonometry program.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise exactValueExercise(kit::Seed seed);    // sin 150° = 1/2, exactly
kit::Exercise radianExercise(kit::Seed seed);        // 135° = 3π/4 and back
kit::Exercise rightTriangleExercise(kit::Seed seed); // a missing side by Pythagoras
kit::Exercise lawOfCosinesExercise(kit::Seed seed); // c² = a² + b² − 2ab cos C, C = 60°, 120°
kit::Exercise ambiguousCaseExercise(kit::Seed seed); // how many triangles from SSA
kit::Exercise periodExercise(kit::Seed seed);        // the period of A sin(bx + c)
kit::Exercise identityExercise(kit::Seed seed);      // cos θ from sin θ and the quadrant
kit::Exercise lawOfSinesExercise(kit::Seed seed);    // b = a·sin B / sin A at special angles

} // namespace angles
