#pragma once

#include <cmath>

namespace solids {

// A point (or a direction) in space.
struct Point3 {
    double x = 0, y = 0, z = 0;
};

inline Point3 operator+(Point3 a, Point3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point3 operator-(Point3 a, Point3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Point3 operator*(double k, Point3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
inline double dot(Point3 a, Point3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Point3 cross(Point3 a, Point3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Point3 a) {
    return std::sqrt(dot(a, a));
}
inline Point3 unit(Point3 a) {
    return (1.0 / length(a)) * a;
}

// A point in the plane of a net.
struct Point2 {
    double x = 0, y = 0;
};

} // namespace solids
