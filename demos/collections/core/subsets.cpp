#include "collections/core/subsets.h"

#include <algorithm>
#include <stdexcept>

namespace collections {

std::vector<Elements> powerSet(const Elements& s) {
    if (s.size() > largestListedPowerSet)
        throw std::invalid_argument("the power set of more than " +
                                    std::to_string(largestListedPowerSet) +
                                    " elements is not listed");
    const std::vector<long> members(s.begin(), s.end());
    std::vector<Elements> subsets;
    for (unsigned long choice = 0; choice < (1ul << members.size()); ++choice) {
        Elements subset;
        for (std::size_t i = 0; i < members.size(); ++i)
            if (choice & (1ul << i))
                subset.insert(members[i]);
        subsets.push_back(subset);
    }
    std::stable_sort(subsets.begin(), subsets.end(), [](const Elements& x, const Elements& y) {
        if (x.size() != y.size())
            return x.size() < y.size();
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end());
    });
    return subsets;
}

mpz_class subsetsOfSize(unsigned long n, unsigned long k) {
    mpz_class result;
    mpz_bin_uiui(result.get_mpz_t(), n, k);
    return result;
}

std::vector<std::pair<long, long>> cartesianProduct(const Elements& a, const Elements& b) {
    std::vector<std::pair<long, long>> pairs;
    for (long x : a)
        for (long y : b)
            pairs.emplace_back(x, y);
    return pairs;
}

std::string pairText(const std::pair<long, long>& pair) {
    return "(" + std::to_string(pair.first) + ", " + std::to_string(pair.second) + ")";
}

bool isSubset(const Elements& part, const Elements& whole) {
    return std::includes(whole.begin(), whole.end(), part.begin(), part.end());
}

} // namespace collections
