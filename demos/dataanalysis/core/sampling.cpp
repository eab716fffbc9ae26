#include "dataanalysis/core/sampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace dataanalysis {

std::string districtName(int district) {
    static const char* names[] = {"Northwest", "Northeast", "Southwest", "Southeast"};
    return names[std::clamp(district, 0, 3)];
}

std::string samplingName(SamplingMethod method) {
    switch (method) {
    case SamplingMethod::SimpleRandom:
        return "Simple random";
    case SamplingMethod::Systematic:
        return "Systematic";
    case SamplingMethod::Stratified:
        return "Stratified";
    case SamplingMethod::Cluster:
        return "Cluster";
    case SamplingMethod::Convenience:
        return "Convenience";
    }
    return {};
}

namespace {

double uniform(kit::Random& random) {
    return (static_cast<double>(random.next() >> 11) + 0.5) / 9007199254740992.0; // (0, 1)
}

double standardNormal(kit::Random& random) {
    const double u = uniform(random), v = uniform(random);
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
}

// k distinct indices out of [0, n), ascending (a partial shuffle).
std::vector<std::size_t> chooseDistinct(std::vector<std::size_t> pool, std::size_t k,
                                        kit::Random& random) {
    k = std::min(k, pool.size());
    for (std::size_t i = 0; i < k; ++i) {
        const auto j = static_cast<std::size_t>(random.between(
            static_cast<std::int64_t>(i), static_cast<std::int64_t>(pool.size()) - 1));
        std::swap(pool[i], pool[j]);
    }
    pool.resize(k);
    std::sort(pool.begin(), pool.end());
    return pool;
}

std::vector<std::size_t> everyone(std::size_t n) {
    std::vector<std::size_t> all(n);
    std::iota(all.begin(), all.end(), std::size_t{0});
    return all;
}

Sample systematic(std::size_t n, std::size_t size, kit::Random& random) {
    const std::size_t interval = n / size;
    const auto start =
        static_cast<std::size_t>(random.between(0, static_cast<std::int64_t>(interval) - 1));
    Sample sample;
    for (std::size_t i = 0; i < size; ++i)
        sample.members.push_back(start + i * interval);
    sample.howDrawn = "interval k = " + std::to_string(n) + " / " + std::to_string(size) +
                      " &rarr; " + std::to_string(interval) + ", random start " +
                      std::to_string(start + 1) + ", then every " + std::to_string(interval) +
                      "th person on the list";
    return sample;
}

Sample stratified(const std::vector<Person>& population, std::size_t size, kit::Random& random) {
    std::vector<std::vector<std::size_t>> strata(4);
    for (std::size_t i = 0; i < population.size(); ++i)
        strata[static_cast<std::size_t>(population[i].district)].push_back(i);
    // Proportional allocation, rounded by the largest remainders so the sizes add up.
    std::vector<std::size_t> take(4);
    std::vector<std::pair<double, std::size_t>> remainders;
    std::size_t given = 0;
    for (std::size_t h = 0; h < 4; ++h) {
        const double share = static_cast<double>(size) * static_cast<double>(strata[h].size()) /
                             static_cast<double>(population.size());
        take[h] = static_cast<std::size_t>(std::floor(share));
        given += take[h];
        remainders.push_back({share - std::floor(share), h});
    }
    std::sort(remainders.begin(), remainders.end(), std::greater<>());
    for (std::size_t i = 0; given < size; ++i, ++given)
        ++take[remainders[i % 4].second];
    Sample sample;
    sample.howDrawn = "proportional allocation:";
    for (std::size_t h = 0; h < 4; ++h) {
        const auto chosen = chooseDistinct(strata[h], take[h], random);
        sample.members.insert(sample.members.end(), chosen.begin(), chosen.end());
        sample.howDrawn += " " + districtName(static_cast<int>(h)) + " " + std::to_string(take[h]) +
                           " of " + std::to_string(strata[h].size()) + (h < 3 ? "," : "");
    }
    std::sort(sample.members.begin(), sample.members.end());
    return sample;
}

Sample cluster(const std::vector<Person>& population, std::size_t size, kit::Random& random) {
    const std::size_t blocks = std::clamp<std::size_t>((size + blockSize / 2) / blockSize, 1,
                                                       static_cast<std::size_t>(blockCount));
    Sample sample;
    for (std::size_t b : chooseDistinct(everyone(blockCount), blocks, random))
        sample.clusters.push_back(static_cast<int>(b));
    for (std::size_t i = 0; i < population.size(); ++i)
        if (std::binary_search(sample.clusters.begin(), sample.clusters.end(), population[i].block))
            sample.members.push_back(i);
    sample.howDrawn = std::to_string(blocks) + " whole blocks of " + std::to_string(blockSize) +
                      " chosen at random out of " + std::to_string(blockCount);
    return sample;
}

Sample convenience(const std::vector<Person>& population, std::size_t size) {
    std::vector<std::size_t> order = everyone(population.size());
    const auto distance = [&](std::size_t i) {
        return std::hypot(population[i].x - 50.0, population[i].y - 50.0);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return distance(a) < distance(b); });
    order.resize(size);
    std::sort(order.begin(), order.end());
    return {order, "the " + std::to_string(size) + " people nearest the town centre", {}};
}

} // namespace

