// Each construction replayed for many positions of its given points; what it promises is
// checked on the placed figure to 1e-9, by measures computed here from the coordinates.
#include "construction_files.h"

#include "constructionkit/core/figure.h"
#include "kit/core/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace constructions;

namespace {

constexpr double exact = 1e-9;

struct Placed {
    const Construction& c;
    Figure f;
    Vec2 operator[](const std::string& name) const {
        const auto p = f.point(c, name);
        if (!p)
            throw std::runtime_error("no point " + name);
        return *p;
    }
};

// Angle at v in degrees from the dot product (a second formula beside the atan2 of the core).
double angleAt(Vec2 p, Vec2 v, Vec2 q) {
    const Vec2 a = p - v;
    const Vec2 b = q - v;
    return std::acos(std::clamp(dot(a, b) / (length(a) * length(b)), -1.0, 1.0)) * 180.0 /
           3.14159265358979323846;
}

// Given points at random places (apart from each other by at least 1) with a check per figure.
void forManyPositions(const std::string& name, int count,
                      const std::function<bool(const std::vector<Vec2>&)>& acceptable,
                      const std::function<void(const Placed&)>& check) {
    const Construction c = shippedConstruction(name);
    kit::Random random(2026);
    int checked = 0;
    for (int attempt = 0; checked < count && attempt < 20 * count; ++attempt) {
        std::vector<Vec2> givens;
        for (std::size_t i = 0; i < c.givenPoints().size(); ++i)
            givens.push_back({static_cast<double>(random.between(-8000, 8000)) / 1000.0,
                              static_cast<double>(random.between(-8000, 8000)) / 1000.0});
        bool apart = true;
        for (std::size_t i = 0; i < givens.size(); ++i)
            for (std::size_t j = i + 1; j < givens.size(); ++j)
                apart = apart && distance(givens[i], givens[j]) >= 1.0;
        if (!apart || !acceptable(givens))
            continue;
        Placed placed{c, placeFigure(c, givens)};
        SCOPED_TRACE("attempt " + std::to_string(attempt));
        ASSERT_TRUE(placed.f.problem.empty()) << placed.f.problem;
        check(placed);
        ++checked;
    }
    EXPECT_EQ(checked, count);
}

bool anyPosition(const std::vector<Vec2>&) {
    return true;
}

} // namespace

TEST(ConstructionResults, TheAngleBisectorMakesTwoEqualHalfAngles) {
    // The given angle between 5 and 175 degrees: at 0 or 180 the arms are one line.
    const auto properAngle = [](const std::vector<Vec2>& g) {
        const double a = angleAt(g[1], g[0], g[2]);
        return a > 5.0 && a < 175.0;
    };
    forManyPositions("linesketch", 300, properAngle, [](const Placed& p) {
        const double whole = angleAt(p["P"], p["A"], p["Q"]);
        EXPECT_NEAR(angleAt(p["P"], p["A"], p["F"]), angleAt(p["F"], p["A"], p["Q"]), exact);
        EXPECT_NEAR(2.0 * angleAt(p["P"], p["A"], p["F"]), whole, exact);
        EXPECT_NEAR(distance(p["A"], p["E"]), distance(p["A"], p["P"]), exact);
        EXPECT_NEAR(angleAt(p["A"], p["F"], p["P"]), 30.0, exact);
        // E is on the arm AQ, not on its extension beyond A.
        EXPECT_GT(dot(p["E"] - p["A"], p["Q"] - p["A"]), 0.0);
    });
}

TEST(ConstructionResults, ThePerpendicularBisectorIsPerpendicularAndThroughTheMidpoint) {
    forManyPositions("rightangle", 300, anyPosition, [](const Placed& p) {
        const Vec2 a = p["A"], b = p["B"], m = p["M"];
        EXPECT_NEAR(m.x, (a.x + b.x) / 2.0, exact);
        EXPECT_NEAR(m.y, (a.y + b.y) / 2.0, exact);
        const Vec2 along = b - a;
        const Vec2 across = p["D"] - p["C"];
        EXPECT_NEAR(dot(along, across) / (length(along) * length(across)), 0.0, exact);
        EXPECT_NEAR(distance(p["C"], a), distance(p["C"], b), exact);
        // C and D are on opposite sides of AB.
        EXPECT_LT(cross(along, p["C"] - a) * cross(along, p["D"] - a), 0.0);
    });
}

TEST(ConstructionResults, TheTriangleHasThreeEqualSidesOnTheLeftOfAB) {
    forManyPositions("threesides", 300, anyPosition, [](const Placed& p) {
        const double ab = distance(p["A"], p["B"]);
        EXPECT_NEAR(distance(p["B"], p["C"]), ab, exact * ab);
        EXPECT_NEAR(distance(p["C"], p["A"]), ab, exact * ab);
        EXPECT_NEAR(angleAt(p["A"], p["C"], p["B"]), 60.0, exact);
        EXPECT_GT(cross(p["B"] - p["A"], p["C"] - p["A"]), 0.0);
    });
}

