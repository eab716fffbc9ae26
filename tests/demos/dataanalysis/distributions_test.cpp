// The distributions against published table values, and the chi-square tests against counts
// worked by hand.
#include "dataanalysis/core/chi_square.h"
#include "dataanalysis/core/distributions.h"
#include "dataanalysis/core/least_squares.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dataanalysis;

TEST(Distributions, TableValuesOfChiSquareNormalAndT) {
    EXPECT_NEAR(chiSquareCritical(0.05, 1), 3.841, 0.0005);
    EXPECT_NEAR(chiSquareCritical(0.01, 10), 23.209, 0.0005);
    EXPECT_NEAR(chiSquareCritical(0.05, 5), 11.070, 0.0005);
    EXPECT_NEAR(chiSquareCritical(0.10, 2), 4.605, 0.0005);
    EXPECT_NEAR(chiSquareUpperTail(3.841459, 1), 0.05, 1e-6);
    EXPECT_NEAR(chiSquareUpperTail(2, 2), std::exp(-1.0), 1e-12); // df 2: P = e^(-x/2)
    EXPECT_DOUBLE_EQ(chiSquareUpperTail(0, 3), 1.0);
    EXPECT_NEAR(normalQuantile(0.975), 1.959964, 1e-6);
    EXPECT_NEAR(tQuantile(0.975, 10), 2.228, 0.0005);
    EXPECT_NEAR(chiSquareDensity(1, 2), 0.5 * std::exp(-0.5), 1e-12);
}

TEST(Distributions, ArgumentsOutOfRangeAreRefusedWithTheCoursesError) {
    EXPECT_THROW(chiSquareCritical(0, 3), std::domain_error);
    EXPECT_THROW(chiSquareCritical(1, 3), std::domain_error);
    EXPECT_THROW(chiSquareCritical(0.05, 0), std::domain_error);
    EXPECT_THROW(chiSquareUpperTail(2, std::nan("")), std::domain_error);
    EXPECT_THROW(normalQuantile(1.5), std::domain_error);
}

TEST(ChiSquare, GoodnessOfFitOfADie) {
    // 120 throws: E = 20 each; contributions 25/20, 25/20, 4/20, 4/20, 9/20, 9/20.
    const auto r = goodnessOfFit({15, 25, 18, 22, 17, 23}, {1, 1, 1, 1, 1, 1}, 0.05);
    EXPECT_EQ(r.statistic, mpq_class(19, 5));
    EXPECT_EQ(r.cells[0][1].contribution, mpq_class(5, 4));
    EXPECT_EQ(r.degreesOfFreedom, 5);
    EXPECT_FALSE(r.reject);
    EXPECT_NEAR(r.criticalValue, 11.070, 0.0005);
    EXPECT_NE(r.conclusion.find("do not reject"), std::string::npos);
    EXPECT_TRUE(r.warning.empty());
    // Expected counts given as counts give the same test as proportions.
    EXPECT_EQ(goodnessOfFit({15, 25, 18, 22, 17, 23}, {20, 20, 20, 20, 20, 20}, 0.05).statistic,
              r.statistic);
}

TEST(ChiSquare, ProportionsAreScaledToTheTotalAndAStrongMisfitIsRejected) {
    // 3 : 1 expected (Mendel): 100 plants, E = 75 and 25; O = 60 and 40: 225/75 + 225/25 = 12.
    const auto r = goodnessOfFit({60, 40}, {mpq_class(3, 4), mpq_class(1, 4)}, 0.01);
    EXPECT_EQ(r.statistic, 12);
    EXPECT_TRUE(r.reject);
    EXPECT_NEAR(r.pValue, 0.000532, 0.000005);
    EXPECT_NE(r.conclusion.find("reject the null hypothesis at the 0.01 level"), std::string::npos);
}

TEST(ChiSquare, IndependenceInATwoByThreeTable) {
    // Row totals 60, 60; column totals 50, 45, 25; N = 120.
    const auto r = independence({{30, 20, 10}, {20, 25, 15}}, 0.05);
    EXPECT_EQ(r.cells[0][0].expected, 25);
    EXPECT_EQ(r.cells[1][1].expected, mpq_class(45, 2));
    EXPECT_EQ(r.statistic, mpq_class(32, 9));
    EXPECT_EQ(r.degreesOfFreedom, 2);
    EXPECT_NEAR(r.pValue, std::exp(-16.0 / 9), 1e-12);
    EXPECT_FALSE(r.reject);
}

