#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fieldsplus {

inline constexpr std::int64_t largestListedSolutions = 50;

// a x + b = c in Z_n, solved as a x = c - b. When a has an inverse the one solution is
// x = a^-1 (c - b); otherwise, with d = gcd(a, n), there are d solutions when d divides c - b
// and none when it does not (a = 0: every x or none).
struct LinearSolution {
    std::int64_t a = 0, b = 0, c = 0, n = 0;
    std::int64_t count = 0;              // how many solutions there are
    std::vector<std::int64_t> solutions; // in increasing order, the first largestListedSolutions
    std::vector<std::string> steps;      // the worked solution (HTML)
};

// a, b, c are reduced modulo n first; 2 <= n <= largestModulus.
LinearSolution solveLinear(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t n);

} // namespace fieldsplus
