#pragma once

#include <string>
#include <vector>

namespace progressions {

// The sequences the explore area shows.
enum class SequenceMode {
    Arithmetic,
    Geometric,
    Formula,
    Recursion,
    Harmonic,
    BaselSeries,
    LeibnizSeries
};

// What the learner typed: for arithmetic and geometric sequences the first term and the
// difference or ratio (rationals such as 3/4); for a formula a_n in n; for a recursion a_1 and
// a_n in a (the previous term) and n.
struct SequenceRequest {
    SequenceMode mode = SequenceMode::Arithmetic;
    std::string first;
    std::string rule;
    long count = 20; // terms 1..count, at most maxTerms
};

inline constexpr long maxTerms = 2000;

// Terms a_1..a_count and partial sums S_1..S_count; a term that is undefined ends the table
// there with a message. facts explains the sequence (closed forms, the limit of the series and
// the verdict of a convergence test) in simple HTML.
struct SequenceTable {
    std::vector<double> terms;
    std::vector<double> partialSums;
    std::string facts;
    std::string error; // empty when the request was understood
};

SequenceTable computeTable(const SequenceRequest& request);

} // namespace progressions