namespace {

void checkRegularPolygon(const Placed& p, const std::vector<std::string>& corners,
                         double interiorAngle) {
    const std::size_t n = corners.size();
    const double side = distance(p[corners[0]], p[corners[1]]);
    const double radius = distance(p["O"], p["A"]);
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 previous = p[corners[(i + n - 1) % n]];
        const Vec2 here = p[corners[i]];
        const Vec2 next = p[corners[(i + 1) % n]];
        EXPECT_NEAR(distance(here, next), side, exact * side) << corners[i];
        EXPECT_NEAR(angleAt(previous, here, next), interiorAngle, exact) << corners[i];
        EXPECT_NEAR(distance(p["O"], here), radius, exact * radius) << corners[i];
    }
    // The corners go round once: the signed angles at O add up to one full turn.
    double turn = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 u = p[corners[i]] - p["O"];
        const Vec2 v = p[corners[(i + 1) % n]] - p["O"];
        turn += std::atan2(cross(u, v), dot(u, v));
    }
    EXPECT_NEAR(std::abs(turn), 2.0 * 3.14159265358979323846, exact);
}

} // namespace

TEST(ConstructionResults, ThePentagonHasEqualSidesAndAnglesOf108) {
    forManyPositions("manysides", 300, anyPosition, [](const Placed& p) {
        checkRegularPolygon(p, {"A", "C", "D", "D'", "C'"}, 108.0);
        // The side against its known length r·sqrt((5 - sqrt 5)/2).
        const double r = distance(p["O"], p["A"]);
        EXPECT_NEAR(distance(p["A"], p["C"]), r * std::sqrt((5.0 - std::sqrt(5.0)) / 2.0),
                    exact * r);
    });
}

TEST(ConstructionResults, TheHexagonHasEqualSidesAndAnglesOf120) {
    forManyPositions("sixsides", 300, anyPosition, [](const Placed& p) {
        checkRegularPolygon(p, {"A", "B", "C", "D", "E", "F"}, 120.0);
        EXPECT_NEAR(distance(p["A"], p["B"]), distance(p["O"], p["A"]),
                    exact * distance(p["O"], p["A"]));
    });
}

TEST(ConstructionResults, DegenerateGivenPointsAreSaidNotDrawn) {
    const Construction c = shippedConstruction("threesides");
    const Figure f = placeFigure(c, {{1, 1}, {1, 1}});
    EXPECT_FALSE(f.problem.empty());
    EXPECT_FALSE(f.point(c, "C").has_value());
    const Construction bisector = shippedConstruction("linesketch");
    // A straight angle's arms in one line the other way round: P and E coincide? No, E is
    // opposite P; but a zero angle puts E on P and the two circles of radius PE vanish.
    const Figure zero = placeFigure(bisector, {{0, 0}, {4, 0}, {8, 0}});
    EXPECT_FALSE(zero.problem.empty());
    EXPECT_NE(zero.problem.find("move the given points"), std::string::npos);
}

TEST(PlaneGeometry, CrossingsLieOnBothFigures) {
    kit::Random random(7);
    for (int i = 0; i < 500; ++i) {
        auto coordinate = [&] { return static_cast<double>(random.between(-5000, 5000)) / 500.0; };
        const Circle c{{coordinate(), coordinate()}, 1.0 + std::abs(coordinate())};
        const Circle d{{coordinate(), coordinate()}, 1.0 + std::abs(coordinate())};
        const Line l{{coordinate(), coordinate()}, {coordinate(), coordinate()}};
        for (const Vec2& p : intersect(c, d)) {
            EXPECT_NEAR(distance(p, c.centre), c.radius, 1e-8);
            EXPECT_NEAR(distance(p, d.centre), d.radius, 1e-8);
        }
        const double gap = distance(c.centre, d.centre);
        const bool shouldMeet =
            gap < c.radius + d.radius - 1e-6 && gap > std::abs(c.radius - d.radius) + 1e-6;
        if (shouldMeet) {
            EXPECT_EQ(intersect(c, d).size(), 2u);
        }
        if (distance(l.a, l.b) < 1e-3)
            continue;
        for (const Vec2& p : intersect(l, c)) {
            EXPECT_NEAR(distance(p, c.centre), c.radius, 1e-8);
            EXPECT_TRUE(pointOnLine(p, l, 10.0));
        }
    }
    EXPECT_TRUE(intersect(Line{{0, 0}, {1, 1}}, Line{{0, 1}, {1, 2}}).empty());
    EXPECT_TRUE(intersect(Circle{{0, 0}, 1}, Circle{{0, 0}, 2}).empty());
    EXPECT_TRUE(intersect(Circle{{0, 0}, 1}, Circle{{5, 0}, 1}).empty());
    ASSERT_EQ(intersect(Circle{{0, 0}, 1}, Circle{{2, 0}, 1}).size(), 1u); // touching
}
