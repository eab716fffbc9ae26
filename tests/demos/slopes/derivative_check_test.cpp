// The check of a typed derivative: equivalent forms accepted (by algebra or, for identities
// the algebra misses, at random points), wrong ones refused with a point where they differ,
// and bad input explained.
#include "slopes/core/derivative_check.h"

#include "graphs/core/function_algebra.h"

#include "kit/core/input_limits.h"

#include <gtest/gtest.h>

namespace {

kit::Expression fn(const char* text) {
    return graphs::parseFunction(text).value();
}

TEST(DerivativeCheck, EquivalentFormsAreAccepted) {
    const auto f = fn("(x + 1)^2");
    for (const char* typed : {"2x + 2", "2(x + 1)", "f'(x) = 2*(1 + x)", "y' = x + x + 2"})
        EXPECT_TRUE(slopes::checkDerivative(typed, f).correct) << typed;
    // 2 sin x cos x is sin(2x)' / 1 ... the algebra does not know it; the points do.
    EXPECT_TRUE(slopes::checkDerivative("2sin(x)cos(x)", fn("sin(x)^2")).correct);
    EXPECT_TRUE(slopes::checkDerivative("sin(2x)", fn("sin(x)^2")).correct);
    EXPECT_TRUE(slopes::checkDerivative("1/cos(x)^2", fn("tan(x)")).correct);
    EXPECT_TRUE(slopes::checkDerivative("1 + tan(x)^2", fn("tan(x)")).correct);
}

TEST(DerivativeCheck, WrongDerivativesAreRefusedWithAPointWhereTheyDiffer) {
    const auto f = fn("x^2 sin(x)");
    for (const char* typed : {"2x cos(x)", "2x sin(x)", "x^2 cos(x)", "2x sin(x) - x^2 cos(x)"}) {
        const kit::Verdict v = slopes::checkDerivative(typed, f);
        EXPECT_FALSE(v.correct) << typed;
        EXPECT_NE(v.message.find("at x = "), std::string::npos) << v.message;
    }
    EXPECT_FALSE(slopes::checkDerivative("2x + 1", fn("(x + 1)^2")).correct);
}

TEST(DerivativeCheck, BadInputIsExplainedNotThrown) {
    const auto f = fn("x^3");
    for (const std::string& typed :
         {std::string(""), std::string("3x^"), std::string("3x^2)"), std::string("3y^2"),
          std::string(kit::maxInputLength + 50, 'x'), std::string("1/0"), std::string("x^^2")}) {
        const kit::Verdict v = slopes::checkDerivative(typed, f);
        EXPECT_FALSE(v.correct) << typed;
        EXPECT_FALSE(v.message.empty()) << typed;
    }
    const kit::Verdict misplaced = slopes::checkDerivative("3x^2)", f);
    EXPECT_NE(misplaced.message.find("5"), std::string::npos) << misplaced.message;
    // A function with no values where the points are tried.
    EXPECT_FALSE(slopes::checkDerivative("0", fn("sqrt(-x^2 - 1)")).correct);
}

} // namespace
