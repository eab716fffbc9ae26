// Typed equations of lines and circles: the forms learners write are read, equivalent
// equations are recognised, other curves and garbled text refused with the reason.
#include "gridpoints/core/equation_input.h"

#include <gtest/gtest.h>

using namespace gridpoints;

TEST(EquationInput, LinesAreRecognisedInEveryForm) {
    const Line line = lineThrough({1, -1}, {3, 3}); // y = 2x - 3
    const auto any = expectLine(line, LineForm::Any);
    for (const char* typed : {"y = 2x - 3", "2x - y = 3", "y + 1 = 2(x - 1)", "y=2*x-3",
                              "4x - 2y - 6 = 0", "y - 3 = 2(x - 3)", "-y = -2x + 3",
                              "y = 2\u00b7x \u2212 3", "x = (y + 3)/2", "0.5y = x - 1.5"})
        EXPECT_TRUE(any(typed).correct) << typed << ": " << any(typed).message;
    for (const char* typed : {"y = 2x + 3", "y = -2x - 3", "y = 3 - 2x", "x = 2y - 3"})
        EXPECT_FALSE(any(typed).correct) << typed;
    EXPECT_EQ(any("y = x^2").message, "That is not a line: it has a squared term.");
    EXPECT_EQ(any("2 = 2").message, "That equation has no x or y left: it is not a line.");

    const auto slopeIntercept = expectLine(line, LineForm::SlopeIntercept);
    EXPECT_TRUE(slopeIntercept("y = 2x - 3").correct);
    EXPECT_TRUE(slopeIntercept("y = -3 + 2x").correct);
    EXPECT_EQ(slopeIntercept("2x - y = 3").message,
              "The right line, but write it in slope-intercept form y = mx + b.");
    EXPECT_TRUE(expectLine(lineThrough({2, 0}, {2, 5}), LineForm::SlopeIntercept)("x = 2").correct);
    EXPECT_TRUE(
        expectLine(lineThrough({0, 1}, {2, 2}), LineForm::SlopeIntercept)("y = 1/2x + 1").correct);
    EXPECT_TRUE(
        expectLine(lineThrough({0, 1}, {2, 2}), LineForm::SlopeIntercept)("y = x/2 + 1").correct);
}

TEST(EquationInput, CirclesAreRecognisedExpandedOrNot) {
    const auto check = expectCircle({2, -1}, 25);
    for (const char* typed : {"(x - 2)^2 + (y + 1)^2 = 25", "(x-2)\u00b2+(y+1)\u00b2=25",
                              "x^2 + y^2 - 4x + 2y - 20 = 0", "x^2 - 4x + 4 + y^2 + 2y + 1 = 25",
                              "2x^2 + 2y^2 = 8x - 4y + 40"})
        EXPECT_TRUE(check(typed).correct) << typed << ": " << check(typed).message;
    EXPECT_FALSE(check("(x - 2)^2 + (y + 1)^2 = 5").correct);
    EXPECT_FALSE(check("(x + 2)^2 + (y - 1)^2 = 25").correct);
    EXPECT_EQ(check("y = 2x").message, "A circle's equation has x\u00b2 and y\u00b2 in it.");
}

TEST(EquationInput, GarbledEquationsAreRefusedWithTheReason) {
    EXPECT_EQ(parseEquation("2x + 3").error().message, "an equation needs an = sign");
    EXPECT_EQ(parseEquation("y = 2x = 3").error().message, "only one = sign is expected");
    EXPECT_EQ(parseEquation("y = x^3").error().message,
              "only the exponents 0, 1 and 2 are used here");
    EXPECT_NE(parseEquation("y = x*x*x").error().message.find("degree more than 2"),
              std::string::npos);
    EXPECT_NE(parseEquation("x/y = 1").error().message.find("division by an expression"),
              std::string::npos);
    EXPECT_NE(parseEquation("y = 2/0").error().message.find("division by zero"), std::string::npos);
    EXPECT_EQ(parseEquation("y = 2x +").error().message, "the equation ends too early");
    EXPECT_NE(parseEquation("y = (2x").error().message.find("not closed"), std::string::npos);
    EXPECT_NE(parseEquation("y = 2z").error().message.find("'z'"), std::string::npos);
    EXPECT_FALSE(parseEquation(std::string(100, '(') + "x" + std::string(100, ')') + " = 1").ok());
    EXPECT_FALSE(parseEquation("").ok());
    EXPECT_FALSE(parseEquation("y = 1..2").ok());
}

TEST(EquationInput, PointsSayWhichCoordinateIsWrong) {
    const auto check = expectPoint({3, mpq_class(-1, 2)});
    EXPECT_TRUE(check("(3, -1/2)").correct);
    EXPECT_TRUE(check("(6/2, -0.5)").correct);
    EXPECT_EQ(check("(3, 1/2)").message, "The x coordinate is right, the y coordinate is not.");
    EXPECT_EQ(check("(-1/2, 3)").message, "The coordinates are swapped: x comes first.");
    EXPECT_FALSE(check("3").correct);
}
