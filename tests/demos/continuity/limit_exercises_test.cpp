// The exercises over many seeds: well formed, their own answers accepted, garbage refused, and
// each expected answer confirmed by the limit computations (the numeric table and the ε–δ
// test) on the function the prompt shows.
#include "continuity/core/epsilon_delta.h"
#include "continuity/core/limit_exercises.h"

#include "continuity/core/limit_point.h"
#include "continuity/core/numeric_limit.h"

#include "graphs/core/function_algebra.h"

#include "exercise_properties.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

TEST(LimitExercises, EveryKindIsWellFormedOverManySeeds) {
    for (const auto& kind : continuity::exerciseKinds())
        for (kit::Seed seed = 0; seed < demo_test::seedsPerKind; ++seed) {
            const kit::Exercise e = kind.generate(seed);
            demo_test::expectWellFormed(e, kind, seed);
            demo_test::expectRefusesGarbage(e);
            EXPECT_FALSE(e.check("12345678").correct) << e.prompt;
            EXPECT_GE(e.solutionSteps.size(), 3u);
        }
}

// The text between two markers of a prompt, turned from the page's HTML into typed form.
std::string between(const std::string& html, const std::string& from, const std::string& to) {
    const auto start = html.find(from);
    EXPECT_NE(start, std::string::npos) << from << " in " << html;
    const auto end = html.find(to, start + from.size());
    std::string text = html.substr(start + from.size(), end - start - from.size());
    text = std::regex_replace(text, std::regex("&minus;"), "-");
    text = std::regex_replace(text, std::regex("<sup>(\\d+)</sup>"), "^$1");
    return std::regex_replace(text, std::regex("<[^>]*>"), "");
}

kit::Expression typed(const std::string& text) {
    return graphs::parseFunction(text).value();
}

TEST(LimitExercises, TheCancellationAnswerIsTheLimitOfTheShownQuotient) {
    for (kit::Seed seed = 0; seed < 60; ++seed) {
        const kit::Exercise e = continuity::cancellationExercise(seed);
        const auto f = typed(between(e.prompt, "</sub> ", "."));
        const auto a = continuity::parsePoint(between(e.prompt, "x&rarr;", "</sub>")).value();
        const mpq_class expected(e.expectedAnswer);
        for (auto side : {continuity::Side::Left, continuity::Side::Right}) {
            const auto limit = continuity::numericLimit(f, a, side);
            ASSERT_EQ(limit.kind, continuity::Limit::Kind::Finite) << e.prompt;
            EXPECT_NEAR(limit.value, expected.get_d(), 1e-6) << e.prompt;
        }
        EXPECT_FALSE(e.check("infinity").correct);
    }
}

TEST(LimitExercises, InfinityAnswersMatchTheTableOfTheShownQuotient) {
    for (kit::Seed seed = 0; seed < 60; ++seed) {
        const kit::Exercise e = continuity::infinityExercise(seed);
        const auto f = typed(between(e.prompt, "</sub> ", "."));
        const bool minus = e.prompt.find("x&rarr;&minus;&infin;") != std::string::npos;
        const auto limit = continuity::numericLimitAtInfinity(
            f, minus ? continuity::Infinity::Minus : continuity::Infinity::Plus);
        SCOPED_TRACE(e.prompt);
        if (e.expectedAnswer == "infinity")
            EXPECT_EQ(limit.kind, continuity::Limit::Kind::PlusInfinity);
        else if (e.expectedAnswer == "-infinity")
            EXPECT_EQ(limit.kind, continuity::Limit::Kind::MinusInfinity);
        else
            EXPECT_NEAR(limit.value, mpq_class(e.expectedAnswer).get_d(), 1e-6);
    }
}

TEST(LimitExercises, OneSidedAnswersMatchTheTableOfTheShownFunction) {
    for (kit::Seed seed = 0; seed < 60; ++seed) {
        const kit::Exercise e = continuity::oneSidedExercise(seed);
        std::string f = between(e.prompt, "f(x) = ", ". Find");
        f = std::regex_replace(f, std::regex("\\|([^|]*)\\|"), "abs($1)");
        const auto a = continuity::parsePoint(between(e.prompt, "x&rarr;", "<sup>")).value();
        const bool left = e.prompt.find("<sup>&minus;</sup>") != std::string::npos;
        const auto limit = continuity::numericLimit(
            typed(f), a, left ? continuity::Side::Left : continuity::Side::Right);
        EXPECT_NEAR(limit.value, std::stod(e.expectedAnswer), 1e-9) << e.prompt;
    }
}

TEST(LimitExercises, InfiniteAnswersNeedTheRightSign) {
    int infinite = 0;
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = continuity::infinityExercise(seed);
        if (e.expectedAnswer.find("infinity") == std::string::npos) {
            EXPECT_FALSE(e.check("infinity").correct) << e.prompt;
            continue;
        }
        ++infinite;
        const bool minus = e.expectedAnswer[0] == '-';
        EXPECT_TRUE(e.check(minus ? "\u2212\u221e" : "+\u221e").correct);
        EXPECT_TRUE(e.check(minus ? "-oo" : "oo").correct);
        const kit::Verdict other = e.check(minus ? "infinity" : "-infinity");
        EXPECT_FALSE(other.correct);
        EXPECT_NE(other.message.find("sign"), std::string::npos);
        EXPECT_FALSE(e.check("0").correct);
    }
    EXPECT_GT(infinite, 20);
}

TEST(LimitExercises, TheEpsilonDeltaAnswerPassesTheTestAndALargerOneFails) {
    for (kit::Seed seed = 0; seed < 40; ++seed) {
        const kit::Exercise e = continuity::epsilonDeltaExercise(seed);
        SCOPED_TRACE(e.prompt);
        const auto f = typed(between(e.prompt, "f(x) = ", " tends"));
        const double a = mpq_class(between(e.prompt, "x &rarr; ", ". For")).get_d();
        const double epsilon = mpq_class(between(e.prompt, "&epsilon; = ", ", what")).get_d();
        const double limit = *f.evaluate({a});
        const double delta = mpq_class(e.expectedAnswer).get_d();
        EXPECT_TRUE(continuity::checkDelta(f, a, limit, epsilon, 0.99 * delta).holds);
        EXPECT_FALSE(continuity::checkDelta(f, a, limit, epsilon, 1.02 * delta).holds);
    }
}

TEST(LimitExercises, KindsOfDiscontinuityAreAllAskedFor) {
    std::set<std::string> answers;
    for (kit::Seed seed = 0; seed < 60; ++seed)
        answers.insert(continuity::discontinuityExercise(seed).expectedAnswer);
    EXPECT_EQ(answers, (std::set<std::string>{"removable", "jump", "infinite"}));
    const kit::Exercise e = continuity::discontinuityExercise(3);
    EXPECT_TRUE(e.check("  " + e.expectedAnswer + " Discontinuity").correct);
}

} // namespace
