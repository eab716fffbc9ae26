// The transformation core against computations of its own: images through cos and sin in
// doubles and by the defining geometry (the mirror as perpendicular bisector), distances and
// areas under each kind, and what two transformations make together.
#include "transformkit/core/figure_measures.h"
#include "transformkit/core/quadratic_number.h"
#include "transformkit/core/transformation.h"

#include "kit/core/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace transformkit;

namespace {

ExactPoint randomRationalPoint(kit::Random& random) {
    ExactPoint p{mpq_class(static_cast<long>(random.between(-40, 40)),
                           static_cast<unsigned long>(random.between(1, 4))),
                 mpq_class(static_cast<long>(random.between(-40, 40)),
                           static_cast<unsigned long>(random.between(1, 4)))};
    p.x.canonicalize();
    p.y.canonicalize();
    return p;
}

Line randomLine(kit::Random& random) {
    long a = static_cast<long>(random.between(-5, 5)), b = static_cast<long>(random.between(-5, 5));
    if (a == 0 && b == 0)
        a = 1;
    return {a, b, static_cast<long>(random.between(-9, 9))};
}

std::pair<double, double> turnedByCosSin(const ExactPoint& centre, double degrees,
                                         const ExactPoint& p) {
    const double r = degrees * std::numbers::pi / 180.0;
    const double dx = mpq_class(p.x - centre.x).get_d(), dy = mpq_class(p.y - centre.y).get_d();
    return {centre.x.get_d() + dx * std::cos(r) - dy * std::sin(r),
            centre.y.get_d() + dx * std::sin(r) + dy * std::cos(r)};
}

} // namespace

TEST(Transformations, ReflectionsPutTheMirrorHalfwayAndAtRightAngles) {
    kit::Random random(11);
    for (int i = 0; i < 300; ++i) {
        const Line mirror = randomLine(random);
        const ExactPoint p = randomRationalPoint(random);
        const auto map = Transformation::reflection(mirror).exactMap();
        ASSERT_TRUE(map);
        const ExactPoint q = map->apply(p);
        // The midpoint is on the mirror and the step P -> P' is along the normal (a, b).
        EXPECT_TRUE(onLine(mirror, mpq_class(1, 2) * (p + q)));
        const ExactPoint step = q - p;
        EXPECT_EQ(step.x * mirror.b - step.y * mirror.a, 0);
        EXPECT_EQ(map->apply(q), p) << "a reflection is its own inverse";
        EXPECT_EQ(map->determinant(), -1);
        // The map names its own mirror back.
        EXPECT_EQ(describeMap(*map), "a reflection in " + lineText(mirror));
    }
}

TEST(Transformations, QuarterTurnsAreExactAndAgreeWithCosAndSin) {
    kit::Random random(5);
    for (int i = 0; i < 300; ++i) {
        const ExactPoint c = randomRationalPoint(random), p = randomRationalPoint(random);
        const long degrees = 90 * static_cast<long>(random.between(-8, 8));
        const Transformation t = Transformation::rotation(c, degrees);
        const auto map = t.exactMap();
        ASSERT_TRUE(map) << degrees;
        const ExactPoint q = map->apply(p);
        const auto [x, y] = turnedByCosSin(c, static_cast<double>(degrees), p);
        EXPECT_NEAR(q.x.get_d(), x, 1e-9);
        EXPECT_NEAR(q.y.get_d(), y, 1e-9);
        EXPECT_EQ(distanceSquared(c, q), distanceSquared(c, p));
        EXPECT_TRUE(t.image(p).exact);
    }
    // The textbook rules about the origin.
    const ExactPoint p{3, -5};
    EXPECT_EQ(Transformation::rotation({0, 0}, 90).exactMap()->apply(p), (ExactPoint{5, 3}));
    EXPECT_EQ(Transformation::rotation({0, 0}, 180).exactMap()->apply(p), (ExactPoint{-3, 5}));
    EXPECT_EQ(Transformation::rotation({0, 0}, -90).exactMap()->apply(p), (ExactPoint{-5, -3}));
    EXPECT_EQ(ruleText(*Transformation::rotation({0, 0}, 90).exactMap()),
              "(x, y) \u2192 (\u2212y, x)");
    EXPECT_FALSE(Transformation::rotation({0, 0}, 60).exactMap());
}

