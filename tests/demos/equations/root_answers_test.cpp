// Typed lists of roots: rational roots checked by substitution with the value of p named when
// a number is not a root, exact roots checked against the quadratic formula, approximations and
// repetitions refused with their reasons.
#include "equations/core/root_answers.h"

#include "equations/core/exercises.h"

#include <gtest/gtest.h>

#include <regex>

using namespace equations;

namespace {

Polynomial read(const char* text) {
    return parsePolynomial(text).value();
}

} // namespace

TEST(RationalRootAnswers, OrderAndSpellingDoNotMatterButEveryRootMustBeThereOnce) {
    const Polynomial p = read("2x^3 + 3x^2 - 1"); // (x + 1)^2 (2x - 1)
    const auto check = expectRationalRoots(p, {-1, mpq_class(1, 2)});
    EXPECT_TRUE(check("-1, 1/2").correct);
    EXPECT_TRUE(check("0.5; -1").correct);
    EXPECT_TRUE(check(" 2/4 , -1 ").correct);
    EXPECT_EQ(check("-1, -1, 1/2").message, "write each root once (-1 is given twice)");
    EXPECT_EQ(check("1, 1/2").message, "1 is not a root: p(1) = 4");
    EXPECT_NE(check("-1").message.find("one is missing: there are 2 distinct real roots"),
              std::string::npos);
    EXPECT_NE(check("none").message.find("there are real roots"), std::string::npos);
    EXPECT_EQ(check("-1,,1/2").message, "a root is missing between two commas");
    EXPECT_FALSE(check("x = -1").correct);
    EXPECT_FALSE(check(std::string(250, '1')).correct);
}

TEST(ExactRootAnswers, SurdsAreComparedByValueAndDecimalsRefused) {
    const auto roots = realRoots(factorOverRationals(read("x^2 + 3x + 1")));
    const auto check = expectExactRoots(roots);
    EXPECT_TRUE(check("(-3 - sqrt(5))/2, (-3 + sqrt(5))/2").correct);
    EXPECT_TRUE(check("-3/2 + sqrt(5)/2, -3/2 - sqrt(20)/4").correct);
    EXPECT_NE(check("-0.381966, -2.618034").message.find("exact"), std::string::npos);
    EXPECT_NE(check("(-3 + sqrt(5))/2").message.find("missing"), std::string::npos);
    EXPECT_NE(check("(-3 + sqrt(5))/2, (3 + sqrt(5))/2").message.find("not a root"),
              std::string::npos);
    EXPECT_NE(check("sqrt(-5)").message.find("not a real number"), std::string::npos);
    EXPECT_FALSE(check("none").correct);
    const auto none = expectExactRoots({});
    EXPECT_TRUE(none("none").correct);
    EXPECT_TRUE(none("No real roots").correct);
    EXPECT_EQ(none("1").message, "there are no real roots");
}

TEST(PolynomialText, TermsAreWrittenAsOnPaper) {
    EXPECT_EQ(read("x^3 - x").typed(), "x^3 - x");
    EXPECT_EQ(read("-2x^2 + 1/3").html(), "&minus;2x<sup>2</sup> + 1/3");
    EXPECT_EQ(read("3/4 x").typed(), "(3/4)*x");
    EXPECT_EQ(read("0").typed(), "0");
    EXPECT_EQ(numberHtml(mpq_class(-5, 2)), "&minus;5/2");
    // The typed form reads back as the same polynomial.
    for (const char* text : {"x^5 - 7/3 x^2 + 0.5", "-(x-1)^3", "12", "x^12 - x"})
        EXPECT_EQ(read(read(text).typed().c_str()), read(text)) << text;
}

TEST(WorkedSolutions, TheSignChartStepShowsEveryCriticalPointOfTheExercise) {
    for (kit::Seed seed = 0; seed < 60; ++seed) {
        const kit::Exercise e = rationalInequalityExercise(seed);
        std::string chart;
        for (const auto& step : e.solutionSteps)
            if (step.find("<table") != std::string::npos)
                chart = step;
        ASSERT_FALSE(chart.empty()) << e.prompt;
        EXPECT_NE(chart.find("undef."), std::string::npos) << "the denominator's zero is marked";
        EXPECT_NE(chart.find("quotient"), std::string::npos);
    }
}
