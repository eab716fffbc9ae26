#pragma once

#include "gridpoints/core/coordinates.h"

#include <string>
#include <vector>

namespace gridpoints {

// What the coordinate plane shows and works out.
enum class PlaneMode {
    Distance,              // A, B: the distance with its right triangle
    Line,                  // A, B: slope and the three forms of the line AB
    ParallelPerpendicular, // A, B, C: the lines through C parallel and perpendicular to AB
    PolygonArea,           // A, B, C (, D, E): the shoelace formula
    Midpoint,              // A, B
    Section,               // A, B and the ratio m : n
    Centroid,              // A, B, C
    Circle                 // centre A, B on the circle
};

std::string modeTitle(PlaneMode mode);
// How many of the points A, B, C, D, E the mode uses (corners: of the polygon).
std::size_t pointsUsed(PlaneMode mode, std::size_t corners);

// The worked computation for the points, line by line ("AB = √(3² + 4²) = √25 = 5"). The
// points come in the order A, B, C, ...; m and n are the ratio of the Section mode (> 0).
// A case without an answer (A = B for a line) is explained in its line.
std::vector<std::string> readout(PlaneMode mode, const std::vector<ExactPoint>& points,
                                 const mpq_class& m, const mpq_class& n);

} // namespace gridpoints
