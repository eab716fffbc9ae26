// The area exercises over many seeds: well formed, their answers pass their own checkers,
// near misses are refused, and each answer agrees with the numbers in its prompt computed here.
#include "planesurface/core/area_exercises.h"
#include "planesurface/core/pi_answer.h"

#include "exercise_kind_checks.h"
#include "exercise_properties.h"

#include <gtest/gtest.h>

#include "kit/core/number_input.h"

#include <gmpxx.h>

using namespace planesurface;

namespace {

constexpr int seeds = 300;

std::vector<std::string> nearMisses(const kit::Exercise& e) {
    const bool withPi = e.kind == "circle-pi";
    if (withPi) {
        const mpq_class k = parsePiMultiple(e.expectedAnswer).value();
        return {mpq_class(k + 1).get_str() + "pi", mpq_class(2 * k).get_str() + "pi", "3.14",
                k.get_str()};
    }
    const mpq_class value = kit::parseRational(e.expectedAnswer).value();
    return {mpq_class(value + 1).get_str(), mpq_class(value * 2).get_str(), "-" + e.expectedAnswer};
}

mpq_class answerOf(const kit::Exercise& e) {
    return kit::parseRational(e.expectedAnswer).value();
}

bool has(const std::string& text, const char* word) {
    return text.find(word) != std::string::npos;
}

} // namespace

TEST(AreaExercises, EveryKindHoldsOverManySeeds) {
    const auto kinds = areaExerciseKinds();
    ASSERT_GE(kinds.size(), 3u);
    exercise_checks::checkEveryKindOverSeeds(kinds, seeds, nearMisses);
}

TEST(AreaExercises, PolygonAreasAndPerimetersAgreeWithThePromptsNumbers) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise area = polygonAreaKind().generate(seed);
        const std::vector<long> v = demo_test::integersIn(area.prompt);
        mpq_class expected;
        if (has(area.prompt, "rectangle"))
            expected = v[0] * v[1];
        else if (has(area.prompt, "parallelogram"))
            expected = v[0] * v[2];
        else if (has(area.prompt, "triangle"))
            expected = mpq_class(v[0] * v[1], 2);
        else if (has(area.prompt, "trapezoid"))
            expected = mpq_class((v[0] + v[1]) * v[2], 2);
        else
            expected = mpq_class(v[0] * v[1], 2);
        expected.canonicalize();
        EXPECT_EQ(answerOf(area), expected) << area.prompt;

        const kit::Exercise perimeter = perimeterKind().generate(seed);
        const std::vector<long> p = demo_test::integersIn(perimeter.prompt);
        long total = 0;
        if (has(perimeter.prompt, "rectangle"))
            total = 2 * (p[0] + p[1]);
        else if (has(perimeter.prompt, "rhombus"))
            total = 4 * std::lround(std::hypot(static_cast<double>(p[0]) / 2.0,
                                               static_cast<double>(p[1]) / 2.0));
        else if (has(perimeter.prompt, "A triangle"))
            total = p[0] + p[1] + p[2];
        else {
            const std::vector<std::pair<const char*, long>> names{
                {"triangle", 3}, {"pentagon", 5}, {"hexagon", 6},
                {"octagon", 8},  {"decagon", 10}, {"dodecagon", 12}};
            long sides = 0;
            for (const auto& [name, count] : names)
                if (has(perimeter.prompt, (std::string(" ") + name).c_str()))
                    sides = count;
            total = sides * p.at(0);
        }
        EXPECT_EQ(perimeter.expectedAnswer, std::to_string(total)) << perimeter.prompt;
    }
}

TEST(AreaExercises, HeronTrianglesHaveTheAreaOfTheirCoordinates) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise e = heronKind().generate(seed);
        const std::vector<long> s = demo_test::integersIn(e.prompt);
        ASSERT_EQ(s.size(), 3u) << e.prompt;
        const double a = double(s[0]), b = double(s[1]), c = double(s[2]);
        const double x = (a * a + c * c - b * b) / (2 * a);
        EXPECT_NEAR(std::stod(e.expectedAnswer), 0.5 * a * std::sqrt(c * c - x * x), 1e-7)
            << e.prompt;
    }
}

TEST(AreaExercises, CirclesAndMissingLengthsAgreeWithThePromptsNumbers) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise circle = circleKind().generate(seed);
        const std::vector<long> v = demo_test::integersIn(circle.prompt);
        mpq_class k;
        if (has(circle.prompt, "diameter"))
            k = mpq_class(v[0] * v[0], 4);
        else if (has(circle.prompt, "circumference"))
            k = 2 * v[0];
        else if (has(circle.prompt, "sector"))
            k = mpq_class(v[1] * v[0] * v[0], 360);
        else if (has(circle.prompt, "ring"))
            k = v[0] * v[0] - v[1] * v[1];
        else
            k = v[0] * v[0];
        k.canonicalize();
        EXPECT_TRUE(circle.check(k.get_str() + "pi").correct) << circle.prompt << " " << k;

        const kit::Exercise missing = missingLengthKind().generate(seed);
        EXPECT_GT(answerOf(missing), 0) << missing.prompt;
    }
}
