#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fieldsplus {

inline constexpr std::int64_t largestModulus = 1000000000; // keeps every product in 64 bits

// One line of the extended Euclidean algorithm on p and a: dividend = quotient * divisor +
// remainder, with the remainder written as s * a + t * p.
struct InverseLine {
    std::int64_t dividend, quotient, divisor, remainder, s, t;
};

// The extended Euclidean algorithm for the inverse of a modulo n (1 <= a < n, n >= 2).
struct InverseRun {
    std::int64_t a = 0, n = 0;
    std::vector<InverseLine> lines;
    std::int64_t gcd = 0;
    std::optional<std::int64_t> inverse; // in 0..n-1 when gcd = 1
};

InverseRun inverseModulo(std::int64_t a, std::int64_t n);

// The run as the worked solution writes it, one step per entry (HTML).
std::vector<std::string> inverseSteps(const InverseRun& run);

std::int64_t reduced(std::int64_t value, std::int64_t n); // value mod n in 0..n-1
bool isPrime(std::int64_t n);

} // namespace fieldsplus
