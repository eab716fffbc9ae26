// The exercises of the four transformation programs over many seeds: well formed, their own
// answers pass, typical wrong answers are refused with a reason, and the answers agree with a
// computation of their own from the numbers in the prompts.
#include "mirrorimage/core/mirrorimage_exercises.h"
#include "scaling/core/scaling_exercises.h"
#include "shifting/core/shifting_exercises.h"
#include "transformkit/core/exact_point.h"
#include "turning/core/turning_exercises.h"

#include "exercise_kind_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>

using transformkit::ExactPoint;
using transformkit::parsePoint;
using transformkit::pointText;

namespace {

constexpr int seeds = 300;

std::string plainMinus(std::string text) {
    return std::regex_replace(text, std::regex("\u2212"), "-");
}

// The points written in a prompt, "(3, −2)", in order.
std::vector<ExactPoint> pointsIn(const std::string& prompt) {
    std::vector<ExactPoint> points;
    const std::string text = plainMinus(prompt);
    const std::regex group("\\(-?[0-9/]+, -?[0-9/]+\\)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), group);
         it != std::sregex_iterator(); ++it)
        points.push_back(parsePoint(it->str()).value());
    return points;
}

mpq_class factorIn(const std::string& prompt) {
    std::smatch match;
    const std::string text = plainMinus(prompt);
    EXPECT_TRUE(std::regex_search(text, match, std::regex("k = (-?[0-9/]+)"))) << prompt;
    mpq_class k(match[1].str());
    k.canonicalize();
    return k;
}

std::vector<std::string> wrongAnswers(const kit::Exercise& e) {
    if (e.answerHint.starts_with("an angle")) {
        const long angle = std::stol(e.expectedAnswer);
        return {std::to_string((angle + 90) % 360), std::to_string((angle + 45) % 360), "1000",
                "(1, 2)"};
    }
    if (e.answerHint.starts_with("a number")) {
        mpq_class value(e.expectedAnswer);
        std::vector<std::string> wrong{mpq_class(value + 1).get_str(), "(1, 2)"};
        if (value != 0)
            wrong.push_back(mpq_class(-value).get_str());
        return wrong;
    }
    const ExactPoint p = parsePoint(e.expectedAnswer).value();
    std::vector<std::string> wrong{pointText({p.x + 1, p.y}), pointText({p.x, p.y - 1}),
                                   pointText(p) + ", 1", "(1; 2; 3)"};
    if (p.x != p.y)
        wrong.push_back(pointText({p.y, p.x}));
    return wrong;
}

void checkAll(const std::vector<kit::ExerciseKind>& kinds) {
    ASSERT_GE(kinds.size(), 3u);
    exercise_checks::checkEveryKindOverSeeds(kinds, seeds, wrongAnswers);
}

ExactPoint answerOf(const kit::Exercise& e) {
    return parsePoint(e.expectedAnswer).value();
}

} // namespace

TEST(TransformExercises, EveryKindOfEveryProgramHoldsOverManySeeds) {
    checkAll(shifting::shiftingExerciseKinds());
    checkAll(mirrorimage::mirrorimageExerciseKinds());
    checkAll(turning::turningExerciseKinds());
    checkAll(scaling::scalingExerciseKinds());
}

TEST(TransformExercises, TranslationAnswersFollowFromThePromptsPoints) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise image = shifting::translatePointKind().generate(seed);
        const auto vp = pointsIn(image.prompt); // the vector, then P
        ASSERT_EQ(vp.size(), 2u) << image.prompt;
        EXPECT_EQ(answerOf(image), (ExactPoint{vp[1].x + vp[0].x, vp[1].y + vp[0].y}));

        const kit::Exercise vector = shifting::findVectorKind().generate(seed);
        const auto aa = pointsIn(vector.prompt);
        ASSERT_EQ(aa.size(), 2u);
        EXPECT_EQ(answerOf(vector), (ExactPoint{aa[1].x - aa[0].x, aa[1].y - aa[0].y}));

        const kit::Exercise two = shifting::twoTranslationsKind().generate(seed);
        const auto uw = pointsIn(two.prompt);
        ASSERT_EQ(uw.size(), 2u);
        EXPECT_EQ(answerOf(two), (ExactPoint{uw[0].x + uw[1].x, uw[0].y + uw[1].y}));
        // A known mistake gets its own reason, not the general one.
        EXPECT_EQ(two.check(pointText({uw[0].x - uw[1].x, uw[0].y - uw[1].y})).message,
                  "the second vector is added, not subtracted");
    }
}

