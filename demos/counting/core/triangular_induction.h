#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace counting {

// The dot picture and the listed chain of cases stay readable up to this n.
inline constexpr long largestPictureN = 30;
inline constexpr long largestChainN = 12;
// Larger n still get the closed form and the general proof.
inline constexpr long largestInductionN = 1000000;

// 1 + 2 + ... + n, added term by term (the left side of the statement).
mpz_class sumByAdding(long n);
// n(n + 1)/2 (the right side).
mpz_class triangularNumber(long n);

// The proof by induction that 1 + 2 + ... + n = n(n + 1)/2, written out for the chosen n:
// the base case, the step from k to k + 1 in general, and how the chain of successors
// 1 -> 2 -> ... -> n carries the statement up to n.
struct InductionProof {
    std::vector<std::string> baseCase;
    std::vector<std::string> inductiveStep;
    std::vector<std::string> chain; // P(1) => P(2) => ... for the chosen n
    std::vector<std::string> conclusion;
};
InductionProof sumOfFirstNumbersProof(long n);

// Rows of the triangular dot picture: row i (from 1) has i dots; the copy turned upside
// down fills the n by (n + 1) rectangle, which is why twice the sum is n(n + 1).
struct DotPicture {
    long rows = 0;
    long columns = 0;            // n + 1
    std::vector<long> dotsInRow; // 1, 2, ..., n
};
DotPicture triangularDots(long n);

} // namespace counting
