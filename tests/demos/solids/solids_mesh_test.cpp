// The five solids as their meshes come out of the computation: the counts are counted on the
// mesh, every face is a regular polygon congruent to the others, every corner has the same
// number of faces, Euler's formula holds, and the dual swaps corners and faces.
#include "solids/core/corner_angles.h"
#include "solids/core/mesh.h"
#include "solids/core/platonic.h"
#include "solids/core/solid_facts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

using namespace solids;

namespace {

constexpr double tolerance = 1e-9;

struct Known {
    Solid solid;
    Counts counts;
};
// Counted by hand on models: the tetrahedron's 4 corners, 6 edges, 4 faces and so on.
const std::vector<Known> known{{Solid::Tetrahedron, {4, 6, 4}},
                               {Solid::Cube, {8, 12, 6}},
                               {Solid::Octahedron, {6, 12, 8}},
                               {Solid::Dodecahedron, {20, 30, 12}},
                               {Solid::Icosahedron, {12, 30, 20}}};

Point3 corner(const Mesh& mesh, int i) {
    return mesh.vertices[static_cast<std::size_t>(i)];
}

double distance(Point3 a, Point3 b) {
    return length(a - b);
}

// The same number of sides on every face; 0 when they differ.
int sidesOfEveryFace(const Mesh& mesh) {
    std::set<std::size_t> sides;
    for (const auto& face : mesh.faces)
        sides.insert(face.size());
    return sides.size() == 1 ? static_cast<int>(*sides.begin()) : 0;
}

int facesAtEveryCorner(const Mesh& mesh) {
    const auto counts = facesAtCorners(mesh);
    const std::set<int> distinct(counts.begin(), counts.end());
    return distinct.size() == 1 ? *distinct.begin() : 0;
}

// Checks every face of the mesh: planar, its sides all `side` long, its angles all those of a
// regular polygon, and its normal pointing away from the centre.
void expectRegularCongruentFaces(const Mesh& mesh, double side) {
    for (int f = 0; f < static_cast<int>(mesh.faces.size()); ++f) {
        const auto& face = mesh.faces[static_cast<std::size_t>(f)];
        SCOPED_TRACE("face " + std::to_string(f));
        const std::size_t n = face.size();
        const double regularAngle =
            std::numbers::pi * static_cast<double>(n - 2) / static_cast<double>(n);
        const Point3 normal = faceNormal(mesh, f);
        const Point3 centre = faceCentre(mesh, f);
        EXPECT_GT(dot(normal, centre), 0.1) << "the face looks outwards";
        for (std::size_t i = 0; i < n; ++i) {
            const Point3 a = corner(mesh, face[(i + n - 1) % n]);
            const Point3 b = corner(mesh, face[i]);
            const Point3 c = corner(mesh, face[(i + 1) % n]);
            EXPECT_NEAR(distance(b, c), side, tolerance);
            EXPECT_NEAR(dot(b - centre, normal), 0.0, tolerance) << "corner off the face's plane";
            const double angle = std::acos(dot(unit(a - b), unit(c - b)));
            EXPECT_NEAR(angle, regularAngle, tolerance);
            // Counter-clockwise seen from outside: each turn of the boundary is to the left.
            EXPECT_GT(dot(cross(b - a, c - b), normal), 0.0);
        }
    }
}

} // namespace

TEST(SolidMeshes, CountsComeFromTheMeshAndMatchTheModelsAndTheSymbol) {
    for (const Known& k : known) {
        SCOPED_TRACE(nameOf(k.solid));
        const Mesh mesh = meshOf(k.solid);
        const Counts counted = countsOf(mesh);
        EXPECT_EQ(counted, k.counts);
        EXPECT_EQ(counted.eulerCharacteristic(), 2);
        // The symbol counted on the mesh, and the counts it predicts by pF = 2E, qV = 2E.
        const Schlafli counted_symbol{sidesOfEveryFace(mesh), facesAtEveryCorner(mesh)};
        EXPECT_EQ(counted_symbol, schlafliOf(k.solid));
        EXPECT_EQ(countsFrom(counted_symbol), counted);
        EXPECT_EQ(counted_symbol.p * counted.faces, 2 * counted.edges);
        EXPECT_EQ(counted_symbol.q * counted.vertices, 2 * counted.edges);
    }
}

TEST(SolidMeshes, EveryFaceIsRegularAndCongruentAndEveryCornerAlike) {
    for (Solid solid : allSolids) {
        SCOPED_TRACE(nameOf(solid));
        const Mesh mesh = meshOf(solid);
        const auto edges = edgesOf(mesh);
        ASSERT_FALSE(edges.empty());
        const double side = distance(corner(mesh, edges[0].a), corner(mesh, edges[0].b));
        for (const Edge& e : edges)
            EXPECT_NEAR(distance(corner(mesh, e.a), corner(mesh, e.b)), side, tolerance);
        expectRegularCongruentFaces(mesh, side);
        for (const Point3& p : mesh.vertices)
            EXPECT_NEAR(length(p), 1.0, tolerance) << "corners on one sphere";
        EXPECT_NE(facesAtEveryCorner(mesh), 0) << "some corner has a different number of faces";
        // Every edge lies on exactly two faces: the surface is closed.
        std::map<std::pair<int, int>, int> uses;
        for (const auto& face : mesh.faces)
            for (std::size_t i = 0; i < face.size(); ++i)
                ++uses[{std::min(face[i], face[(i + 1) % face.size()]),
                        std::max(face[i], face[(i + 1) % face.size()])}];
        for (const auto& [edge, count] : uses)
            EXPECT_EQ(count, 2);
    }
}

