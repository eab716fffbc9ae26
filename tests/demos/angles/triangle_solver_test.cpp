// Triangles built from coordinates (sides by distance, angles by the dot product) are given
// to every case of the solver; each solution is checked by substitution into the laws of
// sines and cosines and against the triangle it came from.
#include "angles/core/triangle_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace angles;

namespace {

struct Corner {
    double x, y;
};

double distance(Corner p, Corner q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// The angle at p between the rays to q and r, in degrees, from the dot product.
double angleAt(Corner p, Corner q, Corner r) {
    const double ux = q.x - p.x, uy = q.y - p.y, vx = r.x - p.x, vy = r.y - p.y;
    return std::acos((ux * vx + uy * vy) / (std::hypot(ux, uy) * std::hypot(vx, vy))) * 180 /
           std::numbers::pi;
}

Triangle fromCorners(Corner A, Corner B, Corner C) {
    return {distance(B, C),   distance(A, C),   distance(A, B),
            angleAt(A, B, C), angleAt(B, A, C), angleAt(C, A, B)};
}

double sinDeg(double d) {
    return std::sin(d * std::numbers::pi / 180);
}
double cosDeg(double d) {
    return std::cos(d * std::numbers::pi / 180);
}

void expectLawsHold(const Triangle& t) {
    EXPECT_NEAR(t.A + t.B + t.C, 180, 1e-9);
    const double ratio = t.a / sinDeg(t.A);
    EXPECT_NEAR(t.b / sinDeg(t.B), ratio, 1e-8 * ratio);
    EXPECT_NEAR(t.c / sinDeg(t.C), ratio, 1e-8 * ratio);
    EXPECT_NEAR(t.a * t.a, t.b * t.b + t.c * t.c - 2 * t.b * t.c * cosDeg(t.A), 1e-8 * t.a * t.a);
    EXPECT_NEAR(t.c * t.c, t.a * t.a + t.b * t.b - 2 * t.a * t.b * cosDeg(t.C), 1e-8 * t.c * t.c);
}

void expectSame(const Triangle& found, const Triangle& truth) {
    for (auto [x, y] : {std::pair{found.a, truth.a},
                        {found.b, truth.b},
                        {found.c, truth.c},
                        {found.A, truth.A},
                        {found.B, truth.B},
                        {found.C, truth.C}})
        EXPECT_NEAR(x, y, 1e-7 * (1 + std::abs(y)));
}

} // namespace

TEST(TriangleSolver, EveryCaseRecoversTrianglesBuiltFromCoordinates) {
    std::mt19937 engine(12);
    std::uniform_real_distribution<double> coordinate(-10, 10);
    int tested = 0;
    while (tested < 300) {
        const Corner A{coordinate(engine), coordinate(engine)},
            B{coordinate(engine), coordinate(engine)}, C{coordinate(engine), coordinate(engine)};
        const Triangle t = fromCorners(A, B, C);
        if (std::min({t.A, t.B, t.C}) < 3) // nearly flat: the angles are ill-conditioned
            continue;
        ++tested;
        SCOPED_TRACE(tested);
        const std::pair<TriangleCase, std::vector<double>> givens[] = {
            {TriangleCase::SSS, {t.a, t.b, t.c}},
            {TriangleCase::SAS, {t.b, t.A, t.c}},
            {TriangleCase::ASA, {t.B, t.a, t.C}},
            {TriangleCase::AAS, {t.A, t.B, t.a}},
        };
        for (const auto& [which, given] : givens) {
            const TriangleSolution s = solveTriangle(which, given);
            ASSERT_TRUE(s.error.empty()) << s.error;
            ASSERT_EQ(s.triangles.size(), 1u);
            expectSame(s.triangles[0], t);
            expectLawsHold(s.triangles[0]);
            EXPECT_FALSE(s.steps.empty());
        }
        // SSA: the triangle itself is always among the solutions.
        const TriangleSolution ssa = solveTriangle(TriangleCase::SSA, {t.a, t.b, t.A});
        ASSERT_TRUE(ssa.error.empty()) << ssa.error;
        bool found = false;
        for (const Triangle& candidate : ssa.triangles) {
            expectLawsHold(candidate);
            found = found || std::abs(candidate.c - t.c) < 1e-6 * (1 + t.c);
        }
        EXPECT_TRUE(found);
        EXPECT_EQ(ssa.triangles.size(), t.a < t.b && t.A < 90 ? 2u : 1u);
    }
}

TEST(TriangleSolver, TheAmbiguousCaseCountsMatchTheHeightOfTheSwingingSide) {
    // b = 10, A = 30°: the height from C is b·sin A = 5.
    EXPECT_EQ(solveTriangle(TriangleCase::SSA, {4, 10, 30}).triangles.size(), 0u);
    EXPECT_NE(solveTriangle(TriangleCase::SSA, {4, 10, 30}).error.find("too short"),
              std::string::npos);
    const auto touching = solveTriangle(TriangleCase::SSA, {5, 10, 30});
    ASSERT_EQ(touching.triangles.size(), 1u);
    EXPECT_NEAR(touching.triangles[0].B, 90, 1e-6);
    const auto two = solveTriangle(TriangleCase::SSA, {7, 10, 30});
    ASSERT_EQ(two.triangles.size(), 2u);
    EXPECT_NEAR(two.triangles[0].B + two.triangles[1].B, 180, 1e-9);
    for (const Triangle& t : two.triangles)
        expectLawsHold(t);
    EXPECT_EQ(solveTriangle(TriangleCase::SSA, {12, 10, 30}).triangles.size(), 1u);
    // An obtuse A leaves room only when a is the longest side.
    EXPECT_EQ(solveTriangle(TriangleCase::SSA, {8, 10, 120}).triangles.size(), 0u);
    EXPECT_EQ(solveTriangle(TriangleCase::SSA, {12, 10, 120}).triangles.size(), 1u);
}

TEST(TriangleSolver, RightTrianglesFollowPythagorasAndTheRatios) {
    const auto legs = solveTriangle(TriangleCase::RightLegs, {3, 4});
    ASSERT_EQ(legs.triangles.size(), 1u);
    EXPECT_NEAR(legs.triangles[0].c, 5, 1e-12);
    EXPECT_NEAR(legs.triangles[0].C, 90, 1e-9);
    expectLawsHold(legs.triangles[0]);
    const auto angle = solveTriangle(TriangleCase::RightHypotenuseAngle, {10, 30});
    ASSERT_EQ(angle.triangles.size(), 1u);
    EXPECT_NEAR(angle.triangles[0].a, 5, 1e-12);
    EXPECT_NEAR(angle.triangles[0].b, 5 * std::sqrt(3.0), 1e-12);
    expectLawsHold(angle.triangles[0]);
    EXPECT_NEAR(triangleArea(legs.triangles[0]), 6, 1e-12);
}

TEST(TriangleSolver, ImpossibleGivensGetTheReason) {
    EXPECT_NE(solveTriangle(TriangleCase::SSS, {2, 3, 7}).error.find("triangle inequality"),
              std::string::npos);
    EXPECT_NE(solveTriangle(TriangleCase::SSS, {1, 2, 3}).error.find("triangle inequality"),
              std::string::npos);
    EXPECT_NE(solveTriangle(TriangleCase::AAS, {100, 90, 3}).error.find("nothing"),
              std::string::npos);
    EXPECT_NE(solveTriangle(TriangleCase::ASA, {100, 3, 90}).error.find("nothing"),
              std::string::npos);
    EXPECT_NE(solveTriangle(TriangleCase::SAS, {3, 180, 4}).error.find("less than 180"),
              std::string::npos);
    EXPECT_NE(solveTriangle(TriangleCase::SSS, {-1, 3, 3}).error.find("positive"),
              std::string::npos);
    EXPECT_FALSE(solveTriangle(TriangleCase::SSS, {NAN, 3, 3}).error.empty());
    EXPECT_FALSE(solveTriangle(TriangleCase::SSS, {INFINITY, 3, 3}).error.empty());
    EXPECT_FALSE(solveTriangle(TriangleCase::SSS, {3, 3}).error.empty());
    EXPECT_FALSE(solveTriangle(TriangleCase::RightHypotenuseAngle, {5, 90}).error.empty());
}
