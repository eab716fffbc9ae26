#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace signednumbers2 {

enum class Relation { Equal, Less, LessOrEqual, Greater, GreaterOrEqual };

// |a x + b| (relation) c over the real numbers, a != 0.
struct AbsoluteValueProblem {
    long a = 1;
    long b = 0;
    long c = 0;
    Relation relation = Relation::Equal;
};

// The solution set has one of these shapes; low and high are its end points.
struct SolutionSet {
    enum class Shape { Empty, Points, Between, Outside, Everything } shape = Shape::Empty;
    std::vector<mpq_class> points; // Points: one or two, in increasing order
    mpq_class low;                 // Between: low < x < high (or <=), Outside: x < low or x > high
    mpq_class high;
    bool endsIncluded = false;
};

// Directly from the definition: is |a x + b| (relation) c true for this x?
bool satisfies(const AbsoluteValueProblem& problem, const mpq_class& x);

SolutionSet solve(const AbsoluteValueProblem& problem);
bool contains(const SolutionSet& set, const mpq_class& x);

std::string problemHtml(const AbsoluteValueProblem& problem);
std::string solutionHtml(const SolutionSet& set);
std::string rationalHtml(const mpq_class& q);
// The reasoning: the meaning of |u| as distance, the two cases, the end points.
std::vector<std::string> solutionSteps(const AbsoluteValueProblem& problem);

} // namespace signednumbers2
