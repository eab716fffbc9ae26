// The exercises over many seeds, and each answer against a numeric computation of what its
// prompt asks (the prompt's formula read back and integrated, summed or differentiated).
#include "areas/core/area_between.h"
#include "areas/core/area_exercises.h"
#include "areas/core/area_function.h"
#include "areas/core/riemann_sum.h"

#include "graphs/core/function_algebra.h"

#include "exercise_kind_checks.h"

#include <gtest/gtest.h>

#include <regex>

using namespace areas;

namespace {

std::vector<std::string> besideTheAnswer(const kit::Exercise& e) {
    const mpq_class answer(e.expectedAnswer);
    return {mpq_class(answer + 1).get_str(), mpq_class(answer - 2).get_str(),
            mpq_class(answer * 2 + mpq_class(1, 3)).get_str()};
}

// The page's formula as typed: "2x<sup>2</sup> &minus; 3" becomes "2x^(2) - 3".
std::string typedFrom(std::string html) {
    html = std::regex_replace(html, std::regex("<sup>([^<]*)</sup>"), "^($1)");
    html = std::regex_replace(html, std::regex("&minus;"), "-");
    html = std::regex_replace(html, std::regex("&middot;"), "*");
    return std::regex_replace(html, std::regex("<[^>]*>"), "");
}

kit::Expression function(const std::string& typed) {
    const auto parsed = graphs::parseFunction(typed);
    EXPECT_TRUE(parsed.ok()) << typed;
    return parsed.value();
}

double answerOf(const kit::Exercise& e) {
    mpq_class q(e.expectedAnswer);
    q.canonicalize();
    return q.get_d();
}

struct Integral {
    double a, b;
    std::string body; // typed
};

Integral integralIn(const std::string& prompt) {
    std::smatch m;
    EXPECT_TRUE(std::regex_search(
        prompt, m, std::regex("&int;<sub>([^<]*)</sub><sup>([^<]*)</sup> (.*) d[xt]")))
        << prompt;
    return {std::stod(typedFrom(m[1])), std::stod(typedFrom(m[2])), typedFrom(m[3])};
}

} // namespace

TEST(AreaExercises, EveryKindIsWellFormedOverManySeeds) {
    ASSERT_GE(exerciseKinds().size(), 3u);
    exercise_checks::checkEveryKindOverSeeds(exerciseKinds(), 200, besideTheAnswer);
}

TEST(AreaExercises, SumsAndIntegralsAgreeWithTheirNumericValues) {
    for (kit::Seed seed = 0; seed < 150; ++seed) {
        const kit::Exercise sum = riemannSumExercise(seed);
        const Integral s = integralIn(sum.prompt);
        std::smatch m;
        ASSERT_TRUE(std::regex_search(sum.prompt, m, std::regex("<b>(\\w+)</b>.*n = (\\d+)")));
        const SumRule rule = m[1] == "left"       ? SumRule::Left
                             : m[1] == "right"    ? SumRule::Right
                             : m[1] == "midpoint" ? SumRule::Midpoint
                                                  : SumRule::Trapezoid;
        EXPECT_NEAR(riemannSum(function(s.body), s.a, s.b, std::stoi(m[2]), rule).value,
                    answerOf(sum), 1e-10)
            << sum.prompt;

        for (const kit::Exercise& e :
             {definiteIntegralExercise(seed), substitutionExercise(seed)}) {
            const Integral i = integralIn(e.prompt);
            const NumericIntegral numeric = gaussKronrod(function(i.body), i.a, i.b);
            ASSERT_TRUE(numeric.error.empty());
            EXPECT_NEAR(numeric.value, answerOf(e), 1e-9 * (1 + std::abs(numeric.value)))
                << e.prompt;
        }
    }
}

TEST(AreaExercises, FundamentalTheoremAnswersAreTheSlopesOfTheAreas) {
    for (kit::Seed seed = 0; seed < 150; ++seed) {
        const kit::Exercise e = fundamentalTheoremExercise(seed);
        std::smatch m;
        ASSERT_TRUE(
            std::regex_search(e.prompt, m,
                              std::regex("<sub>(-?\\d+)</sub><sup>(x|x<sup>2</sup>)</sup> "
                                         "\\((.*)\\) dt\\. What is A&prime;\\((-?\\d+)\\)")))
            << e.prompt;
        const double start = std::stod(m[1]), k = std::stod(m[4]);
        const bool squared = m[2] != "x";
        const kit::Expression p =
            function(std::regex_replace(typedFrom(m[3]), std::regex("t"), "x"));
        const auto A = [&](double x) { return *areaUpTo(p, start, squared ? x * x : x); };
        const double h = 1e-4;
        EXPECT_NEAR((A(k + h) - A(k - h)) / (2 * h), answerOf(e), 1e-5) << e.prompt;
    }
}

TEST(AreaExercises, AreasBetweenCurvesAgreeWithTheNumericArea) {
    for (kit::Seed seed = 0; seed < 150; ++seed) {
        const kit::Exercise e = areaBetweenExercise(seed);
        std::smatch m;
        std::string f, g = "0";
        if (std::regex_search(e.prompt, m, std::regex("between y = (.*) and y = (.*)\\.$"))) {
            f = typedFrom(m[1]);
            g = typedFrom(m[2]);
        } else {
            ASSERT_TRUE(
                std::regex_search(e.prompt, m, std::regex("between y = (.*) and the x-axis")));
            f = typedFrom(m[1]);
        }
        const auto meet = crossings(function(f), function(g), -10, 10);
        ASSERT_EQ(meet.size(), 2u) << e.prompt;
        const auto range = parseInterval(std::to_string(meet[0]), std::to_string(meet[1]));
        ASSERT_TRUE(range.ok());
        const AreaBetween area = areaBetween(function(f), function(g), range.value());
        EXPECT_NEAR(area.area, answerOf(e), 1e-5) << e.prompt;
    }
}
