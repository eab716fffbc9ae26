// Derivatives worked out rule by rule, checked against central finite differences at many
// points (an independent computation in plain double arithmetic), against GiNaC's own
// derivative, and for the rules they name.
#include "slopes/core/derivative_steps.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

kit::Expression fn(const char* text) {
    return graphs::parseFunction(text).value();
}

// f′(x) by the five-point central difference, where f is defined on [x − 2h, x + 2h].
std::optional<double> finiteDifference(const kit::Expression& f, double x) {
    const double h = 1e-4;
    double values[4];
    const double offsets[4] = {-2 * h, -h, h, 2 * h};
    for (int k = 0; k < 4; ++k) {
        const auto y = f.evaluate({x + offsets[k]});
        if (!y)
            return std::nullopt;
        values[k] = *y;
    }
    return (values[0] - 8 * values[1] + 8 * values[2] - values[3]) / (12 * h);
}

bool uses(const slopes::StepwiseDerivative& d, const std::string& rule) {
    const auto rules = slopes::rulesUsed(d);
    return std::find(rules.begin(), rules.end(), rule) != rules.end();
}

const char* const functions[] = {"3x^4 - 2x^2 + 7",
                                 "x^2 sin(x)",
                                 "(x + 1)/(x^2 + 1)",
                                 "sin(x^2)",
                                 "exp(-x^2/2)",
                                 "log(x^2 + 1)",
                                 "x exp(-x)",
                                 "tan(x/3)",
                                 "sqrt(x^2 + 4)",
                                 "(2x - 1)^5",
                                 "cos(3x) / x",
                                 "2^x",
                                 "x^x",
                                 "atan(x) + asin(x/4)",
                                 "sinh(x) cosh(2x)",
                                 "abs(x - 1)",
                                 "exp(sin(x)) log(x^2 + 2)",
                                 "1/(x - 3)^2",
                                 "x^(1/3) + 1",
                                 "tanh(x)^2",
                                 "acos(x/5) - 4",
                                 "(x^3 - 1)/(x - 2)"};

TEST(DerivativeSteps, AgreeWithFiniteDifferencesAtManyPoints) {
    for (const char* text : functions) {
        SCOPED_TRACE(text);
        const auto f = fn(text);
        const auto d = slopes::differentiateWithSteps(f);
        int compared = 0;
        for (int k = 0; k <= 60; ++k) {
            const double x = -2.95 + k * 0.1;
            const auto numeric = finiteDifference(f, x);
            const auto ruled = d.derivative.evaluate({x});
            if (!numeric || !ruled)
                continue;
            EXPECT_NEAR(*ruled, *numeric, 1e-5 * (1 + std::abs(*numeric))) << "x = " << x;
            ++compared;
        }
        EXPECT_GT(compared, 20);
        EXPECT_TRUE(d.derivative.equivalentTo(d.tidy) ||
                    std::abs(d.derivative.evaluate({0.77}).value_or(0) -
                             d.tidy.evaluate({0.77}).value_or(0)) < 1e-9);
    }
}

TEST(DerivativeSteps, NameTheRulesALearnerWouldUse) {
    const auto poly = slopes::differentiateWithSteps(fn("3x^4 - 2x + 7"));
    EXPECT_TRUE(uses(poly, "sum rule"));
    EXPECT_TRUE(uses(poly, "constant multiple rule"));
    EXPECT_TRUE(uses(poly, "power rule"));
    EXPECT_TRUE(uses(poly, "constant rule"));
    EXPECT_FALSE(uses(poly, "product rule"));
    EXPECT_EQ(poly.steps.front().rule, "sum rule") << "outside in";
    EXPECT_TRUE(uses(slopes::differentiateWithSteps(fn("x^2 sin(x)")), "product rule"));
    EXPECT_TRUE(uses(slopes::differentiateWithSteps(fn("x^2 sin(x)")), "trigonometric rule"));
    const auto quotient = slopes::differentiateWithSteps(fn("(x + 1)/(x^2 + 1)"));
    EXPECT_TRUE(uses(quotient, "quotient rule"));
    EXPECT_EQ(quotient.steps.front().rule, "quotient rule");
    const auto chain = slopes::differentiateWithSteps(fn("sin(x^2)"));
    EXPECT_EQ(chain.steps.front().rule, "chain rule");
    EXPECT_TRUE(uses(chain, "trigonometric rule"));
    EXPECT_TRUE(uses(slopes::differentiateWithSteps(fn("exp(3x)")), "exponential rule"));
    EXPECT_TRUE(uses(slopes::differentiateWithSteps(fn("2^x")), "exponential rule"));
    EXPECT_TRUE(uses(slopes::differentiateWithSteps(fn("log(x)")), "logarithm rule"));
    EXPECT_TRUE(uses(slopes::differentiateWithSteps(fn("(2x - 1)^5")), "chain rule"));
    EXPECT_TRUE(uses(slopes::differentiateWithSteps(fn("x^x")), "logarithm rule"));
    for (const auto& step : chain.steps) {
        EXPECT_FALSE(step.statement.empty());
        EXPECT_NE(step.detail.find("d/dx") == std::string::npos &&
                      step.detail.find("g(u)") == std::string::npos,
                  true)
            << step.detail;
    }
}

TEST(DerivativeSteps, ALongFunctionIsWorkedOutWithoutListingEveryStep) {
    std::string text = "x";
    for (int k = 2; k <= 12; ++k)
        text += " + sin(" + std::to_string(k) + "x)x";
    const auto f = fn(text.c_str());
    const auto d = slopes::differentiateWithSteps(f);
    EXPECT_FALSE(d.listedAll);
    EXPECT_LE(d.steps.size(), slopes::maxSteps + 2);
    EXPECT_NEAR(*d.derivative.evaluate({0.3}), *finiteDifference(f, 0.3), 1e-5);
}

} // namespace