TEST(Transformations, TurnsThroughThirtyAndFortyFiveDegreesAreWrittenWithRoots) {
    for (int degrees = -720; degrees <= 720; degrees += 15) {
        const auto cs = specialCosineSine(degrees);
        if (degrees % 30 != 0 && degrees % 45 != 0) {
            EXPECT_FALSE(cs) << degrees;
            continue;
        }
        ASSERT_TRUE(cs) << degrees;
        const double r = degrees * std::numbers::pi / 180.0;
        EXPECT_NEAR(cs->cosine.approximate(), std::cos(r), 1e-12) << degrees;
        EXPECT_NEAR(cs->sine.approximate(), std::sin(r), 1e-12) << degrees;
    }
    EXPECT_EQ(Transformation::rotation({0, 0}, 60).image({2, 0}).text, "(1, \u221a3)");
    EXPECT_EQ(Transformation::rotation({0, 0}, 45).image({2, 0}).text, "(\u221a2, \u221a2)");
    EXPECT_EQ(Transformation::rotation({1, 1}, 30).image({3, 1}).text, "(1 + \u221a3, 2)");
    kit::Random random(8);
    for (int i = 0; i < 200; ++i) {
        const ExactPoint c = randomRationalPoint(random), p = randomRationalPoint(random);
        const long degrees = 30 * static_cast<long>(random.between(-12, 12));
        const ImagePoint image = Transformation::rotation(c, degrees).image(p);
        const auto [x, y] = turnedByCosSin(c, static_cast<double>(degrees), p);
        EXPECT_TRUE(image.exact);
        EXPECT_NEAR(image.x, x, 1e-9);
        EXPECT_NEAR(image.y, y, 1e-9);
    }
    const ImagePoint rounded = Transformation::rotation({0, 0}, 20).image({1, 0});
    EXPECT_FALSE(rounded.exact);
    EXPECT_EQ(rounded.text, "(\u2248 0.94, \u2248 0.34)");
}

TEST(Transformations, IsometriesKeepLengthsAndDilationsMultiplyThem) {
    kit::Random random(3);
    for (int i = 0; i < 200; ++i) {
        const ExactPoint p = randomRationalPoint(random), q = randomRationalPoint(random);
        const ExactPoint c = randomRationalPoint(random);
        const mpq_class k(static_cast<long>(random.between(-6, 6)) | 1, 2);
        for (const Transformation& t :
             {Transformation::translation(c), Transformation::reflection(randomLine(random)),
              Transformation::rotation(c, 270)}) {
            const auto m = t.exactMap();
            EXPECT_EQ(distanceSquared(m->apply(p), m->apply(q)), distanceSquared(p, q));
            EXPECT_TRUE(t.isIsometry());
        }
        const auto d = Transformation::dilation(c, k).exactMap();
        EXPECT_EQ(distanceSquared(d->apply(p), d->apply(q)), k * k * distanceSquared(p, q));
        EXPECT_EQ(d->apply(c), c) << "the centre stays";
        // The image lies on the ray from the centre: CP' = k CP.
        EXPECT_EQ(d->apply(p) - c, k * (p - c));
    }
}

