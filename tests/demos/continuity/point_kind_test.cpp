// The kind of discontinuity found at a point, against functions whose behaviour is known by
// hand, and the ε–δ test against the δ worked out by hand.
#include "continuity/core/epsilon_delta.h"
#include "continuity/core/limit_point.h"
#include "continuity/core/point_kind.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

namespace {

using continuity::PointKind;

kit::Expression fn(const char* text) {
    return graphs::parseFunction(text).value();
}

PointKind kindAt(const char* f, const char* a) {
    return continuity::studyPoint(fn(f), continuity::parsePoint(a).value()).kind;
}

TEST(PointKind, EachKindIsFoundWhereItIsKnownToBe) {
    EXPECT_EQ(kindAt("x^2 - 3", "2"), PointKind::Continuous);
    EXPECT_EQ(kindAt("sin(x)", "pi"), PointKind::Continuous);
    EXPECT_EQ(kindAt("(x^2 - 1)/(x - 1)", "1"), PointKind::Removable);
    EXPECT_EQ(kindAt("sin(x)/x", "0"), PointKind::Removable);
    EXPECT_EQ(kindAt("abs(x - 2)/(x - 2) + x", "2"), PointKind::Jump);
    EXPECT_EQ(kindAt("3abs(x)/x", "0"), PointKind::Jump);
    EXPECT_EQ(kindAt("1/(x - 1)^2", "1"), PointKind::Infinite);
    EXPECT_EQ(kindAt("1/x", "0"), PointKind::Infinite);
    EXPECT_EQ(kindAt("tan(x)", "pi/2"), PointKind::Infinite);
    EXPECT_EQ(kindAt("sin(1/x)", "0"), PointKind::Other);
    EXPECT_EQ(kindAt("sqrt(x)", "0"), PointKind::Other);
}

TEST(PointKind, TheExplanationNamesTheLimitsFound) {
    const auto study =
        continuity::studyPoint(fn("abs(x - 2)/(x - 2) + x"), continuity::parsePoint("2").value());
    EXPECT_NE(study.explanation.find("1"), std::string::npos);
    EXPECT_NE(study.explanation.find("3"), std::string::npos);
    EXPECT_NE(study.explanation.find("jump"), std::string::npos);
    EXPECT_FALSE(study.value); // 0/0 at a itself
    const auto removable =
        continuity::studyPoint(fn("(x^2 - 4)/(x - 2)"), continuity::parsePoint("2").value());
    EXPECT_NE(removable.explanation.find("f(a) = 4"), std::string::npos) << removable.explanation;
}

} // namespace
