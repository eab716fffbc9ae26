#include "signednumbers/core/integer_expression.h"

#include "kit/core/input_limits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

using namespace signednumbers;

// A random expression built here, written out fully parenthesised where it matters, with its
// value worked out directly on the tree: the evaluator must read it back and agree.
struct Built {
    std::string text;
    std::int64_t value = 0;
};

Built randomExpression(std::mt19937_64& random, int depth) {
    if (depth == 0 || random() % 4 == 0) {
        const std::int64_t n = static_cast<std::int64_t>(random() % 19) - 9;
        return {n < 0 ? "(" + std::to_string(n) + ")" : std::to_string(n), n};
    }
    const Built left = randomExpression(random, depth - 1);
    const Built right = randomExpression(random, depth - 1);
    switch (random() % 6) {
    case 0:
        return {"(" + left.text + " + " + right.text + ")", left.value + right.value};
    case 1:
        return {"(" + left.text + " - " + right.text + ")", left.value - right.value};
    case 2:
        return {left.text + " * " + right.text, left.value * right.value};
    case 3:
        // An exact division: multiply first, then divide by the same non-zero number.
        if (right.value != 0)
            return {"(" + left.text + " * " + right.text + ") / (" + right.text + ")", left.value};
        return {"|" + left.text + "|", left.value < 0 ? -left.value : left.value};
    case 4:
        return {"|" + left.text + " - " + right.text + "|",
                left.value > right.value ? left.value - right.value : right.value - left.value};
    default:
        return {"-(" + left.text + ")", -left.value};
    }
}

TEST(IntegerExpression, AgreesWithTheValueComputedOnRandomTrees) {
    std::mt19937_64 random(2024);
    for (int i = 0; i < 3000; ++i) {
        const Built built = randomExpression(random, 4);
        if (built.text.size() > kit::maxInputLength)
            continue;
        const EvaluationTrace trace = evaluateStepByStep(built.text);
        ASSERT_TRUE(trace.value) << built.text << ": " << trace.error;
        EXPECT_EQ(*trace.value, mpz_class(static_cast<long>(built.value))) << built.text;
        EXPECT_EQ(trace.lines.size(), trace.reasons.size() + 1);
    }
}

TEST(IntegerExpression, FollowsTheOrderOfOperations) {
    struct Case {
        const char* text;
        long value;
    };
    const Case cases[] = {{"2 + 3 * 4", 14},
                          {"20 / 5 * 2", 8},
                          {"20 - 5 - 2", 13},
                          {"-3^2", -9},
                          {"(-3)^2", 9},
                          {"2^3^2", 512},
                          {"-2^3", -8},
                          {"(-2)^3", -8},
                          {"|4 - 9| * 2", 10},
                          {"||-3| - 5|", 2},
                          {"-|-4|", -4},
                          {"3 - -2", 5},
                          {"10 - 2 + 3 * 4", 20},
                          {"8 : 2 x 3", 12},
                          {"7 \xE2\x88\x92 2 \xC3\x97 3", 1},
                          {"12 \xC3\xB7 (-4)", -3},
                          {"+5 - (+2)", 3},
                          {"0^0", 1},
                          {"(((((1)))))", 1},
                          {"-(-(-(7)))", -7}};
    for (const Case& c : cases) {
        const auto parsed = evaluateInteger(c.text);
        ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.error().message;
        EXPECT_EQ(parsed.value(), c.value) << c.text;
    }
}

TEST(IntegerExpression, ShowsEveryIntermediateExpression) {
    const EvaluationTrace trace = evaluateStepByStep("7 - 3 * (2 - 6)");
    const std::vector<std::string> expected{"7 &minus; 3 &times; (2 &minus; 6)",
                                            "7 &minus; 3 &times; (&minus;4)",
                                            "7 &minus; (&minus;12)", "19"};
    EXPECT_EQ(trace.lines, expected);
    ASSERT_EQ(trace.reasons.size(), 3u);
    EXPECT_NE(trace.reasons[1].find("unlike signs"), std::string::npos) << trace.reasons[1];
    EXPECT_NE(trace.reasons[2].find("adding the opposite"), std::string::npos);

    // Multiplication before the earlier subtraction; grouping before both.
    const EvaluationTrace mixed = evaluateStepByStep("10 - 2 + 3 * 4");
    EXPECT_EQ(mixed.lines[1], "10 &minus; 2 + 12");
    // A negative number that follows a sign is bracketed, also as the left operand of a product.
    EXPECT_EQ(evaluateStepByStep("-9 + 18 / (-6) * 2").lines[1], "&minus;9 + (&minus;3) &times; 2");
    const EvaluationTrace grouped = evaluateStepByStep("2 * 3 + (4 + 5)");
    EXPECT_EQ(grouped.lines[1], "2 &times; 3 + 9");
    const EvaluationTrace power = evaluateStepByStep("-3^2 + 1");
    EXPECT_EQ(power.lines[0], "&minus;3<sup>2</sup> + 1");
    // The power first, then the opposite of the power as a step of its own.
    EXPECT_EQ(power.lines[1], "&minus;(9) + 1");
    EXPECT_EQ(power.lines[2], "&minus;9 + 1");
}

TEST(IntegerExpression, RefusesWithAReasonAndThePlace) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {{"7 / 2", "not an integer"},
                          {"1 / (3 - 3)", "division by zero"},
                          {"2^-1", "negative exponent"},
                          {"(2 + 3", "expected ')' at 7"},
                          {"2 + 3)", "unexpected ')' at 6"},
                          {"2 $ 3", "'$' is not part of an integer expression at 3"},
                          {"", "ends too soon"},
                          {"4 +", "ends too soon"},
                          {"|3 - 4", "expected '|'"},
                          {"2 (3)", "expected an operation sign at 3"},
                          {"2^1001", "too large"},
                          {"10^400", "too large"}};
    for (const Case& c : cases) {
        const EvaluationTrace trace = evaluateStepByStep(c.text);
        EXPECT_FALSE(trace.value) << c.text;
        EXPECT_NE(trace.error.find(c.message), std::string::npos) << c.text << ": " << trace.error;
    }
}

TEST(IntegerExpression, InputLimitsAreExact) {
    const std::string longest(kit::maxIntegerDigits, '9');
    ASSERT_TRUE(evaluateInteger(longest).ok());
    EXPECT_EQ(evaluateInteger(longest + " - " + longest).value(), 0);
    EXPECT_FALSE(evaluateInteger(longest + "9").ok());
    // Results may grow past the typed limit up to the result limit.
    EXPECT_TRUE(evaluateInteger(longest + " * " + longest).ok());
    EXPECT_TRUE(evaluateInteger("2^1000").ok());
    EXPECT_TRUE(evaluateInteger("10^399").ok());
    std::string longInput = "1";
    while (longInput.size() + 4 <= kit::maxInputLength)
        longInput += " + 1";
    ASSERT_LE(longInput.size(), kit::maxInputLength);
    EXPECT_EQ(evaluateInteger(longInput).value(), static_cast<long>((longInput.size() + 3) / 4));
    EXPECT_FALSE(evaluateInteger(longInput + std::string(kit::maxInputLength, ' ')).ok());
}

} // namespace
