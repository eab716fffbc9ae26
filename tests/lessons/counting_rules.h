#pragma once

#include <string>
#include <vector>

namespace lesson_tests {

// The counting rules and distributions that the probability lessons teach, worked out
// independently of the lessons' own text. Counts are exact up to 2^53.

double factorial(int n);
// nPr: ordered arrangements of r of n different items.
double permutations(int n, int r);
// nCr: selections of r of n different items when order does not matter.
double combinations(int n, int r);
// Different orders of the letters of a word whose repeated letters are alike: n! / n1!n2!...
double arrangementsOfLetters(const std::string& word);
// P(x) of the binomial distribution: exactly x successes in n trials with success chance p.
double binomialProbability(int n, int x, double p);

// A discrete probability distribution: values x with their probabilities P(x).
struct Distribution {
    std::vector<double> values;
    std::vector<double> probabilities;

    double totalProbability() const;
    double mean() const;     // sum of x P(x)
    double variance() const; // sum of x^2 P(x) - mean^2
    double standardDeviation() const;
};

} // namespace lesson_tests
