// Exact values at the special angles against the library's sine and cosine, radians against
// the parsed multiple of π, graphs against their period, identities at many angles.
#include "angles/core/exact_answer.h"
#include "angles/core/identities.h"
#include "angles/core/sinusoid.h"
#include "angles/core/special_angles.h"

#include "kit/core/expression_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace angles;

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace

TEST(SpecialAngles, ExactValuesAgreeWithTheLibrarysSineAndCosine) {
    int special = 0;
    for (long d = -720; d <= 720; d += 15) {
        const auto exact = exactTrig(d);
        ASSERT_EQ(exact.has_value(), d % 30 == 0 || d % 45 == 0) << d;
        if (!exact)
            continue;
        ++special;
        SCOPED_TRACE(d);
        EXPECT_NEAR(exact->sine.approximate(), std::sin(radians(static_cast<double>(d))), 1e-12);
        EXPECT_NEAR(exact->cosine.approximate(), std::cos(radians(static_cast<double>(d))), 1e-12);
        // Pythagoras holds exactly, in rational arithmetic.
        EXPECT_EQ(exact->sine.square() + exact->cosine.square(), 1);
        EXPECT_EQ(exact->tangent.has_value(), d % 180 != 90 && d % 180 != -90);
        if (exact->tangent) {
            EXPECT_NEAR(exact->tangent->approximate(), std::tan(radians(static_cast<double>(d))),
                        1e-9);
        }
    }
    EXPECT_EQ(special, 16 * 4 + 1);
}

TEST(SpecialAngles, TextsShowTheSignAndTheSimplifiedRoot) {
    EXPECT_EQ(signedSurdText(exactTrig(150)->cosine), "\u2212\u221a3/2");
    EXPECT_EQ(signedSurdText(exactTrig(225)->sine), "\u2212\u221a2/2");
    EXPECT_EQ(signedSurdText(*exactTrig(30)->tangent), "\u221a3/3");
    EXPECT_EQ(signedSurdText(*exactTrig(120)->tangent), "\u2212\u221a3");
    EXPECT_EQ(referenceAngle(210), 30);
    EXPECT_EQ(referenceAngle(-45), 45);
    EXPECT_EQ(quadrantOf(-45), 4);
    EXPECT_EQ(quadrantOf(180), 0);
}

TEST(SpecialAngles, RadianTextsReadBackAsTheAngleTimesPiOver180) {
    for (long d = -720; d <= 720; d += 15) {
        const std::string typed = radiansTyped(d);
        const auto parsed = kit::Expression::parse(typed, {});
        ASSERT_TRUE(parsed.ok()) << typed;
        EXPECT_NEAR(*parsed.value().evaluate({}), radians(static_cast<double>(d)), 1e-12) << typed;
    }
    EXPECT_EQ(radiansText(150), "5\u03c0/6");
    EXPECT_EQ(radiansText(-90), "\u2212\u03c0/2");
    EXPECT_EQ(radiansText(180), "\u03c0");
    EXPECT_EQ(radiansText(0), "0");
}

TEST(Sinusoids, TheGraphRepeatsAfterItsPeriodAndNotAfterHalfOfIt) {
    for (WaveKind kind : {WaveKind::Sine, WaveKind::Cosine, WaveKind::Tangent})
        for (double b : {0.5, 1.0, 2.5, 4.0}) {
            const Sinusoid s{kind, 2, b, 0.7, -1};
            const double p = period(s);
            for (double x : {0.1, 0.33, 1.2}) {
                EXPECT_NEAR(valueAt(s, x + p), valueAt(s, x), 1e-8 * (1 + std::abs(valueAt(s, x))));
                EXPECT_NEAR(valueAt(s, x + 3 * p), valueAt(s, x),
                            1e-7 * (1 + std::abs(valueAt(s, x))));
            }
            EXPECT_GT(std::abs(valueAt(s, 0.33 + p / 2) - valueAt(s, 0.33)) +
                          std::abs(valueAt(s, 0.1 + p / 3) - valueAt(s, 0.1)),
                      1e-3);
        }
}

TEST(Sinusoids, TheTypedFormulaIsTheSameFunction) {
    const Sinusoid s{WaveKind::Cosine, -1.5, 3, -0.25, 2};
    const auto parsed = kit::Expression::parse(typedFormula(s), {"x"});
    ASSERT_TRUE(parsed.ok()) << typedFormula(s) << parsed.error().message;
    for (double x = -3; x <= 3; x += 0.37)
        EXPECT_NEAR(*parsed.value().evaluate({x}), valueAt(s, x), 1e-9);
    EXPECT_NE(factsHtml(s).find("amplitude |A| = 1.5"), std::string::npos) << factsHtml(s);
    EXPECT_NE(factsHtml(s).find("[0.5, 3.5]"), std::string::npos) << factsHtml(s);
    EXPECT_NE(factsHtml({WaveKind::Tangent, 1, 2, 0, 0}).find("all real numbers"),
              std::string::npos);
}

TEST(Identities, BothSidesAgreeWhereverTheyAreDefined) {
    ASSERT_GE(basicIdentities().size(), 8u);
    for (const Identity& identity : basicIdentities())
        for (double x = -7; x <= 7; x += 0.013) {
            const double left = identity.left(x), right = identity.right(x);
            if (std::abs(std::cos(x)) < 1e-6)
                continue; // the tangent's poles
            EXPECT_NEAR(left, right, 1e-9 * (1 + std::abs(left))) << identity.html << " at " << x;
        }
}

TEST(ExactAnswers, EquivalentFormsAreAcceptedAndApproximationsRefusedWithTheReason) {
    const auto rootThreeHalves = expectExactNumber("sqrt(3)/2");
    for (const char* typed :
         {"sqrt(3)/2", "\u221a3/2", "(1/2)sqrt(3)", "3/(2sqrt(3))", "sqrt(3/4)", "\u221a(3)/2"})
        EXPECT_TRUE(rootThreeHalves(typed).correct)
            << typed << ": " << rootThreeHalves(typed).message;
    EXPECT_NE(rootThreeHalves("0.8660254037844386").message.find("decimal"), std::string::npos);
    EXPECT_NE(rootThreeHalves("-sqrt(3)/2").message.find("sign"), std::string::npos);
    EXPECT_NE(rootThreeHalves("\u2212\u221a3/2").message.find("sign"), std::string::npos);
    EXPECT_FALSE(rootThreeHalves("sqrt(2)/2").correct);
    EXPECT_FALSE(rootThreeHalves("undefined").correct);
    EXPECT_NE(rootThreeHalves("sqrt(3/").message.find("read"), std::string::npos);
    const auto halfRootTwo = expectExactNumber("1*sqrt(2)/2");
    EXPECT_TRUE(halfRootTwo("1/sqrt(2)").correct);
    const auto fivePiSixths = expectExactNumber("5*pi/6");
    EXPECT_TRUE(fivePiSixths("5pi/6").correct);
    EXPECT_TRUE(fivePiSixths("5\u03c0/6").correct);
    EXPECT_FALSE(fivePiSixths("150").correct);
    EXPECT_TRUE(expectUndefined()("Undefined ").correct);
    EXPECT_FALSE(expectUndefined()("0").correct);
}
