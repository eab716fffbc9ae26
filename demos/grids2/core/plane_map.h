#pragma once

#include "matrixkit/core/matrix.h"

#include <string>

namespace grids2 {

// A 2 × 2 matrix as a map of the plane, (x, y) ↦ A(x, y): its columns are the images of
// (1, 0) and (0, 1), and det A is the signed area of the image of the unit square.
// The text (HTML) says what the map does; throws std::invalid_argument unless A is 2 × 2.
std::string planeMapHtml(const matrixkit::Matrix& a);

// A name for the familiar maps ("a shear along the x axis", "the rotation by 90°"), or "".
std::string familiarMapName(const matrixkit::Matrix& a);

} // namespace grids2
