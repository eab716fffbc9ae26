#pragma once

#include "kit/core/answer_checks.h"

#include <vector>

namespace addmult {

// Checks a typed set of elements of Z_n ("2, 3, 5" in any order, or "none" for the empty set):
// each number must be an element 0..n-1, typed once.
kit::AnswerCheck expectElementSet(std::vector<int> expected, int n);

// Checks one typed element of Z_n: a number congruent to the answer but outside 0..n-1 is
// pointed out, not counted right.
kit::AnswerCheck expectElement(int expected, int n);

} // namespace addmult
