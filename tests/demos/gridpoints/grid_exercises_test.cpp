// gridpoints' exercises over many seeds: well formed, their answers pass their own checkers,
// near misses refused, and each answer agrees with the prompt's numbers computed here.
#include "gridpoints/core/equation_input.h"
#include "gridpoints/core/grid_exercises.h"

#include "exercise_kind_checks.h"
#include "exercise_properties.h"

#include <gtest/gtest.h>

using namespace gridpoints;

namespace {

constexpr int seeds = 300;

std::vector<std::string> nearMisses(const kit::Exercise& e) {
    if (e.expectedAnswer.find('=') != std::string::npos)
        return {e.expectedAnswer + " + 1", "y = 1234x + 5", "x = 4321"};
    if (e.expectedAnswer == "undefined")
        return {"0", "1"};
    return {e.expectedAnswer + "1", "-7/3", "(1, 2)"};
}

} // namespace

TEST(GridExercises, EveryKindHoldsOverManySeeds) {
    for (const kit::ExerciseKind& kind : gridExerciseKinds())
        exercise_checks::checkKindOverSeeds(kind, seeds, nearMisses);
}

TEST(GridExercises, AnswersAgreeWithThePromptsNumbers) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise d = distanceKind().generate(seed);
        const auto v = demo_test::integersIn(d.prompt);
        ASSERT_EQ(v.size(), 4u) << d.prompt;
        long square = (v[2] - v[0]) * (v[2] - v[0]) + (v[3] - v[1]) * (v[3] - v[1]);
        long outside = 1;
        for (long k = 2; k * k <= square; ++k)
            while (square % (k * k) == 0) {
                square /= k * k;
                outside *= k;
            }
        const std::string simplified = square == 1 ? std::to_string(outside)
                                                   : (outside == 1 ? "" : std::to_string(outside)) +
                                                         "sqrt(" + std::to_string(square) + ")";
        EXPECT_TRUE(d.check(simplified).correct) << d.prompt << " " << simplified;

        const kit::Exercise s = slopeKind().generate(seed);
        const auto w = demo_test::integersIn(s.prompt);
        if (w[2] == w[0]) {
            EXPECT_EQ(s.expectedAnswer, "undefined") << s.prompt;
        } else {
            mpq_class rise(w[3] - w[1], w[2] - w[0]);
            rise.canonicalize();
            EXPECT_TRUE(s.check(rise.get_str()).correct) << s.prompt;
        }

        // The line through the two points holds both of them: y₁ = m·x₁ + b.
        const kit::Exercise l = lineThroughKind().generate(seed);
        const auto u = demo_test::integersIn(l.prompt);
        mpq_class m(u[3] - u[1], u[2] - u[0]);
        m.canonicalize();
        const mpq_class b = u[1] - m * u[0];
        EXPECT_TRUE(
            l.check("y = " + mpq_class(m).get_str() + "x + " + mpq_class(b).get_str()).correct)
            << l.prompt;

        const kit::Exercise area = shoelaceKind().generate(seed);
        const auto c = demo_test::integersIn(area.prompt);
        long twice = 0;
        const std::size_t corners = c.size() / 2;
        for (std::size_t i = 0; i < corners; ++i) {
            const std::size_t j = (i + 1) % corners;
            twice += c[2 * i] * c[2 * j + 1] - c[2 * j] * c[2 * i + 1];
        }
        EXPECT_TRUE(area.check(std::to_string(std::abs(twice)) + "/2").correct) << area.prompt;
        EXPECT_GT(twice, 0) << "corners go anticlockwise round the origin: " << area.prompt;
    }
}
