#include "constructionkit/core/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace constructions {
namespace {

// Relative tolerance of the sameness tests: far above the rounding of the few operations a
// construction chains, far below anything a learner can draw.
constexpr double tolerance = 1e-9;

} // namespace

Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
Vec2 operator*(double s, Vec2 a) {
    return {s * a.x, s * a.y};
}
double dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
double cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
double length(Vec2 a) {
    return std::hypot(a.x, a.y);
}
double distance(Vec2 a, Vec2 b) {
    return length(a - b);
}

std::vector<Vec2> intersect(const Line& l, const Line& m) {
    const Vec2 u = l.b - l.a;
    const Vec2 v = m.b - m.a;
    const double denominator = cross(u, v);
    if (std::abs(denominator) <= tolerance * length(u) * length(v))
        return {};
    const double t = cross(m.a - l.a, v) / denominator;
    return {l.a + t * u};
}

std::vector<Vec2> intersect(const Line& l, const Circle& c) {
    const Vec2 u = l.b - l.a;
    const double len = length(u);
    if (len == 0.0)
        return {};
    const Vec2 dir = (1.0 / len) * u;
    const Vec2 foot = l.a + dot(c.centre - l.a, dir) * dir;
    const double off = distance(foot, c.centre);
    const double scale = std::max(1.0, c.radius);
    if (off > c.radius + tolerance * scale)
        return {};
    const double half = std::sqrt(std::max(0.0, c.radius * c.radius - off * off));
    if (half <= tolerance * scale)
        return {foot};
    return {foot - half * dir, foot + half * dir};
}

std::vector<Vec2> intersect(const Circle& c, const Circle& d) {
    const Vec2 between = d.centre - c.centre;
    const double gap = length(between);
    const double scale = std::max({1.0, c.radius, d.radius});
    if (gap <= tolerance * scale)
        return {};
    if (gap > c.radius + d.radius + tolerance * scale ||
        gap < std::abs(c.radius - d.radius) - tolerance * scale)
        return {};
    const double along = (gap * gap + c.radius * c.radius - d.radius * d.radius) / (2.0 * gap);
    const double half = std::sqrt(std::max(0.0, c.radius * c.radius - along * along));
    const Vec2 dir = (1.0 / gap) * between;
    const Vec2 base = c.centre + along * dir;
    if (half <= tolerance * scale)
        return {base};
    const Vec2 normal{-dir.y, dir.x};
    return {base + half * normal, base - half * normal};
}

std::optional<double> angleDegrees(Vec2 p, Vec2 vertex, Vec2 q) {
    const Vec2 u = p - vertex;
    const Vec2 v = q - vertex;
    if (length(u) == 0.0 || length(v) == 0.0)
        return std::nullopt;
    return std::atan2(std::abs(cross(u, v)), dot(u, v)) * 180.0 / std::numbers::pi;
}

bool nearlyEqual(double a, double b, double scale) {
    return std::abs(a - b) <= tolerance * std::max({1.0, std::abs(scale)});
}

bool samePoint(Vec2 a, Vec2 b, double scale) {
    return nearlyEqual(a.x, b.x, scale) && nearlyEqual(a.y, b.y, scale);
}

bool pointOnLine(Vec2 p, const Line& l, double scale) {
    const double len = length(l.b - l.a);
    if (len == 0.0)
        return false;
    return nearlyEqual(cross(l.b - l.a, p - l.a) / len, 0.0, scale);
}

bool sameLine(const Line& l, const Line& m, double scale) {
    return pointOnLine(m.a, l, scale) && pointOnLine(m.b, l, scale);
}

bool sameCircle(const Circle& c, const Circle& d, double scale) {
    return samePoint(c.centre, d.centre, scale) && nearlyEqual(c.radius, d.radius, scale);
}

} // namespace constructions
