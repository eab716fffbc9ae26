// The shortcuts taken for large data sets give what the plain computation gives: the summary
// of sorted values, classes counted by binary search at their borders against a count of
// every value, and dot plots that keep every value (and every outlier) in sight.
#include "dataanalysis/core/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

using namespace dataanalysis;

namespace {

std::vector<double> marks(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 engine(seed);
    std::normal_distribution<double> mark(65, 12);
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(std::round(mark(engine) * 10) / 10);
    return values;
}

std::vector<double> sortedCopy(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values;
}

} // namespace

TEST(LargeData, ClassesFoundAtTheirBordersMatchACountOfEveryValue) {
    for (std::uint64_t seed : {1, 2, 3}) {
        const auto values = marks(5000, seed);
        const auto sorted = sortedCopy(values);
        for (int bins : {0, 1, 7, 15, 30}) {
            const auto byBorders = histogramOfSorted(sorted, bins);
            const auto byValues = histogram(values, bins);
            ASSERT_EQ(byBorders.size(), byValues.size());
            std::size_t total = 0;
            for (std::size_t b = 0; b < byValues.size(); ++b) {
                EXPECT_EQ(byBorders[b].count, byValues[b].count) << "class " << b;
                EXPECT_EQ(byBorders[b].lower, byValues[b].lower);
                total += byBorders[b].count;
            }
            EXPECT_EQ(total, values.size());
        }
    }
    // Integers on the class borders and one value repeated.
    const std::vector<double> borders{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10};
    const auto counted = histogramOfSorted(borders, 5);
    EXPECT_EQ(counted[0].count, 2u); // 0, 1
    EXPECT_EQ(counted[4].count, 5u); // 8, 9 and the three 10s in the last, closed class
    EXPECT_EQ(histogramOfSorted({4, 4}).size(), 1u);
}

TEST(LargeData, TheSummaryOfSortedValuesIsTheSummary) {
    const auto values = marks(2001, 9);
    for (QuartileMethod m : allQuartileMethods) {
        const Summary plain = summarize(values, m);
        const Summary shared = summarizeSorted(sortedCopy(values), m);
        EXPECT_EQ(plain.median, shared.median);
        EXPECT_EQ(plain.q1, shared.q1);
        EXPECT_EQ(plain.q3, shared.q3);
        EXPECT_EQ(plain.outliers, shared.outliers);
        EXPECT_DOUBLE_EQ(plain.sampleVariance, shared.sampleVariance);
    }
}

TEST(LargeData, FewValuesAreEachADotStackedByValue) {
    const std::vector<double> values{3, 1, 3, 2, 3, 1};
    const DotPlot plot = dotPlotOfSorted(sortedCopy(values), 400);
    EXPECT_EQ(plot.valuesPerDot, 1u);
    std::map<double, std::size_t> expected{{1, 2}, {2, 1}, {3, 3}};
    ASSERT_EQ(plot.columns.size(), expected.size());
    for (const DotColumn& column : plot.columns)
        EXPECT_EQ(column.dots, expected[column.at]) << column.at;
}

TEST(LargeData, ManyValuesGiveAtMostAFewHundredDotsAndKeepTheOutlier) {
    auto values = marks(100000, 4);
    values.push_back(400); // one value far beyond the rest
    const auto sorted = sortedCopy(values);
    const DotPlot plot = dotPlotOfSorted(sorted, 400);
    EXPECT_EQ(plot.valuesPerDot, 251u); // 100,001 values over 400 dots, rounded up
    std::size_t dots = 0;
    for (const DotColumn& column : plot.columns)
        dots += column.dots;
    // Each column's count is rounded to whole dots (a column with values keeps one dot).
    EXPECT_LE(dots, 400 + plot.columns.size());
    EXPECT_GE(dots * plot.valuesPerDot + plot.columns.size() * plot.valuesPerDot, values.size());
    ASSERT_FALSE(plot.columns.empty());
    EXPECT_GT(plot.columns.back().at, 380) << "the outlier keeps its dot";
    EXPECT_EQ(plot.columns.back().dots, 1u);
}

TEST(LargeData, AFrequencyTableStacksItsFrequencies) {
    const DotPlot few = dotPlotOfCounts({{1, 4}, {2, 7}, {3, 0}}, 400);
    ASSERT_EQ(few.columns.size(), 2u); // a frequency of 0 has no column
    EXPECT_EQ(few.columns[1].dots, 7u);
    const DotPlot many = dotPlotOfCounts({{1, 3000}, {2, 1000}, {3, 1}}, 400);
    EXPECT_EQ(many.valuesPerDot, 11u);     // 4001 / 400 rounded up
    EXPECT_EQ(many.columns[0].dots, 273u); // 3000 / 11 = 272.7
    EXPECT_EQ(many.columns[2].dots, 1u);
}
