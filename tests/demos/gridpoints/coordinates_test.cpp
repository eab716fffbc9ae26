// Distances, lines, areas, dividing points and circles against independent computations:
// floating point, the defining properties (the points lie on the line, the ratio of the
// distances), and equations written out and read back.
#include "gridpoints/core/coordinates.h"
#include "gridpoints/core/equation_input.h"

#include "kit/core/random.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gridpoints;

namespace {

// Coordinates in halves and thirds from -10 to 10.
ExactPoint randomPoint(kit::Random& random) {
    const long den = random.chance(0.3) ? random.between(2, 3) : 1;
    ExactPoint p{mpq_class(random.between(-10 * den, 10 * den), den),
                 mpq_class(random.between(-10 * den, 10 * den), den)};
    p.x.canonicalize();
    p.y.canonicalize();
    return p;
}

double value(const mpq_class& q) {
    return q.get_d();
}

} // namespace

TEST(Coordinates, DistancesAgreeWithFloatingPointAndAreSimplified) {
    kit::Random random(1);
    for (int trial = 0; trial < 500; ++trial) {
        const ExactPoint p = randomPoint(random), q = randomPoint(random);
        const kit::Surd d = distance(p, q);
        EXPECT_NEAR(d.approximate(), std::hypot(value(q.x - p.x), value(q.y - p.y)), 1e-9);
        EXPECT_EQ(d.square(), distanceSquared(p, q));
        // Square-free under the root: no k² with k > 1 divides it.
        for (long k = 2; k * k <= 400 && mpz_class(k * k) <= d.radicand; ++k)
            EXPECT_NE(d.radicand % (k * k), 0) << d.radicand;
    }
    EXPECT_EQ(distanceText({1, 2}, {4, 6}), "5");
    EXPECT_EQ(distanceText({-3, -2}, {3, 2}), "2\u221a13");
    EXPECT_EQ(distanceText({0, 0}, {mpq_class(1, 2), mpq_class(1, 2)}), "\u221a2/2");
}

TEST(Coordinates, LinesHoldTheirPointsAndTheirFormsReadBack) {
    kit::Random random(2);
    for (int trial = 0; trial < 400; ++trial) {
        const ExactPoint p = randomPoint(random), q = randomPoint(random), r = randomPoint(random);
        if (p == q)
            continue;
        const Line line = lineThrough(p, q);
        EXPECT_TRUE(contains(line, p));
        EXPECT_TRUE(contains(line, q));
        EXPECT_EQ(line.slope(), slope(p, q));
        EXPECT_EQ(gcd(gcd(line.a, line.b), line.c), 1);
        for (const std::string& text :
             {slopeInterceptText(line), pointSlopeText(line, p), generalText(line)}) {
            const auto typed = parseEquation(text);
            ASSERT_TRUE(typed.ok()) << text << ": " << typed.error().message;
            EXPECT_TRUE(sameEquation(typed.value().difference(), lineQuadratic(line))) << text;
        }
        const Line parallel = parallelThrough(line, r),
                   perpendicular = perpendicularThrough(line, r);
        EXPECT_TRUE(contains(parallel, r));
        EXPECT_TRUE(contains(perpendicular, r));
        EXPECT_EQ(parallel.a * line.b - parallel.b * line.a, 0);
        EXPECT_EQ(perpendicular.a * line.a + perpendicular.b * line.b, 0);
        if (line.slope() && perpendicular.slope() && *line.slope() != 0) {
            EXPECT_EQ(*line.slope() * *perpendicular.slope(), -1);
        }
        const auto foot = intersection(line, perpendicular);
        ASSERT_TRUE(foot.has_value());
        EXPECT_TRUE(contains(line, *foot));
        EXPECT_TRUE(contains(perpendicular, *foot));
        EXPECT_FALSE(intersection(line, parallel).has_value());
    }
    EXPECT_EQ(slopeInterceptText(lineThrough({1, 3}, {3, 7})), "y = 2x + 1");
    EXPECT_EQ(generalText(lineThrough({1, 3}, {3, 7})), "2x - y + 1 = 0");
    EXPECT_EQ(pointSlopeText(lineThrough({1, 3}, {3, 7}), {1, 3}), "y - 3 = 2(x - 1)");
    EXPECT_EQ(slopeInterceptText(lineThrough({2, -1}, {2, 5})), "x = 2");
    EXPECT_EQ(slopeInterceptText(lineThrough({0, 1}, {2, 2})), "y = (1/2)x + 1");
    EXPECT_EQ(slopeInterceptText(lineThrough({0, 4}, {7, 4})), "y = 4");
}

