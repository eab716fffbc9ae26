#pragma once

#include "gridpoints/core/coordinates.h"
#include "gridpoints/core/plane_readout.h"

#include <vector>

class QPainter;

namespace kit {
class CanvasTransform;
}

namespace gridpoints {

// What a mode draws under the draggable points: the segment and its right triangle, the line
// across the view, the parallel and the perpendicular, the polygon, the midpoint, the dividing
// point, the medians and the centroid, the circle.
void drawMode(QPainter& painter, const kit::CanvasTransform& t, PlaneMode mode,
              const std::vector<ExactPoint>& points, const mpq_class& m, const mpq_class& n);

} // namespace gridpoints
