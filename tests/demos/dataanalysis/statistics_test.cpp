// Centre and spread against values worked by hand: exact rational means and variances, the
// quartiles of each method on data where they differ, box-plot fences, frequency tables and
// grouped data.
#include "dataanalysis/core/statistics.h"

#include <gtest/gtest.h>

using namespace dataanalysis;

namespace {

std::vector<mpq_class> rationals(std::initializer_list<const char*> texts) {
    std::vector<mpq_class> values;
    for (const char* t : texts)
        values.emplace_back(t);
    return values;
}

} // namespace

TEST(ExactSummary, MeanAndBothVariancesOfSmallDataAreExactFractions) {
    // 2, 4, 4, 4, 5, 5, 7, 9: sum 40, mean 5, squared deviations 9+1+1+1+0+0+4+16 = 32.
    const auto s = exactSummary(rationals({"2", "4", "4", "4", "5", "5", "7", "9"}),
                                QuartileMethod::HalvesWithoutMedian);
    EXPECT_EQ(s.mean, 5);
    EXPECT_EQ(s.populationVariance, 4);
    EXPECT_EQ(s.sampleVariance, mpq_class(32, 7));
    EXPECT_EQ(s.median, 9 / mpq_class(2));
    // 1/2, 1/3, 1/6: sum 1, mean 1/3, deviations 1/6, 0, -1/6: squares 1/18.
    const auto f = exactSummary(rationals({"1/2", "1/3", "1/6"}), QuartileMethod::Inclusive);
    EXPECT_EQ(f.mean, mpq_class(1, 3));
    EXPECT_EQ(f.populationVariance, mpq_class(1, 54));
    EXPECT_EQ(f.sampleVariance, mpq_class(1, 36));
}

TEST(Quartiles, TheFourMethodsDifferOnElevenValues) {
    // 6 7 15 36 39 40 41 42 43 47 49 (median 40).
    const auto data = rationals({"6", "7", "15", "36", "39", "40", "41", "42", "43", "47", "49"});
    const auto q = [&](QuartileMethod m) {
        const auto s = exactSummary(data, m);
        EXPECT_EQ(s.median, 40);
        return std::pair{s.q1, s.q3};
    };
    EXPECT_EQ(q(QuartileMethod::HalvesWithoutMedian), std::pair(mpq_class(15), mpq_class(43)));
    EXPECT_EQ(q(QuartileMethod::HalvesWithMedian), std::pair(mpq_class(51, 2), mpq_class(85, 2)));
    EXPECT_EQ(q(QuartileMethod::Inclusive), std::pair(mpq_class(51, 2), mpq_class(85, 2)));
    EXPECT_EQ(q(QuartileMethod::Exclusive), std::pair(mpq_class(15), mpq_class(43)));
}

TEST(Quartiles, InterpolatingMethodsDifferFromTheHalvesOnSixValues) {
    const auto data = rationals({"40", "7", "39", "15", "41", "36"}); // sorted 7 15 36 39 40 41
    const auto halves = exactSummary(data, QuartileMethod::HalvesWithoutMedian);
    EXPECT_EQ(halves.q1, 15);
    EXPECT_EQ(halves.q3, 40);
    EXPECT_EQ(exactSummary(data, QuartileMethod::HalvesWithMedian).q1, 15);
    const auto inclusive = exactSummary(data, QuartileMethod::Inclusive); // positions 2.25, 4.75
    EXPECT_EQ(inclusive.q1, mpq_class(81, 4));
    EXPECT_EQ(inclusive.q3, mpq_class(159, 4));
    const auto exclusive = exactSummary(data, QuartileMethod::Exclusive); // positions 1.75, 5.25
    EXPECT_EQ(exclusive.q1, 13);
    EXPECT_EQ(exclusive.q3, mpq_class(161, 4));
}

TEST(Quartiles, TinyDataSetsDoNotReadOutsideTheList) {
    for (QuartileMethod m : allQuartileMethods) {
        EXPECT_EQ(exactSummary(rationals({"5"}), m).q1, 5);
        const auto two = exactSummary(rationals({"1", "3"}), m);
        EXPECT_GE(two.q1, 1);
        EXPECT_LE(two.q3, 3);
    }
}

