// Each sampling method's sample has the size and structure it should, for fixed seeds; the
// convenience sample is biased; the sampling distribution narrows as the samples grow.
#include "dataanalysis/core/sampling.h"
#include "dataanalysis/core/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using namespace dataanalysis;

namespace {

const std::vector<Person>& town() {
    static const std::vector<Person> people = makePopulation(2026);
    return people;
}

void expectDistinctAscending(const Sample& sample) {
    for (std::size_t i = 1; i < sample.members.size(); ++i)
        EXPECT_LT(sample.members[i - 1], sample.members[i]);
    EXPECT_LT(sample.members.back(), town().size());
}

} // namespace

TEST(Population, AThousandOrMoreRecordsInFourDistrictsAndWholeBlocks) {
    ASSERT_EQ(town().size(), 1200u);
    std::map<int, int> districts, blocks;
    for (const Person& p : town()) {
        ++districts[p.district];
        ++blocks[p.block];
        EXPECT_GE(p.age, 18);
        EXPECT_LE(p.age, 80);
        EXPECT_GT(p.travelMinutes, 0);
    }
    EXPECT_EQ(districts, (std::map<int, int>{{0, 240}, {1, 240}, {2, 360}, {3, 360}}));
    EXPECT_EQ(blocks.size(), static_cast<std::size_t>(blockCount));
    for (const auto& [block, count] : blocks)
        EXPECT_EQ(count, blockSize);
    EXPECT_EQ(makePopulation(2026)[77].travelMinutes, town()[77].travelMinutes);
}

TEST(Sampling, SimpleRandomHasTheSizeAndNoRepeats) {
    for (kit::Seed seed : {1u, 2u, 3u}) {
        kit::Random random(seed);
        const Sample s = drawSample(town(), SamplingMethod::SimpleRandom, 75, random);
        EXPECT_EQ(s.members.size(), 75u);
        expectDistinctAscending(s);
    }
    kit::Random random(4);
    EXPECT_EQ(drawSample(town(), SamplingMethod::SimpleRandom, 5000, random).members.size(), 1200u);
}

TEST(Sampling, SystematicTakesOneFromEachInterval) {
    for (kit::Seed seed : {1u, 9u, 27u}) {
        kit::Random random(seed);
        const Sample s = drawSample(town(), SamplingMethod::Systematic, 48, random);
        ASSERT_EQ(s.members.size(), 48u);
        const std::size_t k = 1200 / 48;
        for (std::size_t i = 0; i < s.members.size(); ++i) {
            EXPECT_EQ(s.members[i] / k, i) << "one member in interval " << i;
            EXPECT_EQ(s.members[i] - s.members[0], i * k);
        }
    }
}

TEST(Sampling, StratifiedKeepsTheDistrictsProportions) {
    kit::Random random(5);
    const Sample s = drawSample(town(), SamplingMethod::Stratified, 60, random);
    ASSERT_EQ(s.members.size(), 60u);
    expectDistinctAscending(s);
    std::map<int, int> taken;
    for (std::size_t i : s.members)
        ++taken[town()[i].district];
    EXPECT_EQ(taken, (std::map<int, int>{{0, 12}, {1, 12}, {2, 18}, {3, 18}}));
    // 50 does not divide evenly (10, 10, 15, 15 is exact; 49 gives 9.8 and 14.7): sizes add up.
    kit::Random again(6);
    EXPECT_EQ(drawSample(town(), SamplingMethod::Stratified, 49, again).members.size(), 49u);
}

TEST(Sampling, ClusterTakesWholeBlocks) {
    kit::Random random(7);
    const Sample s = drawSample(town(), SamplingMethod::Cluster, 90, random);
    EXPECT_EQ(s.clusters.size(), 3u);
    EXPECT_EQ(s.members.size(), 90u);
    const std::set<int> chosen(s.clusters.begin(), s.clusters.end());
    for (std::size_t i = 0; i < town().size(); ++i) {
        const bool inBlock = chosen.count(town()[i].block) > 0;
        const bool sampled = std::binary_search(s.members.begin(), s.members.end(), i);
        EXPECT_EQ(inBlock, sampled) << "person " << i;
    }
}

TEST(Sampling, TheConvenienceSampleIsTheNearestAndBiasedLow) {
    kit::Random random(8);
    const Sample s = drawSample(town(), SamplingMethod::Convenience, 100, random);
    ASSERT_EQ(s.members.size(), 100u);
    double farthestIn = 0, nearestOut = 1e9;
    for (std::size_t i = 0; i < town().size(); ++i) {
        const double d = std::hypot(town()[i].x - 50, town()[i].y - 50);
        if (std::binary_search(s.members.begin(), s.members.end(), i))
            farthestIn = std::max(farthestIn, d);
        else
            nearestOut = std::min(nearestOut, d);
    }
    EXPECT_LE(farthestIn, nearestOut);
    std::vector<std::size_t> all(town().size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    EXPECT_LT(meanTravel(town(), s.members), meanTravel(town(), all) - 5);
}

TEST(Sampling, TheSpreadOfSampleMeansShrinksLikeOneOverRootN) {
    kit::Random random(9);
    const auto small =
        summarize(samplingDistribution(town(), 4, 600, random), QuartileMethod::Inclusive);
    const auto large =
        summarize(samplingDistribution(town(), 64, 600, random), QuartileMethod::Inclusive);
    // Sixteen times the size: about a quarter of the spread (a little less, without replacement).
    EXPECT_GT(small.populationSd / large.populationSd, 3.2);
    EXPECT_LT(small.populationSd / large.populationSd, 5.2);
    std::vector<std::size_t> all(town().size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    EXPECT_NEAR(large.mean, meanTravel(town(), all), 1.0);
}