std::vector<Person> makePopulation(kit::Seed seed) {
    kit::Random random(seed);
    std::vector<Person> people;
    people.reserve(populationSize);
    const double width = 100.0 / blockColumns, height = 100.0 / blockRows;
    for (int block = 0; block < blockCount; ++block) {
        const int column = block % blockColumns, row = block / blockColumns;
        for (int k = 0; k < blockSize; ++k) {
            Person p;
            p.id = static_cast<int>(people.size()) + 1;
            p.block = block;
            p.x = (column + 0.05 + 0.9 * uniform(random)) * width;
            p.y = (row + 0.05 + 0.9 * uniform(random)) * height;
            p.district = (column < blockColumns / 2 ? 0 : 1) + (row < 2 ? 0 : 2);
            p.age = static_cast<int>(random.between(18, 80));
            const double distance = std::hypot(p.x - 50.0, p.y - 50.0);
            p.travelMinutes = std::max(2.0, 8.0 + 0.55 * distance + 6.0 * standardNormal(random));
            p.travelMinutes = std::round(p.travelMinutes * 10.0) / 10.0;
            people.push_back(p);
        }
    }
    return people;
}

Sample drawSample(const std::vector<Person>& population, SamplingMethod method, std::size_t size,
                  kit::Random& random) {
    size = std::clamp<std::size_t>(size, 1, population.size());
    switch (method) {
    case SamplingMethod::SimpleRandom:
        return {chooseDistinct(everyone(population.size()), size, random),
                "every set of " + std::to_string(size) + " people equally likely",
                {}};
    case SamplingMethod::Systematic:
        return systematic(population.size(), size, random);
    case SamplingMethod::Stratified:
        return stratified(population, size, random);
    case SamplingMethod::Cluster:
        return cluster(population, size, random);
    case SamplingMethod::Convenience:
        return convenience(population, size);
    }
    return {};
}

double meanTravel(const std::vector<Person>& population, const std::vector<std::size_t>& members) {
    if (members.empty())
        return 0;
    double sum = 0;
    for (std::size_t i : members)
        sum += population[i].travelMinutes;
    return sum / static_cast<double>(members.size());
}

std::vector<double> samplingDistribution(const std::vector<Person>& population, std::size_t size,
                                         int repeats, kit::Random& random) {
    std::vector<double> means;
    const auto all = everyone(population.size());
    for (int r = 0; r < repeats; ++r)
        means.push_back(meanTravel(population, chooseDistinct(all, size, random)));
    return means;
}

} // namespace dataanalysis