TEST(Transformations, TheFigureComparisonSeesOrientationAnglesAndArea) {
    const std::vector<ExactPoint> triangle{{2, 1}, {5, 1}, {2, 3}};
    const FigureComparison mirrored =
        compareFigure(triangle, Transformation::reflection({1, -1, 0}));
    EXPECT_TRUE(mirrored.lengthsKept);
    EXPECT_TRUE(mirrored.anglesKept);
    EXPECT_TRUE(mirrored.anticlockwise);
    EXPECT_FALSE(mirrored.imageAnticlockwise);
    EXPECT_EQ(mirrored.sides[1].length, "\u221a13");
    EXPECT_NEAR(mirrored.angles[0].degrees, 90, 1e-9);

    const FigureComparison turned = compareFigure(triangle, Transformation::rotation({1, 0}, 37));
    EXPECT_TRUE(turned.lengthsKept);
    EXPECT_TRUE(turned.imageAnticlockwise);

    const FigureComparison doubled =
        compareFigure(triangle, Transformation::dilation({0, 0}, mpq_class(-3, 2)));
    EXPECT_FALSE(doubled.lengthsKept);
    EXPECT_TRUE(doubled.anglesKept);
    EXPECT_TRUE(doubled.imageAnticlockwise) << "a negative factor keeps the orientation";
    EXPECT_NEAR(doubled.imageArea, doubled.area * 9 / 4, 1e-9);
    EXPECT_EQ(doubled.sides[0].imageLength, "9/2");
    // The shoelace area of the triangle: base 3, height 2.
    EXPECT_EQ(signedArea(triangle), 3);
}

TEST(Transformations, TwoReflectionsMakeARotationOrATranslation) {
    const auto xAxis = Transformation::reflection({0, 1, 0});
    const auto diagonal = Transformation::reflection({1, -1, 0});
    EXPECT_EQ(compositionText(xAxis, diagonal),
              "a rotation about (0, 0) through 90\u00b0 anticlockwise");
    EXPECT_EQ(compositionText(diagonal, xAxis),
              "a rotation about (0, 0) through 270\u00b0 anticlockwise");
    EXPECT_EQ(compositionText(Transformation::reflection({1, 0, 1}),
                              Transformation::reflection({1, 0, 4})),
              "a translation by (6, 0)");
    EXPECT_EQ(compositionText(xAxis, xAxis), "the identity: every point stays where it is");

    // Mirrors meeting at M: the rotation is about M through twice the angle between them.
    kit::Random random(21);
    for (int i = 0; i < 200; ++i) {
        const Line l = randomLine(random), m = randomLine(random);
        const auto f = Transformation::reflection(l).exactMap();
        const auto s = Transformation::reflection(m).exactMap();
        const AffineMap both = composed(*f, *s);
        EXPECT_EQ(both.determinant(), 1);
        const std::string text = describeMap(both);
        if (parallel(l, m)) {
            EXPECT_TRUE(text.starts_with("a translation") || text.starts_with("the identity"))
                << text;
            // The shift is at right angles to the mirrors.
            EXPECT_EQ(both.e * l.b - both.f * l.a, 0);
            continue;
        }
        EXPECT_TRUE(text.starts_with("a rotation about")) << text;
        // The meeting point stays.
        const mpq_class det = l.a * m.b - l.b * m.a;
        const ExactPoint meet{(l.c * m.b - l.b * m.c) / det, (l.a * m.c - l.c * m.a) / det};
        EXPECT_EQ(both.apply(meet), meet);
        EXPECT_NE(text.find(displayPoint(meet)), std::string::npos) << text;
        // cos of the rotation = cos 2θ where θ is the angle between the mirrors' normals.
        const double n1 = std::atan2(l.b.get_d(), l.a.get_d()),
                     n2 = std::atan2(m.b.get_d(), m.a.get_d());
        EXPECT_NEAR(both.a.get_d(), std::cos(2 * (n2 - n1)), 1e-12);
        EXPECT_NEAR(both.c.get_d(), std::sin(2 * (n2 - n1)), 1e-12);
    }
}

