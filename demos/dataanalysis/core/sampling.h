#pragma once

#include "kit/core/random.h"

#include <cstddef>
#include <string>
#include <vector>

namespace dataanalysis {

// One person of the generated town: where they live (a map of 100 by 100 with the town
// centre in the middle), their district (the strata) and block (the clusters), their age and
// the quantity surveyed, the minutes they travel to work each day.
struct Person {
    int id = 0;
    double x = 0, y = 0;
    int district = 0; // 0..3
    int block = 0;    // 0..blockCount-1, each of blockSize people
    int age = 0;
    double travelMinutes = 0;
};

inline constexpr int blockColumns = 8, blockRows = 5, blockSize = 30;
inline constexpr int blockCount = blockColumns * blockRows;
inline constexpr int populationSize = blockCount * blockSize; // 1200
std::string districtName(int district);

// The same seed gives the same town.
std::vector<Person> makePopulation(kit::Seed seed);

enum class SamplingMethod { SimpleRandom, Systematic, Stratified, Cluster, Convenience };
inline constexpr SamplingMethod allSamplingMethods[] = {
    SamplingMethod::SimpleRandom, SamplingMethod::Systematic, SamplingMethod::Stratified,
    SamplingMethod::Cluster, SamplingMethod::Convenience};
std::string samplingName(SamplingMethod method);

struct Sample {
    std::vector<std::size_t> members; // indices into the population, ascending
    std::string howDrawn;             // the draw in words: the interval and start, the strata sizes
    std::vector<int> clusters;        // the blocks taken, for a cluster sample
};

// size is clamped to [1, population size]. A cluster sample takes whole blocks, as many as
// come closest to size; a convenience sample takes the people nearest the town centre (where
// the interviewer stands).
Sample drawSample(const std::vector<Person>& population, SamplingMethod method, std::size_t size,
                  kit::Random& random);

double meanTravel(const std::vector<Person>& population, const std::vector<std::size_t>& members);

// Means of `repeats` simple random samples of the given size.
std::vector<double> samplingDistribution(const std::vector<Person>& population, std::size_t size,
                                         int repeats, kit::Random& random);

} // namespace dataanalysis