TEST(SolidMeshes, TheDualSwapsCornersAndFacesAndIsTheNamedSolid) {
    for (Solid solid : allSolids) {
        SCOPED_TRACE(nameOf(solid));
        const Mesh mesh = meshOf(solid);
        const Mesh dual = dualOf(mesh);
        const Counts c = countsOf(mesh), d = countsOf(dual);
        EXPECT_EQ(d.vertices, c.faces);
        EXPECT_EQ(d.edges, c.edges);
        EXPECT_EQ(d.faces, c.vertices);
        const Schlafli s = schlafliOf(solid);
        EXPECT_EQ((Schlafli{sidesOfEveryFace(dual), facesAtEveryCorner(dual)}),
                  (Schlafli{s.q, s.p}));
        EXPECT_EQ(schlafliOf(dualOf(solid)), (Schlafli{s.q, s.p}));
        EXPECT_EQ(dualOf(dualOf(solid)), solid);
        // The dual is itself regular; its corners lie inside the solid, on its faces.
        const auto edges = edgesOf(dual);
        expectRegularCongruentFaces(dual,
                                    distance(corner(dual, edges[0].a), corner(dual, edges[0].b)));
        for (const Point3& p : dual.vertices)
            EXPECT_LT(length(p), 1.0);
    }
}

TEST(SolidMeshes, TheHullOfACubeWithAnInsidePointAndRepeatedCornersIsStillTheCube) {
    std::vector<Point3> points = cornersOf(Solid::Cube);
    points.push_back({0.2, -0.1, 0.3}); // inside: on no face
    points.push_back({1, 1, 1});        // a corner twice
    const Mesh hull = convexHull(points);
    EXPECT_EQ(hull.faces.size(), 6u);
    for (const auto& face : hull.faces) {
        EXPECT_GE(face.size(), 4u);
        for (int i : face)
            EXPECT_NE(i, 8) << "the inside point is no corner";
    }
    EXPECT_TRUE(convexHull({}).faces.empty());
    EXPECT_TRUE(convexHull({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}).faces.empty()) << "points on a line";
}

TEST(CornerAngles, OnlyFiveSymbolsCloseAndTheirCountsAreWholeNumbers) {
    int closing = 0;
    for (int p = 3; p <= 12; ++p)
        for (int q = 3; q <= 12; ++q) {
            const Schlafli s{p, q};
            // q angles of a regular p-gon against a full turn, exactly.
            const bool below360 = polygonAngle(p) * q < 360;
            EXPECT_EQ(closesIntoSolid(s), below360) << p << ", " << q;
            EXPECT_EQ(solidWith(s).has_value(), below360);
            EXPECT_EQ(countsFrom(s).has_value(), below360);
            closing += below360 ? 1 : 0;
        }
    EXPECT_EQ(closing, 5);
    EXPECT_EQ(polygonAngle(5), 108);
    EXPECT_EQ(polygonAngle(7), mpq_class(900, 7));
    EXPECT_EQ(angleDefect({3, 3, 3, 3, 3}), 60);
    EXPECT_EQ(angleDefect({6, 6, 6}), 0) << "hexagons lie flat";
    EXPECT_EQ(angleDefect({4, 4, 4, 4}), 0);
    EXPECT_LT(angleDefect({5, 5, 5, 5}), 0);
    EXPECT_FALSE(closesIntoSolid({2, 3}));
    EXPECT_FALSE(closesIntoSolid({3, 2}));
    // Descartes: the defects of all corners add up to 720 degrees on each solid.
    for (Solid solid : allSolids) {
        const Schlafli s = schlafliOf(solid);
        const mpq_class defect = angleDefect(std::vector<int>(static_cast<std::size_t>(s.q), s.p));
        EXPECT_EQ(defect * countsFrom(s)->vertices, 720) << nameOf(solid);
    }
}

TEST(CornerAngles, TheTableOfWhyFiveNamesFiveSolidsThreeTilingsAndMarksTheTypedSymbol) {
    const std::string table = whyFiveHtml(Schlafli{4, 4});
    const auto count = [&](const std::string& word) {
        std::size_t n = 0;
        for (auto at = table.find(word); at != std::string::npos; at = table.find(word, at + 1))
            ++n;
        return n;
    };
    for (Solid solid : allSolids)
        EXPECT_EQ(count("<b>" + nameOf(solid) + "</b>"), 1u) << nameOf(solid);
    EXPECT_EQ(count("<br>flat</td>"), 3u) << "{3, 6}, {4, 4} and {6, 3} tile the plane";
    EXPECT_EQ(count("#ffd27f"), 1u) << "one marked cell";
    EXPECT_EQ(count("#ffd27f'>360&deg;<br>flat"), 1u) << "the marked cell is {4, 4}";
    // The facts of a solid come from its mesh: the dodecahedron's defect 36 degrees, 20 times.
    const std::string facts = factsHtml(Solid::Dodecahedron);
    EXPECT_NE(facts.find("20 corners &middot; 36&deg; = 720&deg;"), std::string::npos) << facts;
    EXPECT_NE(facts.find("the icosahedron {3, 5}: V = 12, E = 30, F = 20"), std::string::npos);
}
