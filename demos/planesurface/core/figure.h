#pragma once

#include <string>
#include <vector>

namespace planesurface {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// A measure drawn on the figure: a side, a height or a radius with its label.
struct Mark {
    enum class Style { Side, Height, Radius };
    Point from;
    Point to;
    std::string label;
    Style style = Style::Side;
};

// The little square of a right angle at corner, between the unit directions u and v.
struct RightAngle {
    Point corner;
    Point u;
    Point v;
};

// A shape drawn to scale: closed outlines (an annulus has two: the region between them is the
// shape), the measures and the right angles.
struct Figure {
    std::vector<std::vector<Point>> outlines;
    std::vector<Mark> marks;
    std::vector<RightAngle> rightAngles;
};

// The area enclosed by a closed polygon (shoelace formula), positive when anticlockwise.
double signedArea(const std::vector<Point>& polygon);
// The length of the closed polygon's boundary.
double boundaryLength(const std::vector<Point>& polygon);

} // namespace planesurface
