#pragma once

#include "solids/core/space_point.h"

#include <vector>

namespace solids {

// A convex polyhedron as corners and faces; each face lists the indices of its corners in
// order, counter-clockwise as seen from outside.
struct Mesh {
    std::vector<Point3> vertices;
    std::vector<std::vector<int>> faces;
};

// An edge joins corners a < b.
struct Edge {
    int a = 0, b = 0;
    friend bool operator==(const Edge&, const Edge&) = default;
};

// What is counted on a mesh itself, not taken from a table.
struct Counts {
    int vertices = 0, edges = 0, faces = 0;
    int eulerCharacteristic() const { return vertices - edges + faces; }
    friend bool operator==(const Counts&, const Counts&) = default;
};

// The faces of the convex hull of the points (every plane through three of them with all
// the others on one side), each face's corners ordered counter-clockwise from outside.
Mesh convexHull(const std::vector<Point3>& points);

std::vector<Edge> edgesOf(const Mesh& mesh);
Counts countsOf(const Mesh& mesh);
// For each corner, how many faces meet there.
std::vector<int> facesAtCorners(const Mesh& mesh);
Point3 faceCentre(const Mesh& mesh, int face);
// The unit normal of a face, pointing out of the solid.
Point3 faceNormal(const Mesh& mesh, int face);
// The same mesh scaled about the origin so that its corners lie on the unit sphere (the
// corners of the five solids are all equally far from the centre).
Mesh scaledToUnitSphere(Mesh mesh);
// The dual: one corner at the centre of every face, joined across every edge.
Mesh dualOf(const Mesh& mesh);

} // namespace solids
