#include "counting_rules.h"

#include <cmath>
#include <map>

namespace lesson_tests {

double factorial(int n) {
    double out = 1;
    for (int k = 2; k <= n; ++k)
        out *= k;
    return n < 0 ? std::nan("") : out;
}

double permutations(int n, int r) {
    if (r < 0 || r > n)
        return 0;
    double out = 1;
    for (int k = n - r + 1; k <= n; ++k)
        out *= k;
    return out;
}

double combinations(int n, int r) {
    if (r < 0 || r > n)
        return 0;
    double out = 1;
    for (int k = 1; k <= r; ++k)
        out = out * (n - r + k) / k; // stays a whole number at every step
    return out;
}

double arrangementsOfLetters(const std::string& word) {
    std::map<char, int> alike;
    for (char c : word)
        ++alike[c];
    double out = factorial(static_cast<int>(word.size()));
    for (const auto& [letter, count] : alike)
        out /= factorial(count);
    return out;
}

double binomialProbability(int n, int x, double p) {
    return combinations(n, x) * std::pow(p, x) * std::pow(1 - p, n - x);
}

double Distribution::totalProbability() const {
    double out = 0;
    for (double p : probabilities)
        out += p;
    return out;
}

double Distribution::mean() const {
    double out = 0;
    for (std::size_t i = 0; i < values.size() && i < probabilities.size(); ++i)
        out += values[i] * probabilities[i];
    return out;
}

double Distribution::variance() const {
    double squares = 0;
    for (std::size_t i = 0; i < values.size() && i < probabilities.size(); ++i)
        squares += values[i] * values[i] * probabilities[i];
    return squares - mean() * mean();
}

double Distribution::standardDeviation() const {
    return std::sqrt(variance());
}

} // namespace lesson_tests
