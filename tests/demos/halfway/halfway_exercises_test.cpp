// halfway's exercises over many seeds: well formed, near misses refused, and each answer
// agrees with the prompt's numbers computed here by the defining property of the point.
#include "halfway/core/halfway_exercises.h"

#include "exercise_kind_checks.h"
#include "exercise_properties.h"

#include <gtest/gtest.h>

#include <gmpxx.h>

using namespace halfway;

namespace {

constexpr int seeds = 300;

mpq_class fraction(long a, long b) {
    mpq_class q(a, b);
    q.canonicalize();
    return q;
}

std::string point(const mpq_class& x, const mpq_class& y) {
    return "(" + x.get_str() + ", " + y.get_str() + ")";
}

std::vector<std::string> nearMisses(const kit::Exercise& e) {
    if (e.expectedAnswer.find('=') != std::string::npos)
        return {e.expectedAnswer + " + 1", "x^2 + y^2 = 12345", "y = 2x"};
    return {"(12345, 0)", "(0, 12345)", "7"};
}

} // namespace

TEST(HalfwayExercises, EveryKindHoldsOverManySeeds) {
    exercise_checks::checkEveryKindOverSeeds(halfwayExerciseKinds(), seeds, nearMisses);
}

TEST(HalfwayExercises, PointsAgreeWithThePromptsNumbers) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise mid = midpointKind().generate(seed);
        const auto m = demo_test::integersIn(mid.prompt);
        EXPECT_TRUE(mid.check(point(fraction(m[0] + m[2], 2), fraction(m[1] + m[3], 2))).correct)
            << mid.prompt;

        const kit::Exercise section = sectionKind().generate(seed);
        const auto s = demo_test::integersIn(section.prompt);
        ASSERT_EQ(s.size(), 6u) << section.prompt; // A, B, m, n
        const long k = s[4], l = s[5];
        // P = A + k/(k + l)·(B − A): a second way to the same point.
        const mpq_class t = fraction(k, k + l);
        EXPECT_TRUE(
            section.check(point(s[0] + t * (s[2] - s[0]), s[1] + t * (s[3] - s[1]))).correct)
            << section.prompt;
        // Swapping the ratio is the common mistake and must be refused.
        const mpq_class u = fraction(l, k + l);
        EXPECT_FALSE(
            section.check(point(s[0] + u * (s[2] - s[0]), s[1] + u * (s[3] - s[1]))).correct)
            << section.prompt;

        const kit::Exercise g = centroidKind().generate(seed);
        const auto c = demo_test::integersIn(g.prompt);
        EXPECT_TRUE(g.check(point(fraction(c[0] + c[2] + c[4], 3), fraction(c[1] + c[3] + c[5], 3)))
                        .correct)
            << g.prompt;
    }
}

TEST(HalfwayExercises, EndpointsAndCirclesAgreeWithThePromptsNumbers) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise circle = circleKind().generate(seed);
        const auto v = demo_test::integersIn(circle.prompt);
        ASSERT_EQ(v.size(), 4u) << circle.prompt;
        const long h = v[0], k = v[1];
        const long r2 = (v[2] - h) * (v[2] - h) + (v[3] - k) * (v[3] - k);
        // Expanded by hand: x² + y² − 2hx − 2ky + (h² + k² − r²) = 0.
        const std::string expanded = "x^2 + y^2 + " + std::to_string(-2 * h) + "x + " +
                                     std::to_string(-2 * k) + "y + " +
                                     std::to_string(h * h + k * k - r2) + " = 0";
        EXPECT_TRUE(circle.check(expanded).correct) << circle.prompt << " " << expanded;

        const kit::Exercise end = endpointKind().generate(seed);
        EXPECT_TRUE(end.check(end.expectedAnswer).correct);
        EXPECT_NE(end.prompt.find("midpoint"), std::string::npos);
    }
}
