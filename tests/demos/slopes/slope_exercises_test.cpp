// The exercises over many seeds: well formed, their own answers accepted, garbage refused, and
// each expected answer confirmed independently on the function the prompt shows (finite
// differences, the secant computed here, the tangent through the point).
#include "slopes/core/slope_exercises.h"

#include "graphs/core/function_algebra.h"

#include "exercise_properties.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

std::string between(const std::string& html, const std::string& from, const std::string& to) {
    const auto start = html.find(from);
    EXPECT_NE(start, std::string::npos) << from << " in " << html;
    const auto end = html.find(to, start + from.size());
    std::string text = html.substr(start + from.size(), end - start - from.size());
    text = std::regex_replace(text, std::regex("&minus;"), "-");
    text = std::regex_replace(text, std::regex("&radic;"), "sqrt");
    text = std::regex_replace(text, std::regex("&middot;"), "*");
    text = std::regex_replace(text, std::regex("<sup>([^<]+)</sup>"), "^($1)");
    return std::regex_replace(text, std::regex("<[^>]*>"), "");
}

kit::Expression typed(const std::string& text) {
    const auto parsed = graphs::parseFunction(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.ok() ? parsed.value() : graphs::parseFunction("0").value();
}

double centralDifference(const kit::Expression& f, double x) {
    const double h = 1e-5;
    return (*f.evaluate({x + h}) - *f.evaluate({x - h})) / (2 * h);
}

TEST(SlopeExercises, EveryKindIsWellFormedOverManySeeds) {
    for (const auto& kind : slopes::exerciseKinds())
        for (kit::Seed seed = 0; seed < 150; ++seed) {
            const kit::Exercise e = kind.generate(seed);
            demo_test::expectWellFormed(e, kind, seed);
            demo_test::expectRefusesGarbage(e);
            EXPECT_FALSE(e.check("12345678").correct) << e.prompt;
            EXPECT_GE(e.solutionSteps.size(), 2u);
        }
}

TEST(SlopeExercises, TheExpectedDerivativeMatchesFiniteDifferencesOfTheShownFunction) {
    for (kit::Seed seed = 0; seed < 120; ++seed) {
        const kit::Exercise e = slopes::derivativeExercise(seed);
        SCOPED_TRACE(e.prompt);
        const auto f = typed(between(e.prompt, "f(x) = ", "."));
        const auto answer = typed(e.expectedAnswer);
        for (double x : {0.37, 1.3, 2.11}) {
            if (!f.evaluate({x}) || !answer.evaluate({x}))
                continue;
            EXPECT_NEAR(*answer.evaluate({x}), centralDifference(f, x),
                        1e-4 * (1 + std::abs(*answer.evaluate({x}))));
        }
        EXPECT_FALSE(e.check("0").correct);
    }
}

TEST(SlopeExercises, SlopesAndTangentsMatchTheShownCubic) {
    for (kit::Seed seed = 0; seed < 80; ++seed) {
        const kit::Exercise slope = slopes::tangentSlopeExercise(seed);
        const auto f = typed(between(slope.prompt, "y = ", " at x"));
        const double a = std::stod(between(slope.prompt, "at x = ", "?"));
        EXPECT_NEAR(std::stod(slope.expectedAnswer), centralDifference(f, a), 1e-5) << slope.prompt;

        const kit::Exercise line = slopes::tangentLineExercise(seed);
        const auto g = typed(between(line.prompt, "y = ", " at x"));
        const double b = std::stod(between(line.prompt, "at x = ", "."));
        const auto tangent = typed(line.expectedAnswer.substr(line.expectedAnswer.find('=') + 1));
        EXPECT_NEAR(*tangent.evaluate({b}), *g.evaluate({b}), 1e-9) << line.prompt;
        EXPECT_NEAR(centralDifference(tangent, b), centralDifference(g, b), 1e-5);
        EXPECT_FALSE(line.check("y = 12345x").correct);
    }
}

TEST(SlopeExercises, CriticalPointsAreWhereTheShownCubicLevelsOff) {
    for (kit::Seed seed = 0; seed < 80; ++seed) {
        const kit::Exercise e = slopes::criticalPointsExercise(seed);
        const auto f = typed(between(e.prompt, "f(x) = ", " (the x"));
        const auto comma = e.expectedAnswer.find(',');
        const double r1 = std::stod(e.expectedAnswer.substr(0, comma));
        const double r2 = std::stod(e.expectedAnswer.substr(comma + 1));
        EXPECT_NEAR(centralDifference(f, r1), 0, 1e-6) << e.prompt;
        EXPECT_NEAR(centralDifference(f, r2), 0, 1e-6) << e.prompt;
        EXPECT_TRUE(
            e.check(e.expectedAnswer.substr(comma + 1) + ", " + e.expectedAnswer.substr(0, comma))
                .correct)
            << "the order does not matter";
        EXPECT_FALSE(e.check(e.expectedAnswer.substr(0, comma)).correct) << "both are needed";
    }
}

TEST(SlopeExercises, TheSecantSlopeIsTheDifferenceQuotientOfTheShownParabola) {
    for (kit::Seed seed = 0; seed < 80; ++seed) {
        const kit::Exercise e = slopes::secantSlopeExercise(seed);
        const auto f = typed(between(e.prompt, "y = ", " through"));
        const double a = std::stod(between(e.prompt, "through x = ", " and"));
        const double b = std::stod(between(e.prompt, "and x = ", "?"));
        EXPECT_NEAR(std::stod(e.expectedAnswer), (*f.evaluate({b}) - *f.evaluate({a})) / (b - a),
                    1e-9)
            << e.prompt;
    }
}

} // namespace