TEST(Summary, BoxPlotFencesMarkTheOutlierAndStopTheWhiskers) {
    const Summary s =
        summarize({2, 4, 4, 5, 7, 8, 9, 11, 12, 30}, QuartileMethod::HalvesWithoutMedian);
    EXPECT_DOUBLE_EQ(s.q1, 4);
    EXPECT_DOUBLE_EQ(s.q3, 11);
    EXPECT_DOUBLE_EQ(s.iqr, 7);
    EXPECT_DOUBLE_EQ(s.lowerFence, -6.5);
    EXPECT_DOUBLE_EQ(s.upperFence, 21.5);
    EXPECT_EQ(s.outliers, std::vector<double>{30});
    EXPECT_DOUBLE_EQ(s.lowerWhisker, 2);
    EXPECT_DOUBLE_EQ(s.upperWhisker, 12);
    EXPECT_DOUBLE_EQ(s.range, 28);
    EXPECT_DOUBLE_EQ(s.median, 7.5);
    EXPECT_DOUBLE_EQ(s.mean, 9.2);
    EXPECT_NEAR(s.sampleVariance, 956.0 / 15, 1e-12);
}

TEST(Summary, ModesAreAllTheMostFrequentValuesOrNone) {
    EXPECT_TRUE(summarize({1, 2, 3, 4}, QuartileMethod::Inclusive).mode.values.empty());
    const Mode two = summarize({1, 1, 2, 3, 3}, QuartileMethod::Inclusive).mode;
    EXPECT_EQ(two.values, (std::vector<double>{1, 3}));
    EXPECT_EQ(two.frequency, 2u);
    EXPECT_EQ(summarize({7}, QuartileMethod::Inclusive).mode.values, std::vector<double>{7});
}

TEST(Summary, LargeOffsetsDoNotSpoilTheVariance) {
    // One pass of sums of squares would lose every digit here.
    const Summary s = summarize({1e9 + 4, 1e9 + 7, 1e9 + 13, 1e9 + 16}, QuartileMethod::Inclusive);
    EXPECT_NEAR(s.sampleVariance, 30.0, 1e-6);
}

TEST(Summary, ZScoresCountStandardDeviations) {
    const auto z = zScores({50, 62, 38}, 50, 8);
    EXPECT_DOUBLE_EQ(z[0], 0);
    EXPECT_DOUBLE_EQ(z[1], 1.5);
    EXPECT_DOUBLE_EQ(z[2], -1.5);
}

TEST(FrequencyTables, WeightedMeanMedianAndGroupedEstimates) {
    // Goals: 0 x4, 1 x7, 2 x5, 3 x2: sum 23 over 18.
    const std::vector<WeightedValue> goals{{0, 4}, {1, 7}, {2, 5}, {3, 2}};
    EXPECT_EQ(weightedMean(goals), mpq_class(23, 18));
    EXPECT_EQ(frequencyMedian(goals), 1);
    EXPECT_EQ(frequencyMedian({{1, 1}, {2, 1}}), mpq_class(3, 2));
    // Marks 60, 75, 90 with weights 1, 2, 3: (60 + 150 + 270) / 6 = 80.
    EXPECT_EQ(weightedMean({{60, 1}, {75, 2}, {90, 3}}), 80);
    EXPECT_THROW(weightedMean({{1, 0}}), std::invalid_argument);
    EXPECT_THROW(frequencyMedian({{1, mpq_class(1, 2)}}), std::invalid_argument);

    const std::vector<DataClass> classes{
        {0, 10, 3}, {10, 20, 8}, {20, 30, 12}, {30, 40, 5}, {40, 50, 2}};
    EXPECT_EQ(groupedMean(classes), mpq_class(70, 3));
    EXPECT_EQ(groupedMedian(classes), mpq_class(70, 3));
    EXPECT_EQ(modalClass(classes), 2u);
    EXPECT_THROW(groupedMean({{10, 5, 1}}), std::invalid_argument);
}

TEST(Histogram, ClassesCoverEveryValueOnce) {
    std::vector<double> values;
    for (int i = 0; i <= 100; ++i)
        values.push_back(i);
    const auto bins = histogram(values, 10);
    ASSERT_EQ(bins.size(), 10u);
    std::size_t total = 0;
    for (const auto& b : bins)
        total += b.count;
    EXPECT_EQ(total, values.size());
    EXPECT_EQ(bins.back().count, 11u); // 90..100 holds its upper end
    EXPECT_EQ(histogram({5, 5, 5}).size(), 1u);
    EXPECT_TRUE(histogram({}).empty());
}
