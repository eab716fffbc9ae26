#include "solids/core/mesh.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace solids {

namespace {

double largestDistance(const std::vector<Point3>& points) {
    double largest = 0;
    for (const Point3& p : points)
        largest = std::max(largest, length(p));
    return largest;
}

// The corners of one face ordered counter-clockwise seen from outside (along `outward`).
std::vector<int> orderedAround(const std::vector<Point3>& points, std::vector<int> corners,
                               Point3 outward) {
    Point3 centre;
    for (int i : corners)
        centre = centre + points[static_cast<std::size_t>(i)];
    centre = (1.0 / static_cast<double>(corners.size())) * centre;
    const Point3 e1 = unit(points[static_cast<std::size_t>(corners.front())] - centre);
    const Point3 e2 = cross(unit(outward), e1);
    const auto angle = [&](int i) {
        const Point3 d = points[static_cast<std::size_t>(i)] - centre;
        return std::atan2(dot(d, e2), dot(d, e1));
    };
    std::sort(corners.begin(), corners.end(), [&](int a, int b) { return angle(a) < angle(b); });
    return corners;
}

} // namespace

Mesh convexHull(const std::vector<Point3>& points) {
    Mesh mesh{points, {}};
    const double tolerance = 1e-9 * std::max(1.0, largestDistance(points));
    const int n = static_cast<int>(points.size());
    std::set<std::vector<int>> found;
    const auto at = [&](int i) { return points[static_cast<std::size_t>(i)]; };
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                Point3 normal = cross(at(j) - at(i), at(k) - at(i));
                if (length(normal) < tolerance)
                    continue; // three corners on one line span no plane
                normal = unit(normal);
                const double offset = dot(normal, at(i));
                std::vector<int> onPlane;
                bool above = false, below = false;
                for (int m = 0; m < n; ++m) {
                    const double side = dot(normal, at(m)) - offset;
                    if (std::abs(side) <= tolerance)
                        onPlane.push_back(m);
                    else
                        (side > 0 ? above : below) = true;
                }
                if ((above && below) || found.count(onPlane))
                    continue;
                found.insert(onPlane);
                const Point3 outward = above ? -1.0 * normal : normal;
                mesh.faces.push_back(orderedAround(points, onPlane, outward));
            }
    return mesh;
}

std::vector<Edge> edgesOf(const Mesh& mesh) {
    std::set<std::pair<int, int>> pairs;
    for (const auto& face : mesh.faces)
        for (std::size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            pairs.insert({std::min(a, b), std::max(a, b)});
        }
    std::vector<Edge> edges;
    for (const auto& [a, b] : pairs)
        edges.push_back({a, b});
    return edges;
}

Counts countsOf(const Mesh& mesh) {
    return {static_cast<int>(mesh.vertices.size()), static_cast<int>(edgesOf(mesh).size()),
            static_cast<int>(mesh.faces.size())};
}

std::vector<int> facesAtCorners(const Mesh& mesh) {
    std::vector<int> count(mesh.vertices.size(), 0);
    for (const auto& face : mesh.faces)
        for (int corner : face)
            ++count[static_cast<std::size_t>(corner)];
    return count;
}

Point3 faceCentre(const Mesh& mesh, int face) {
    const auto& corners = mesh.faces[static_cast<std::size_t>(face)];
    Point3 sum;
    for (int i : corners)
        sum = sum + mesh.vertices[static_cast<std::size_t>(i)];
    return (1.0 / static_cast<double>(corners.size())) * sum;
}

Point3 faceNormal(const Mesh& mesh, int face) {
    const auto& corners = mesh.faces[static_cast<std::size_t>(face)];
    const auto at = [&](std::size_t i) {
        return mesh.vertices[static_cast<std::size_t>(corners[i])];
    };
    // Newell's sum: robust for any planar polygon, and outward for counter-clockwise order.
    Point3 normal;
    for (std::size_t i = 0; i < corners.size(); ++i)
        normal = normal + cross(at(i), at((i + 1) % corners.size()));
    return unit(normal);
}

Mesh scaledToUnitSphere(Mesh mesh) {
    const double radius = largestDistance(mesh.vertices);
    if (radius > 0)
        for (Point3& p : mesh.vertices)
            p = (1.0 / radius) * p;
    return mesh;
}

Mesh dualOf(const Mesh& mesh) {
    std::vector<Point3> centres;
    for (int f = 0; f < static_cast<int>(mesh.faces.size()); ++f)
        centres.push_back(faceCentre(mesh, f));
    return convexHull(centres);
}

} // namespace solids