TEST(TransformExercises, ReflectionAnswersSitAcrossTheirMirrors) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        // Through the origin: the distance from the origin is kept and P' differs from P.
        const kit::Exercise axis = mirrorimage::axisReflectionKind().generate(seed);
        const ExactPoint p = pointsIn(axis.prompt).at(0), q = answerOf(axis);
        EXPECT_EQ(p.x * p.x + p.y * p.y, q.x * q.x + q.y * q.y) << axis.prompt;
        EXPECT_NE(p, q);

        // x = h or y = k: the midpoint's moving coordinate is h, the other coordinate stays.
        const kit::Exercise parallel = mirrorimage::parallelLineReflectionKind().generate(seed);
        std::smatch match;
        const std::string text = plainMinus(parallel.prompt);
        ASSERT_TRUE(std::regex_search(text, match, std::regex("line ([xy]) = (-?[0-9]+)")));
        const mpq_class h(match[2].str());
        const ExactPoint a = pointsIn(parallel.prompt).at(0), b = answerOf(parallel);
        if (match[1] == "x") {
            EXPECT_EQ((a.x + b.x) / 2, h);
            EXPECT_EQ(a.y, b.y);
        } else {
            EXPECT_EQ((a.y + b.y) / 2, h);
            EXPECT_EQ(a.x, b.x);
        }
    }
}

TEST(TransformExercises, RotationAnswersAgreeWithCosAndSin) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise e = turning::centreRotationKind().generate(seed);
        const auto pc = pointsIn(e.prompt); // P, then C
        ASSERT_EQ(pc.size(), 2u) << e.prompt;
        std::smatch match;
        ASSERT_TRUE(std::regex_search(e.prompt, match, std::regex("through ([0-9]+)")));
        double degrees = std::stod(match[1].str());
        if (e.prompt.find("clockwise") != std::string::npos &&
            e.prompt.find("anticlockwise") == std::string::npos)
            degrees = -degrees;
        const double r = degrees * std::numbers::pi / 180;
        const double dx = mpq_class(pc[0].x - pc[1].x).get_d(),
                     dy = mpq_class(pc[0].y - pc[1].y).get_d();
        const ExactPoint q = answerOf(e);
        EXPECT_NEAR(q.x.get_d(), pc[1].x.get_d() + dx * std::cos(r) - dy * std::sin(r), 1e-9)
            << e.prompt;
        EXPECT_NEAR(q.y.get_d(), pc[1].y.get_d() + dx * std::sin(r) + dy * std::cos(r), 1e-9)
            << e.prompt;

        // The angle asked for takes P to P' about C.
        const kit::Exercise angle = turning::rotationAngleKind().generate(seed);
        const auto cpq = pointsIn(angle.prompt);
        ASSERT_EQ(cpq.size(), 3u);
        const double t = std::stod(angle.expectedAnswer) * std::numbers::pi / 180;
        const double ux = mpq_class(cpq[1].x - cpq[0].x).get_d(),
                     uy = mpq_class(cpq[1].y - cpq[0].y).get_d();
        EXPECT_NEAR(cpq[0].x.get_d() + ux * std::cos(t) - uy * std::sin(t), cpq[2].x.get_d(), 1e-9);
        EXPECT_NEAR(cpq[0].y.get_d() + ux * std::sin(t) + uy * std::cos(t), cpq[2].y.get_d(), 1e-9);
        // 360° more is the same turn; the clockwise angle is named as the mistake it is.
        EXPECT_TRUE(angle.check(std::to_string(std::stol(angle.expectedAnswer) - 360)).correct);
    }
}

TEST(TransformExercises, DilationAnswersLieOnTheRayFromTheCentre) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise e = scaling::centreDilationKind().generate(seed);
        const auto cp = pointsIn(e.prompt); // C, then P
        ASSERT_EQ(cp.size(), 2u) << e.prompt;
        const mpq_class k = factorIn(e.prompt);
        const ExactPoint q = answerOf(e);
        EXPECT_EQ(q.x - cp[0].x, k * (cp[1].x - cp[0].x));
        EXPECT_EQ(q.y - cp[0].y, k * (cp[1].y - cp[0].y));

        const kit::Exercise factor = scaling::scaleFactorKind().generate(seed);
        const auto cpp = pointsIn(factor.prompt);
        ASSERT_EQ(cpp.size(), 3u);
        const mpq_class expected((cpp[2].x - cpp[0].x) / (cpp[1].x - cpp[0].x));
        EXPECT_TRUE(factor.check(expected.get_str()).correct) << factor.prompt;
        if (expected != 1 && expected != -1) {
            EXPECT_EQ(factor.check(mpq_class(1 / expected).get_str()).message,
                      "that is P\u2032 to P; k = CP\u2032 / CP, image over object");
        }

        const kit::Exercise measure = scaling::lengthAreaKind().generate(seed);
        EXPECT_GT(mpq_class(measure.expectedAnswer), 0) << measure.prompt;
    }
}
