// The exact vector arithmetic, roots and measures against independent computations: brute
// force over small integer vectors, results checked by their defining properties.
#include "arrows/core/exact_vector.h"
#include "arrows/core/vector_measures.h"
#include "kit/core/surd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace arrows;

namespace {

std::vector<ExactVector> smallPlaneVectors() {
    std::vector<ExactVector> all;
    for (int x = -3; x <= 3; ++x)
        for (int y = -3; y <= 3; ++y)
            all.push_back({mpq_class(x), mpq_class(y)});
    return all;
}

// True when no square of an integer above 1 divides n.
bool squareFree(const mpz_class& n) {
    for (mpz_class k = 2; k * k <= n; ++k)
        if (n % (k * k) == 0)
            return false;
    return true;
}

} // namespace

TEST(VectorArithmetic, CombinationsAgreeWithComponentwiseIntegerArithmetic) {
    const std::vector<int> scalars{-2, -1, 0, 1, 3};
    for (const ExactVector& a : smallPlaneVectors())
        for (const ExactVector& b : smallPlaneVectors())
            for (int s : scalars) {
                const ExactVector c = combine(s, a, 2, b);
                const long ax = a[0].get_num().get_si(), ay = a[1].get_num().get_si();
                const long bx = b[0].get_num().get_si(), by = b[1].get_num().get_si();
                ASSERT_EQ(c[0], s * ax + 2 * bx);
                ASSERT_EQ(c[1], s * ay + 2 * by);
                ASSERT_EQ(dot(a, b), ax * bx + ay * by);
                ASSERT_EQ(subtract(add(a, b), b), a);
            }
}

TEST(VectorArithmetic, ProjectionIsParallelToBAndLeavesAPerpendicularRest) {
    for (const ExactVector& a : smallPlaneVectors())
        for (const ExactVector& b : smallPlaneVectors()) {
            if (isZero(b)) {
                EXPECT_THROW(projection(a, b), std::invalid_argument);
                continue;
            }
            const ExactVector p = projection(a, b);
            ASSERT_EQ(determinant(p, b), 0) << vectorText(a) << " onto " << vectorText(b);
            ASSERT_EQ(dot(subtract(a, p), b), 0) << vectorText(a) << " onto " << vectorText(b);
        }
}

TEST(VectorArithmetic, CrossProductByExpansionPerpendicularityAndLagrange) {
    for (int i = 0; i < 2000; ++i) {
        const ExactVector a{mpq_class(i % 7 - 3), mpq_class(i / 7 % 5 - 2), mpq_class(i % 3 - 1)};
        const ExactVector b{mpq_class(i % 5 - 2), mpq_class(i / 11 % 7 - 3),
                            mpq_class(i / 3 % 4 - 1)};
        const ExactVector c = cross(a, b);
        // The cofactor expansion of the determinant with rows (e1 e2 e3), a, b.
        const mpq_class x = a[1] * b[2] - b[1] * a[2];
        const mpq_class y = -(a[0] * b[2] - b[0] * a[2]);
        const mpq_class z = a[0] * b[1] - b[0] * a[1];
        ASSERT_EQ(c, (ExactVector{x, y, z}));
        ASSERT_EQ(dot(a, c), 0);
        ASSERT_EQ(dot(b, c), 0);
        ASSERT_EQ(lengthSquared(c), lengthSquared(a) * lengthSquared(b) - dot(a, b) * dot(a, b));
        ASSERT_EQ(cross(b, a), scale(-1, c));
    }
    EXPECT_THROW(cross({1, 2}, {3, 4}), std::invalid_argument);
    EXPECT_THROW(add({1, 2}, {1, 2, 3}), std::invalid_argument);
}

TEST(ExactRoots, EveryRootSquaresBackWithASquareFreeRadicand) {
    for (int p = 0; p <= 600; ++p)
        for (int q : {1, 2, 3, 4, 8, 9, 12}) {
            mpq_class value(p, q);
            value.canonicalize();
            kit::WorkBudget budget(100000);
            const auto root = kit::exactSquareRoot(value, budget);
            ASSERT_TRUE(root);
            ASSERT_EQ(root->square(), value) << p << "/" << q;
            ASSERT_TRUE(squareFree(root->radicand)) << p << "/" << q;
            ASSERT_GE(root->coefficient, 0);
            ASSERT_NEAR(root->approximate(), std::sqrt(value.get_d()), 1e-9);
        }
    kit::WorkBudget budget(10);
    EXPECT_FALSE(kit::exactSquareRoot(mpq_class("1000000000000000000000000000057"), budget));
    kit::WorkBudget enough(100);
    EXPECT_FALSE(kit::exactSquareRoot(-1, enough));
}

