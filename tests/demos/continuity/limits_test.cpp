// One-sided limits and limits at infinity: the series way and the numeric way against
// hand-worked values and against tables computed here in plain double arithmetic.
#include "continuity/core/limit_point.h"
#include "continuity/core/limit_report.h"
#include "continuity/core/numeric_limit.h"

#include "graphs/core/function_algebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using continuity::Infinity;
using continuity::Limit;
using continuity::Side;
using Kind = continuity::Limit::Kind;

kit::Expression fn(const char* text) {
    return graphs::parseFunction(text).value();
}
kit::Expression at(const char* text) {
    return continuity::parsePoint(text).value();
}

struct Case {
    const char* f;
    const char* a;
    Side side;
    Kind kind;
    double value;
    const char* exact; // the series' exact value, "-" an infinite one, "" no expansion
};

class OneSided : public ::testing::TestWithParam<Case> {};

TEST_P(OneSided, SeriesAndTableFindTheHandWorkedLimit) {
    const Case c = GetParam();
    SCOPED_TRACE(std::string(c.f) + " at " + c.a);
    const auto report = continuity::studyLimit(fn(c.f), at(c.a), c.side);
    EXPECT_EQ(report.best().kind, c.kind) << continuity::limitText(report.best());
    EXPECT_EQ(report.numeric.kind, c.kind) << continuity::limitText(report.numeric);
    if (c.kind == Kind::Finite) {
        EXPECT_NEAR(report.best().value, c.value, 1e-9);
        EXPECT_NEAR(report.numeric.value, c.value, 1e-5 * (1 + std::abs(c.value)));
    }
    if (*c.exact) {
        ASSERT_TRUE(report.exact.found) << report.exact.note;
        if (std::string(c.exact) != "-") { // "-": found, and infinite
            EXPECT_EQ(report.exact.found->exactText, c.exact);
        }
        EXPECT_TRUE(report.agree);
    } else {
        EXPECT_FALSE(report.exact.found);
        EXPECT_FALSE(report.exact.note.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, OneSided,
    ::testing::Values(Case{"sin(x)/x", "0", Side::Left, Kind::Finite, 1, "1"},
                      Case{"sin(x)/x", "0", Side::Right, Kind::Finite, 1, "1"},
                      Case{"(x^2 - 1)/(x - 1)", "1", Side::Left, Kind::Finite, 2, "2"},
                      Case{"(1 - cos(x))/x^2", "0", Side::Right, Kind::Finite, 0.5, "1/2"},
                      Case{"(sqrt(x + 4) - 2)/x", "0", Side::Left, Kind::Finite, 0.25, "1/4"},
                      Case{"(exp(x) - 1)/x", "0", Side::Right, Kind::Finite, 1, "1"},
                      Case{"(x^3 - 8)/(x - 2)", "2", Side::Right, Kind::Finite, 12, "12"},
                      Case{"sin(x)", "pi/2", Side::Left, Kind::Finite, 1, "1"},
                      Case{"abs(x - 2)/(x - 2)", "2", Side::Left, Kind::Finite, -1, "-1"},
                      Case{"abs(x - 2)/(x - 2)", "2", Side::Right, Kind::Finite, 1, "1"},
                      Case{"1/x", "0", Side::Left, Kind::MinusInfinity, 0, "-"},
                      Case{"1/x", "0", Side::Right, Kind::PlusInfinity, 0, "-"},
                      Case{"1/(x - 1)^2", "1", Side::Left, Kind::PlusInfinity, 0, "-"},
                      Case{"x*log(x)", "0", Side::Right, Kind::Finite, 0, ""},
                      Case{"log(x)", "0", Side::Right, Kind::MinusInfinity, 0, ""},
                      Case{"sqrt(x)", "0", Side::Right, Kind::Finite, 0, ""},
                      Case{"sqrt(x)", "0", Side::Left, Kind::NotDefined, 0, ""},
                      Case{"sin(1/x)", "0", Side::Right, Kind::NoLimit, 0, ""}));

TEST(OneSidedInfinite, TheSeriesGivesTheSignOfTheLeadingTerm) {
    const auto left = continuity::seriesLimit(fn("1/x^3"), at("0"), Side::Left);
    ASSERT_TRUE(left.found);
    EXPECT_EQ(left.found->kind, Kind::MinusInfinity);
    const auto right = continuity::seriesLimit(fn("-2/(x - 3)"), at("3"), Side::Right);
    ASSERT_TRUE(right.found);
    EXPECT_EQ(right.found->kind, Kind::MinusInfinity);
}

// A table made here in double arithmetic at h = 10^-4 ... 10^-6 (where rounding is still far
// below the distance to the limit) brackets the computed limit.
TEST(AgainstPlainTables, LimitsMatchDoubleTablesOfTheSameFunctions) {
    struct Plain {
        const char* f;
        double a;
        std::function<double(double)> g;
    };
    const std::vector<Plain> cases{
        {"sin(3x)/(2x)", 0, [](double x) { return std::sin(3 * x) / (2 * x); }},
        {"(2^x - 1)/x", 0, [](double x) { return (std::pow(2, x) - 1) / x; }},
        {"(x^4 - 81)/(x - 3)", 3, [](double x) { return (std::pow(x, 4) - 81) / (x - 3); }},
        {"tan(x)/x", 0, [](double x) { return std::tan(x) / x; }},
        {"(cos(x) - 1)/(x sin(x))", 0,
         [](double x) { return (std::cos(x) - 1) / (x * std::sin(x)); }},
        {"atan(x)/x", 0, [](double x) { return std::atan(x) / x; }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.f);
        for (Side side : {Side::Left, Side::Right}) {
            const auto report = continuity::studyLimit(
                fn(c.f), at(std::to_string(static_cast<int>(c.a)).c_str()), side);
            ASSERT_EQ(report.best().kind, Kind::Finite);
            const double sign = side == Side::Left ? -1 : 1;
            for (double h : {1e-4, 1e-5, 1e-6})
                EXPECT_NEAR(report.best().value, c.g(c.a + sign * h), 100 * h);
            EXPECT_TRUE(report.agree);
        }
    }
}

TEST(AtInfinity, QuotientsRootsAndExponentials) {
    const auto quotient =
        continuity::studyLimitAtInfinity(fn("(3x^2 + 1)/(2x^2 - 5)"), Infinity::Plus);
    ASSERT_TRUE(quotient.exact.found);
    EXPECT_EQ(quotient.exact.found->exactText, "3/2");
    EXPECT_NEAR(quotient.numeric.value, 1.5, 1e-9);
    const auto root = continuity::studyLimitAtInfinity(fn("sqrt(x^2 + x) - x"), Infinity::Plus);
    EXPECT_EQ(root.best().kind, Kind::Finite);
    EXPECT_NEAR(root.best().value, 0.5, 1e-6);
    EXPECT_EQ(continuity::studyLimitAtInfinity(fn("exp(x)"), Infinity::Plus).best().kind,
              Kind::PlusInfinity);
    EXPECT_NEAR(continuity::studyLimitAtInfinity(fn("exp(x)"), Infinity::Minus).best().value, 0,
                1e-12);
    EXPECT_EQ(continuity::studyLimitAtInfinity(fn("x^3 - x"), Infinity::Minus).best().kind,
              Kind::MinusInfinity);
    EXPECT_EQ(continuity::studyLimitAtInfinity(fn("log(x)"), Infinity::Plus).best().kind,
              Kind::PlusInfinity);
    EXPECT_EQ(continuity::studyLimitAtInfinity(fn("sin(x)"), Infinity::Plus).best().kind,
              Kind::NoLimit);
    const auto e = continuity::studyLimitAtInfinity(fn("(1 + 1/x)^x"), Infinity::Plus);
    EXPECT_NEAR(e.best().value, std::exp(1.0), 1e-6);
}

TEST(Tables, RowsApproachFromTheirSideAndAreExactlyPlaced) {
    const auto left = continuity::approachTable(fn("(x^2 - 1)/(x - 1)"), at("1"), Side::Left, 8);
    ASSERT_EQ(left.size(), 8u);
    for (std::size_t k = 0; k < left.size(); ++k) {
        EXPECT_DOUBLE_EQ(left[k].x, 1 - std::pow(10.0, -static_cast<double>(k + 1)));
        ASSERT_TRUE(left[k].y);
        EXPECT_NEAR(*left[k].y, left[k].x + 1, 1e-15); // (x^2 - 1)/(x - 1) = x + 1
    }
    const auto far = continuity::infinityTable(fn("x^50"), Infinity::Minus, 8);
    EXPECT_TRUE(std::isinf(*far[7].y)); // 10^400 is beyond a double: kept as infinite
    EXPECT_FALSE(continuity::approachTable(fn("sqrt(-x - 1)"), at("0"), Side::Right, 4)[0].y);
}

TEST(BadInput, HostileFunctionsEndWithAnAnswerOrAReason) {
    // Nested functions, huge powers and functions undefined everywhere: no exception, no hang.
    for (const char* f : {"sin(sin(sin(sin(sin(sin(sin(sin(sin(sin(x))))))))))/x",
                          "exp(exp(exp(exp(x))))", "(x + 1)^1000/(x^999 + 1)", "sqrt(-1 - x^2)",
                          "log(-abs(x) - 1)", "x^x", "exp(1/x)", "sin(1/x)/x"}) {
        SCOPED_TRACE(f);
        for (Side side : {Side::Left, Side::Right}) {
            const auto report = continuity::studyLimit(fn(f), at("0"), side);
            EXPECT_FALSE(continuity::limitText(report.best()).empty());
            if (!report.exact.found) {
                EXPECT_FALSE(report.exact.note.empty());
            }
        }
        EXPECT_FALSE(
            continuity::limitText(continuity::studyLimitAtInfinity(fn(f), Infinity::Plus).best())
                .empty());
    }
    const auto high = continuity::studyLimit(fn("sin(x)^1000/x^1000"), at("0"), Side::Right);
    EXPECT_FALSE(high.exact.found) << "refused as too large, kept numeric";
    EXPECT_NEAR(high.best().value, 1, 1e-6);
    EXPECT_EQ(continuity::studyLimit(fn("sqrt(-1 - x^2)"), at("0"), Side::Left).best().kind,
              Kind::NotDefined);
    EXPECT_EQ(continuity::studyLimit(fn("exp(1/x)"), at("0"), Side::Left).best().value, 0);
    EXPECT_EQ(continuity::studyLimit(fn("exp(1/x)"), at("0"), Side::Right).best().kind,
              Kind::PlusInfinity);
}

TEST(BadInput, PointsThatAreNoRealNumberAreRefusedWithAReason) {
    EXPECT_FALSE(continuity::parsePoint("sqrt(-2)").ok());
    EXPECT_FALSE(continuity::parsePoint("x").ok());
    EXPECT_FALSE(continuity::parsePoint("1/0").ok());
    EXPECT_FALSE(continuity::parsePoint("(2").error().message.empty());
    EXPECT_FALSE(continuity::parsePoint(std::string(300, '1')).ok());
    EXPECT_NEAR(continuity::pointValue(at("pi/4")), std::atan(1.0), 1e-15);
}

} // namespace
