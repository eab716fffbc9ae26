#pragma once

#include <optional>
#include <vector>

namespace constructions {

// A point or a direction of the plane, in world units.
struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

Vec2 operator+(Vec2 a, Vec2 b);
Vec2 operator-(Vec2 a, Vec2 b);
Vec2 operator*(double s, Vec2 a);
double dot(Vec2 a, Vec2 b);
double cross(Vec2 a, Vec2 b);
double length(Vec2 a);
double distance(Vec2 a, Vec2 b);

// The straight edge's line through two different points.
struct Line {
    Vec2 a;
    Vec2 b;
};

// The compass's circle.
struct Circle {
    Vec2 centre;
    double radius = 0.0;
};

// Where two figures cross: none, one (a tangent or two lines) or two points. Parallel or equal
// lines and concentric circles have none.
std::vector<Vec2> intersect(const Line& l, const Line& m);
std::vector<Vec2> intersect(const Line& l, const Circle& c);
std::vector<Vec2> intersect(const Circle& c, const Circle& d);

// The angle PVQ at the vertex V in degrees, 0 to 180; nothing when P or Q is at V.
std::optional<double> angleDegrees(Vec2 p, Vec2 vertex, Vec2 q);

// Sameness up to the rounding of a few operations on coordinates of size `scale`.
bool nearlyEqual(double a, double b, double scale = 1.0);
bool samePoint(Vec2 a, Vec2 b, double scale = 1.0);
bool sameLine(const Line& l, const Line& m, double scale = 1.0);
bool sameCircle(const Circle& c, const Circle& d, double scale = 1.0);
bool pointOnLine(Vec2 p, const Line& l, double scale = 1.0);

} // namespace constructions