TEST(Coordinates, TheShoelaceAreaAgreesWithHalfTheCrossProduct) {
    kit::Random random(3);
    for (int trial = 0; trial < 300; ++trial) {
        const ExactPoint a = randomPoint(random), b = randomPoint(random), c = randomPoint(random);
        const mpq_class cross = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        EXPECT_EQ(polygonArea({a, b, c}), abs(cross) / 2);
        EXPECT_EQ(shoelaceSum({a, b, c}), cross);
    }
    // A rectangle 4 by 3 with corners anticlockwise and clockwise, and a concave L shape.
    EXPECT_EQ(shoelaceSum({{0, 0}, {4, 0}, {4, 3}, {0, 3}}), 24);
    EXPECT_EQ(shoelaceSum({{0, 3}, {4, 3}, {4, 0}, {0, 0}}), -24);
    EXPECT_EQ(polygonArea({{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 3}, {0, 3}}), 6);
    EXPECT_EQ(polygonArea({{1, 1}, {5, 2}, {4, 6}, {0, 4}}), mpq_class(31, 2));
    EXPECT_FALSE(sidesCross({{1, 1}, {5, 2}, {4, 6}, {0, 4}}));
    EXPECT_TRUE(sidesCross({{0, 0}, {4, 4}, {4, 0}, {0, 4}})); // a bow tie
    EXPECT_EQ(shoelaceSum({{0, 0}, {4, 4}, {4, 0}, {0, 4}}), 0);
    EXPECT_FALSE(sidesCross({{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 3}, {0, 3}}));
    EXPECT_TRUE(sidesCross({{0, 0}, {4, 0}, {2, 0}, {2, 3}})); // a side doubling back
}

TEST(Coordinates, DividingPointsLieOnTheSegmentInTheirRatio) {
    kit::Random random(4);
    for (int trial = 0; trial < 300; ++trial) {
        const ExactPoint a = randomPoint(random), b = randomPoint(random), c = randomPoint(random);
        const mpq_class m(random.between(1, 6)), n(random.between(1, 6));
        const ExactPoint p = sectionPoint(a, b, m, n);
        EXPECT_EQ(shoelaceSum({a, p, b}), 0);
        EXPECT_EQ(distanceSquared(a, p) * n * n, distanceSquared(p, b) * m * m);
        EXPECT_EQ(midpoint(a, b), sectionPoint(a, b, 1, 1));
        EXPECT_EQ(distanceSquared(a, midpoint(a, b)), distanceSquared(midpoint(a, b), b));
        // The centroid divides every median 2 : 1 from its corner.
        const ExactPoint g = centroid(a, b, c);
        EXPECT_EQ(g, sectionPoint(a, midpoint(b, c), 2, 1));
        EXPECT_EQ(g, sectionPoint(b, midpoint(c, a), 2, 1));
        EXPECT_EQ(g, sectionPoint(c, midpoint(a, b), 2, 1));
    }
}

TEST(Coordinates, CirclesPassThroughTheirPointAndReadBack) {
    kit::Random random(5);
    for (int trial = 0; trial < 300; ++trial) {
        const ExactPoint centre = randomPoint(random), on = randomPoint(random);
        const mpq_class r2 = distanceSquared(centre, on);
        const Quadratic q = circleQuadratic(centre, r2);
        // (x, y) = on makes the equation true; (x, y) = centre does not unless r = 0.
        const auto at = [&](const ExactPoint& p) -> mpq_class {
            return q.c[0] + q.c[1] * p.x + q.c[2] * p.y + q.c[3] * p.x * p.x + q.c[4] * p.x * p.y +
                   q.c[5] * p.y * p.y;
        };
        EXPECT_EQ(at(on), 0);
        EXPECT_EQ(at(centre), -r2);
        for (const std::string& text : {circleText(centre, r2), expandedCircleText(centre, r2)}) {
            const auto typed = parseEquation(text);
            ASSERT_TRUE(typed.ok()) << text << ": " << typed.error().message;
            EXPECT_TRUE(sameEquation(typed.value().difference(), q)) << text;
        }
    }
    EXPECT_EQ(circleText({2, -1}, 25), "(x - 2)\u00b2 + (y + 1)\u00b2 = 25");
    EXPECT_EQ(expandedCircleText({2, -1}, 25), "x\u00b2 + y\u00b2 - 4x + 2y - 20 = 0");
}

TEST(Coordinates, TypedPointsAreReadWithAReason) {
    EXPECT_EQ(parsePoint("(3, -1/2)").value(), (ExactPoint{3, mpq_class(-1, 2)}));
    EXPECT_EQ(parsePoint("3, -0.5").value(), (ExactPoint{3, mpq_class(-1, 2)}));
    EXPECT_EQ(parsePoint(" 3 4 ").value(), (ExactPoint{3, 4}));
    EXPECT_EQ(parsePoint("(1; 2)").value(), (ExactPoint{1, 2}));
    EXPECT_EQ(parsePoint("(1, 2").error().message, "the bracket after the point is not closed");
    EXPECT_EQ(parsePoint("1, 2, 3").error().message, "a point has two coordinates, got more");
    EXPECT_EQ(parsePoint("7").error().message, "expected two coordinates like (3, -1)");
    EXPECT_EQ(parsePoint("(x, 2)").error().message.substr(0, 3), "x: ");
    EXPECT_FALSE(parsePoint("(1, 2/0)").ok());
    EXPECT_FALSE(parsePoint("").ok());
    EXPECT_FALSE(parsePoint(std::string(300, '1')).ok());
}