TEST(ChiSquare, SmallExpectedCountsAreWarnedAbout) {
    const auto r = independence({{1, 2}, {3, 4}}, 0.05);
    EXPECT_EQ(r.smallExpected, 4);
    EXPECT_NE(r.warning.find("below 5"), std::string::npos);
}

TEST(ChiSquare, BadTablesAreRefusedWithAReason) {
    EXPECT_THROW(goodnessOfFit({1, -2}, {1, 1}, 0.05), std::invalid_argument);
    EXPECT_THROW(goodnessOfFit({mpq_class(1, 2), 3}, {1, 1}, 0.05), std::invalid_argument);
    EXPECT_THROW(goodnessOfFit({1, 2}, {1, 0}, 0.05), std::invalid_argument);
    EXPECT_THROW(goodnessOfFit({1, 2, 3}, {1, 1}, 0.05), std::invalid_argument);
    EXPECT_THROW(goodnessOfFit({0, 0}, {1, 1}, 0.05), std::invalid_argument);
    EXPECT_THROW(goodnessOfFit({1, 2}, {1, 1}, 1.5), std::invalid_argument);
    EXPECT_THROW(independence({{1, 2}}, 0.05), std::invalid_argument);
    EXPECT_THROW(independence({{1, 2}, {3}}, 0.05), std::invalid_argument);
    EXPECT_THROW(independence({{0, 0}, {3, 4}}, 0.05), std::invalid_argument);
}

TEST(LeastSquares, AllFourOfAnscombesSetsGiveTheSameLineAndR) {
    for (int set = 1; set <= 4; ++set) {
        SCOPED_TRACE(set);
        const auto points = anscombe(set);
        const Regression fit = fitLine(points);
        EXPECT_NEAR(fit.meanX, 9.0, 1e-9);
        EXPECT_NEAR(fit.meanY, 7.50, 0.005);
        EXPECT_NEAR(fit.intercept, 3.00, 0.005);
        EXPECT_NEAR(fit.slope, 0.500, 0.0005);
        EXPECT_NEAR(fit.r, 0.816, 0.001); // 0.81642 to 0.81652
        double squares = 0;
        for (double e : fit.residuals)
            squares += e * e;
        EXPECT_NEAR(squares, fit.sumSquaredResiduals, 1e-9);
    }
}

TEST(LeastSquares, ExactLinesAndAnyOtherLineLeavesMoreSquares) {
    const ExactLine line = exactFit({1, 2, 3}, {2, 3, 5});
    EXPECT_EQ(line.slope, mpq_class(3, 2));
    EXPECT_EQ(line.intercept, mpq_class(1, 3));
    const std::vector<DataPoint> points{{1, 2}, {2, 3}, {3, 5}};
    const Regression fit = fitLine(points);
    const auto squares = [&](double a, double b) {
        double total = 0;
        for (const auto& p : points)
            total += (p.y - a - b * p.x) * (p.y - a - b * p.x);
        return total;
    };
    for (double da : {-0.1, 0.0, 0.1})
        for (double db : {-0.1, 0.0, 0.1})
            if (da != 0 || db != 0) {
                EXPECT_GT(squares(fit.intercept + da, fit.slope + db), fit.sumSquaredResiduals);
            }
    EXPECT_NEAR(fit.r, 3 / std::sqrt(2.0 * 14.0 / 3.0), 1e-12);
}

TEST(LeastSquares, PredictionWarnsOutsideTheDataAndDegenerateDataAreRefused) {
    const std::vector<DataPoint> points{{1, 2}, {2, 3}, {3, 5}};
    const Regression fit = fitLine(points);
    EXPECT_TRUE(predict(fit, points, 2.5).warning.empty());
    const Prediction far = predict(fit, points, 10);
    EXPECT_NEAR(far.y, 1.0 / 3 + 15, 1e-9);
    EXPECT_NE(far.warning.find("extrapolation"), std::string::npos);
    EXPECT_THROW(fitLine({{1, 2}}), std::invalid_argument);
    EXPECT_THROW(fitLine({{1, 2}, {1, 5}}), std::invalid_argument);
    const Regression flat = fitLine({{1, 4}, {2, 4}, {3, 4}});
    EXPECT_FALSE(flat.rDefined);
    EXPECT_DOUBLE_EQ(flat.slope, 0);
}
