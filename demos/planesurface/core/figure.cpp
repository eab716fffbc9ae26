#include "planesurface/core/figure.h"

#include <cmath>

namespace planesurface {

double signedArea(const std::vector<Point>& polygon) {
    double twice = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point& p = polygon[i];
        const Point& q = polygon[(i + 1) % polygon.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2.0;
}

double boundaryLength(const std::vector<Point>& polygon) {
    double length = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point& p = polygon[i];
        const Point& q = polygon[(i + 1) % polygon.size()];
        length += std::hypot(q.x - p.x, q.y - p.y);
    }
    return length;
}

} // namespace planesurface