TEST(Transformations, CompositionsOfTurnsAndDilations) {
    EXPECT_EQ(compositionText(Transformation::rotation({0, 0}, 180),
                              Transformation::rotation({2, 1}, 180)),
              "a translation by (4, 2)");
    EXPECT_EQ(compositionText(Transformation::rotation({1, 1}, 90),
                              Transformation::rotation({1, 1}, 180)),
              "a rotation about (1, 1) through 270\u00b0 anticlockwise");
    EXPECT_EQ(compositionText(Transformation::rotation({0, 0}, 100),
                              Transformation::rotation({0, 0}, 260)),
              "a translation by (\u2248 0, \u2248 0)");
    EXPECT_EQ(
        compositionText(Transformation::rotation({0, 0}, 30), Transformation::rotation({0, 0}, 45)),
        "a rotation about (\u2248 0, \u2248 0) through \u2248 75\u00b0 anticlockwise");
    EXPECT_EQ(compositionText(Transformation::dilation({0, 0}, 2),
                              Transformation::dilation({1, 0}, mpq_class(1, 2))),
              "a translation by (1/2, 0)");
    EXPECT_EQ(compositionText(Transformation::dilation({0, 0}, 2),
                              Transformation::dilation({0, 0}, mpq_class(-1, 2))),
              "a rotation about (0, 0) through 180\u00b0 anticlockwise");
    // A reflection then a translation along the mirror: a glide reflection.
    EXPECT_EQ(
        compositionText(Transformation::reflection({0, 1, 1}), Transformation::translation({3, 0})),
        "a glide reflection: the reflection in y = 1 followed by the translation by "
        "(3, 0) along it");
}

TEST(Transformations, RulesLinesAndRootsAreWrittenAsOnPaper) {
    EXPECT_EQ(Transformation::translation({3, -2}).rule(), "(x, y) \u2192 (x + 3, y \u2212 2)");
    EXPECT_EQ(Transformation::reflection({1, 0, 2}).rule(), "(x, y) \u2192 (\u2212x + 4, y)");
    EXPECT_EQ(Transformation::reflection({2, -1, 3}).rule(),
              "(x, y) \u2192 ((\u22123x + 4y + 12)/5, (4x + 3y \u2212 6)/5)");
    EXPECT_EQ(Transformation::dilation({1, 1}, 3).rule(),
              "(x, y) \u2192 (3x \u2212 2, 3y \u2212 2)");
    EXPECT_EQ(lineText({0, 2, 0}), "the x-axis");
    EXPECT_EQ(lineText({-2, 2, 0}), "y = x");
    EXPECT_EQ(lineText({3, 0, -6}), "x = \u22122");
    EXPECT_EQ(lineText({0, 2, 1}), "y = 1/2");
    EXPECT_EQ(lineText({-4, 2, -6}), "2x \u2212 y = 3");
    EXPECT_EQ(rootText(12), "2\u221a3");
    EXPECT_EQ(rootText(mpq_class(5, 2)), "\u221a10/2");
    EXPECT_EQ(rootText(25), "5");
    EXPECT_EQ(Transformation::rotation({1, 2}, -90).name(),
              "the rotation about (1, 2) through 90\u00b0 clockwise");
}

TEST(Transformations, TypedPointsAreReadOrRefusedWithAReason) {
    EXPECT_EQ(parsePoint("(3, -2)").value(), (ExactPoint{3, -2}));
    EXPECT_EQ(parsePoint(" 1/2 ; \u22124 ").value(), (ExactPoint{mpq_class(1, 2), -4}));
    EXPECT_EQ(parsePoint("(0.5, 6/4)").value(), (ExactPoint{mpq_class(1, 2), mpq_class(3, 2)}));
    EXPECT_EQ(parsePoint("").error().message, "type a point such as (3, -2)");
    EXPECT_EQ(parsePoint("(3, 4").error().message, "a bracket is opened but not closed");
    EXPECT_EQ(parsePoint("3 4").error().message,
              "write both coordinates, separated by a comma: (x, y)");
    EXPECT_EQ(parsePoint("1, 2, 3").error().message, "a point has two coordinates, not more");
    EXPECT_TRUE(parsePoint("(x, 2)").error().message.starts_with("x: "));
    EXPECT_TRUE(parsePoint("(1, 2/0)").error().message.starts_with("y: "));
    EXPECT_FALSE(parsePoint(std::string(500, '1')).ok());
}
