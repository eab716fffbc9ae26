#pragma once

#include "kit/core/exercise.h"

#include <vector>

namespace solids {

// The practice exercises of the solids program, each generated from a seed with its worked
// solution: V, E or F from the Schläfli symbol, Euler's formula with one count missing, which
// solid has a given corner (or none), the angle defect at a corner and the number of corners
// it gives, and the counts of a dual.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise countsFromSymbolExercise(kit::Seed seed);
kit::Exercise eulerMissingExercise(kit::Seed seed);
kit::Exercise cornerSolidExercise(kit::Seed seed);
kit::Exercise angleDefectExercise(kit::Seed seed);
kit::Exercise dualCountsExercise(kit::Seed seed);

// A convex polyhedron of the exercises with its counts (prisms, pyramids, the five regular
// solids, some Archimedean solids...).
struct NamedCounts {
    std::string name;
    int vertices, edges, faces;
};
std::vector<NamedCounts> exerciseSolids();

} // namespace solids
