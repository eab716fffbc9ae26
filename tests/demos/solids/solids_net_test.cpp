// The nets: every face of the solid once, unfolded without stretching (each flat face congruent
// to its face in space), hung on its parent by a shared edge, and no two faces overlapping.
#include "solids/core/net.h"
#include "solids/core/platonic.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace solids;

namespace {

double distance(Point2 a, Point2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

std::size_t positionIn(const std::vector<int>& face, int corner) {
    return static_cast<std::size_t>(std::find(face.begin(), face.end(), corner) - face.begin());
}

double signedArea(const std::vector<Point2>& polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point2 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        twice += a.x * b.y - a.y * b.x;
    }
    return twice / 2;
}

} // namespace

TEST(SolidNets, EachNetHoldsEveryFaceUnstretchedOnATreeOfFoldsWithoutOverlaps) {
    for (Solid solid : allSolids) {
        SCOPED_TRACE(nameOf(solid));
        const Mesh mesh = meshOf(solid);
        const Net net = unfold(mesh);
        ASSERT_EQ(net.faces.size(), mesh.faces.size());
        EXPECT_FALSE(hasOverlaps(net));
        int roots = 0;
        for (std::size_t f = 0; f < net.faces.size(); ++f) {
            const auto& flat = net.faces[f];
            const auto& face = mesh.faces[f];
            ASSERT_EQ(flat.size(), face.size());
            EXPECT_GT(signedArea(flat), 0) << "not turned over";
            // Every distance between two corners of the face is kept, so the face is congruent.
            for (std::size_t i = 0; i < face.size(); ++i)
                for (std::size_t j = i + 1; j < face.size(); ++j)
                    EXPECT_NEAR(distance(flat[i], flat[j]),
                                length(mesh.vertices[static_cast<std::size_t>(face[i])] -
                                       mesh.vertices[static_cast<std::size_t>(face[j])]),
                                1e-9);
            if (net.parent[f] < 0) {
                ++roots;
                continue;
            }
            // The fold edge lies on both faces and at the same place in the plane.
            const auto& parentFace = mesh.faces[static_cast<std::size_t>(net.parent[f])];
            const auto& parentFlat = net.faces[static_cast<std::size_t>(net.parent[f])];
            const Edge fold = net.foldEdge[f];
            for (int c : {fold.a, fold.b}) {
                ASSERT_LT(positionIn(face, c), face.size());
                ASSERT_LT(positionIn(parentFace, c), parentFace.size());
                EXPECT_NEAR(
                    distance(flat[positionIn(face, c)], parentFlat[positionIn(parentFace, c)]), 0.0,
                    1e-9);
            }
        }
        EXPECT_EQ(roots, 1);
        // Following parents from any face reaches the root: the folds form one tree.
        for (std::size_t f = 0; f < net.faces.size(); ++f) {
            int at = static_cast<int>(f), steps = 0;
            while (net.parent[static_cast<std::size_t>(at)] >= 0 && steps <= 20) {
                at = net.parent[static_cast<std::size_t>(at)];
                ++steps;
            }
            EXPECT_LE(steps, 20);
        }
    }
}

TEST(SolidNets, TheOverlapTestSeesFacesLaidOnEachOtherButNotFacesSharingAnEdge) {
    Net net;
    net.faces = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{1, 0}, {2, 0}, {2, 1}, {1, 1}}};
    net.parent = {-1, 0};
    net.foldEdge = {{-1, -1}, {0, 1}};
    EXPECT_FALSE(hasOverlaps(net)) << "squares side by side";
    net.faces.push_back({{0.5, 0.5}, {1.5, 0.5}, {1.5, 1.5}, {0.5, 1.5}});
    net.parent.push_back(0);
    net.foldEdge.push_back({0, 1});
    EXPECT_TRUE(hasOverlaps(net)) << "a square over both";
    // The cube unfolded around one corner's three faces and onwards in a strip: the tree with
    // every face hung on the one before may fold back over itself; unfold never returns such.
    const Mesh cube = meshOf(Solid::Cube);
    EXPECT_FALSE(hasOverlaps(unfold(cube)));
}
