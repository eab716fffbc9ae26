#pragma once

#include <string>
#include <vector>

namespace counting {

// Small enough that the nested successors stay readable.
inline constexpr int largestPeanoOperand = 12;

// n written with the successor function from 1: 3 = S(S(1)).
std::string successorForm(int n);

// a + b from the two defining equations a + 1 = S(a) and a + S(b) = S(a + b), one
// rewriting per line, with the equation used. a, b in 1..largestPeanoOperand.
std::vector<std::string> peanoAdditionSteps(int a, int b);

// a &middot; b from a &middot; 1 = a and a &middot; S(b) = a &middot; b + a.
std::vector<std::string> peanoMultiplicationSteps(int a, int b);

} // namespace counting