TEST(ExactRoots, RootsAreWrittenSimplifiedAndReadBack) {
    kit::WorkBudget budget(100000);
    const auto text = [&](const mpq_class& v) {
        return kit::surdText(*kit::exactSquareRoot(v, budget));
    };
    EXPECT_EQ(text(25), "5");
    EXPECT_EQ(text(12), "2\u221a3");
    EXPECT_EQ(text(mpq_class(3, 4)), "\u221a3/2");
    EXPECT_EQ(text(mpq_class(45, 4)), "3\u221a5/2");
    EXPECT_EQ(text(mpq_class(1, 2)), "\u221a2/2");
    EXPECT_EQ(text(0), "0");
    for (const char* typed : {"2\u221a3", "2sqrt(3)", "2*sqrt3", "2 \u221a 3", "sqrt(12)/1"}) {
        const auto parsed = kit::parseSurd(typed);
        ASSERT_TRUE(parsed.ok()) << typed << ": " << parsed.error().message;
        const kit::TypedSurd& s = parsed.value();
        EXPECT_EQ(s.coefficient * s.coefficient * s.typedRadicand, 12) << typed;
    }
    const auto half = kit::parseSurd("3sqrt(5)/2");
    ASSERT_TRUE(half.ok());
    EXPECT_EQ(half.value().coefficient, mpq_class(3, 2));
    EXPECT_EQ(half.value().typedRadicand, 5);
    EXPECT_EQ(kit::parseSurd("-\u221a2").value().coefficient, -1);
    for (const char* bad : {"", "sqrt", "\u221a(3", "2\u221a3\u221a3", "\u221a-4", "\u221a3/0",
                            "x\u221a3", "\u221a3 + 1", "\u221a1.5"}) {
        const auto parsed = kit::parseSurd(bad);
        EXPECT_FALSE(parsed.ok()) << bad;
        if (!parsed.ok()) {
            EXPECT_FALSE(parsed.error().message.empty()) << bad;
        }
    }
}

TEST(VectorInput, ComponentsAreReadExactlyWithClearMessages) {
    const ExactVector expected{3, mpq_class(-1, 2)};
    for (const char* typed : {"(3, -1/2)", "3, -1/2", "<3; -0.5>", "3 -1/2", "[ 3 , -1/2 ]"}) {
        const auto parsed = parseVector(typed, 2);
        ASSERT_TRUE(parsed.ok()) << typed << ": " << parsed.error().message;
        EXPECT_EQ(parsed.value(), expected) << typed;
    }
    EXPECT_EQ(parseVector("(1, 2, 3)", 2).error().message, "expected 2 components, got 3");
    EXPECT_EQ(parseVector("(1, , 3)", 3).error().message, "component 2 is missing");
    EXPECT_EQ(parseVector("(1, 2]", 2).error().message,
              "the brackets around the components do not match");
    EXPECT_NE(parseVector("(1, x)", 2).error().message.find("component 2"), std::string::npos);
    EXPECT_FALSE(parseVector(std::string(300, '1'), 2).ok());
    EXPECT_FALSE(parseVector("  ", 2).ok());
    EXPECT_EQ(vectorText({mpq_class(6, 4), -2}), "(3/2, -2)");
}

TEST(VectorMeasures, ExactAnglesAgreeWithTheArcCosine) {
    int exactCount = 0;
    for (const ExactVector& a : smallPlaneVectors())
        for (const ExactVector& b : smallPlaneVectors()) {
            if (isZero(a) || isZero(b)) {
                EXPECT_FALSE(exactAngleDegrees(a, b));
                continue;
            }
            const double cosine =
                dot(a, b).get_d() / std::sqrt(lengthSquared(a).get_d() * lengthSquared(b).get_d());
            const double degrees =
                std::acos(std::clamp(cosine, -1.0, 1.0)) * 180.0 / std::numbers::pi;
            if (const auto exact = exactAngleDegrees(a, b)) {
                ++exactCount;
                ASSERT_NEAR(*exact, degrees, 1e-6) << vectorText(a) << vectorText(b);
            } else {
                for (int special : {0, 30, 45, 60, 90, 120, 135, 150, 180})
                    ASSERT_GT(std::abs(degrees - special), 1e-6) << vectorText(a) << vectorText(b);
            }
        }
    EXPECT_GT(exactCount, 0);
    EXPECT_EQ(angleText({1, 0, 0}, {1, 1, 0}), "45\u00b0");
    EXPECT_EQ(angleText({1, 1, 0}, {0, 1, 1}), "60\u00b0");
    EXPECT_EQ(angleText({1, 2}, {2, 1}), "\u2248 36.87\u00b0");
}

TEST(VectorMeasures, LengthsUnitVectorsAndSpan) {
    EXPECT_EQ(lengthText({3, 4}), "5");
    EXPECT_EQ(lengthText({2, -2, 2}), "2\u221a3");
    EXPECT_EQ(lengthText({mpq_class(1, 2), mpq_class(1, 2)}), "\u221a2/2");
    EXPECT_EQ(unitVectorText({3, 4}), "(3/5, 4/5)");
    EXPECT_EQ(unitVectorText({1, -1}), "(\u221a2/2, -\u221a2/2)");
    EXPECT_EQ(unitVectorText({3, 1}), "(3\u221a10/10, \u221a10/10)");
    EXPECT_NE(unitVectorText({0, 0}).find("none"), std::string::npos);
    EXPECT_EQ(planeSpan({1, 2}, {3, 1}), PlaneSpan::Plane);
    EXPECT_EQ(planeSpan({2, -1}, {-4, 2}), PlaneSpan::Line);
    EXPECT_EQ(planeSpan({0, 0}, {-4, 2}), PlaneSpan::Line);
    EXPECT_EQ(planeSpan({0, 0}, {0, 0}), PlaneSpan::Origin);
    // Span of the whole plane: every point is reached, by Cramer's rule, exactly.
    const ExactVector a{1, 2}, b{3, 1};
    for (const ExactVector& target : smallPlaneVectors()) {
        const mpq_class d = determinant(a, b);
        const mpq_class s = determinant(target, b) / d, t = determinant(a, target) / d;
        ASSERT_EQ(combine(s, a, t, b), target);
    }
}
