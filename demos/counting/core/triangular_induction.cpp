#include "counting/core/triangular_induction.h"

#include <algorithm>

namespace counting {
namespace {

std::string sumText(long n) {
    if (n <= 5) {
        std::string text;
        for (long i = 1; i <= n; ++i)
            text += (i == 1 ? "" : " + ") + std::to_string(i);
        return text;
    }
    return "1 + 2 + &hellip; + " + std::to_string(n);
}

std::string caseLine(long k) {
    return "P(" + std::to_string(k) + "): " + sumText(k) + " = " + sumByAdding(k).get_str() +
           " = " + std::to_string(k) + "&middot;" + std::to_string(k + 1) + "/2";
}

} // namespace

mpz_class sumByAdding(long n) {
    mpz_class total = 0;
    for (long i = 1; i <= n; ++i)
        total += i;
    return total;
}

mpz_class triangularNumber(long n) {
    mpz_class value = n;
    value *= n + 1;
    value /= 2;
    return value;
}

InductionProof sumOfFirstNumbersProof(long n) {
    InductionProof proof;
    proof.baseCase = {
        "Statement P(n): 1 + 2 + &hellip; + n = n(n + 1)/2.",
        "Base case n = 1: the left side is 1, the right side is 1&middot;2/2 = 1. So P(1) holds."};
    proof.inductiveStep = {
        "Assume P(k) for some natural number k: 1 + 2 + &hellip; + k = k(k + 1)/2.",
        "Add the next number, the successor k + 1, to both sides: 1 + 2 + &hellip; + k + (k + 1) "
        "= k(k + 1)/2 + (k + 1).",
        "Take out the common factor (k + 1): k(k + 1)/2 + (k + 1) = (k + 1)(k/2 + 1) = (k + "
        "1)(k + 2)/2.",
        "That is the statement P(k + 1), with k + 1 in place of n. So P(k) implies P(k + 1)."};
    const long listed = std::min(n, largestChainN);
    for (long k = 1; k <= listed; ++k) {
        std::string line = caseLine(k);
        if (k > 1)
            line = "P(" + std::to_string(k - 1) + ") &rArr; " + line;
        proof.chain.push_back(line);
    }
    if (n > listed)
        proof.chain.push_back("&hellip; and so on, one successor at a time, " +
                              std::to_string(n - listed) +
                              " more steps up to n = " + std::to_string(n) + ".");
    proof.conclusion = {
        "The set of n for which P(n) holds contains 1 and contains the successor of each of its "
        "members, so by the induction postulate it is all of N; in particular P(" +
            std::to_string(n) + ") holds:",
        sumText(n) + " = " + std::to_string(n) + "&middot;" + std::to_string(n + 1) +
            "/2 = " + triangularNumber(n).get_str() + "."};
    return proof;
}

DotPicture triangularDots(long n) {
    DotPicture picture;
    picture.rows = n;
    picture.columns = n + 1;
    for (long i = 1; i <= n; ++i)
        picture.dotsInRow.push_back(i);
    return picture;
}

} // namespace counting
