#include "kit/core/expression_input.h"
#include "kit/core/input_limits.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kit;

namespace {
Expression parsed(const char* text, std::vector<std::string> variables = {"x"}) {
    auto result = Expression::parse(text, variables);
    EXPECT_TRUE(result.ok()) << text << ": " << (result.ok() ? "" : result.error().message);
    return result.value();
}
std::string errorOf(const char* text, std::vector<std::string> variables = {"x"}) {
    auto result = Expression::parse(text, variables);
    return result.ok() ? "(parsed as " + result.value().text() + ")" : result.error().message;
}
} // namespace

TEST(ExpressionInput, FollowsTheUsualPrecedence) {
    EXPECT_DOUBLE_EQ(*parsed("1+2*3").evaluate({}), 7.0);
    EXPECT_DOUBLE_EQ(*parsed("-x^2").evaluate({3}), -9.0);
    EXPECT_DOUBLE_EQ(*parsed("2^-3").evaluate({}), 0.125);
    EXPECT_DOUBLE_EQ(*parsed("2^-3+1").evaluate({}), 1.125);
    EXPECT_DOUBLE_EQ(*parsed("8/2/2").evaluate({}), 2.0);
    EXPECT_DOUBLE_EQ(*parsed("2x(x+1)").evaluate({2}), 12.0);
    EXPECT_DOUBLE_EQ(*parsed("3 sin(x)").evaluate({0}), 0.0);
    EXPECT_NEAR(*parsed("sqrt(2)*sqrt(2)").evaluate({}), 2.0, 1e-12);
    EXPECT_NEAR(*parsed("cos(pi)").evaluate({}), -1.0, 1e-12);
    EXPECT_NEAR(*parsed("ln(e)").evaluate({}), 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(*parsed("x*y - y", {"x", "y"}).evaluate({3, 2}), 4.0);
}

TEST(ExpressionInput, DecimalsStayExact) {
    EXPECT_EQ(parsed("0.75").text(), "3/4");
    EXPECT_TRUE(parsed("0.5x").equivalentTo(parsed("x/2")));
}

TEST(ExpressionInput, ErrorsSayWhatAndWhere) {
    EXPECT_EQ(errorOf("(x+1))"), "unexpected ')' at 6: it closes no bracket");
    EXPECT_EQ(errorOf("(x+1"), "the '(' at 1 is not closed");
    EXPECT_EQ(errorOf("x+"), "the expression ends too early (at 3)");
    EXPECT_EQ(errorOf("x $ 2"), "unexpected '$' at 3");
    EXPECT_EQ(errorOf("2^3^2"),
              "a second '^' at 4: write a^(b^c) or (a^b)^c to say which is meant");
    EXPECT_EQ(errorOf("xy", {"x", "y"}), "unknown name 'xy' at 1: write a product with *, as x*y");
    EXPECT_EQ(errorOf("z+1"), "unknown name 'z' at 1");
    EXPECT_EQ(errorOf("sin x"), "'sin' at 1 needs its argument in brackets, as sin(x)");
    EXPECT_EQ(errorOf("x 2"), "a number right after another term at 3: put an operator such as * "
                              "between them");
    EXPECT_EQ(errorOf("1/0"), "the expression divides by zero");
    EXPECT_EQ(errorOf(""), "expected an expression, but nothing was typed");
}

TEST(ExpressionInput, ExponentsAndExactSizesAreBounded) {
    EXPECT_TRUE(Expression::parse("x^1000", {"x"}).ok());
    EXPECT_EQ(errorOf("x^1001"), "the exponent at 3 is larger than 1000");
    EXPECT_EQ(errorOf("2^(10^4)"), "the exponent at 3 is larger than 1000");
    EXPECT_TRUE(Expression::parse("2^1000", {}).ok());
    EXPECT_EQ(errorOf("(2^1000)^1000"), "the power at 9 is too large for this demonstration");
    EXPECT_EQ(errorOf("((x+1)^1000)^1000"), "the power at 13 is too large for this demonstration");
    EXPECT_FALSE(Expression::parse(std::string(maxInputLength + 1, '1'), {}).ok());
}

TEST(ExpressionInput, EvaluationIsUndefinedWhereTheFunctionIs) {
    EXPECT_FALSE(parsed("1/x").evaluate({0}).has_value());
    EXPECT_FALSE(parsed("sqrt(x)").evaluate({-1}).has_value());
    EXPECT_FALSE(parsed("log(x)").evaluate({0}).has_value());
    EXPECT_DOUBLE_EQ(*parsed("1/x").evaluate({4}), 0.25);
}

TEST(ExpressionInput, EquivalenceAndDerivative) {
    EXPECT_TRUE(parsed("(x+1)^2").equivalentTo(parsed("x^2+2x+1")));
    EXPECT_FALSE(parsed("(x+1)^2").equivalentTo(parsed("x^2+1")));
    EXPECT_TRUE(parsed("(x^2-1)/(x-1)").equivalentTo(parsed("x+1")));
    EXPECT_TRUE(parsed("x^3").derivative(0).equivalentTo(parsed("3x^2")));
}
