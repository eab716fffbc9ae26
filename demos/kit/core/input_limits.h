#pragma once

#include <cstddef>

namespace kit {

// Limits on typed values that keep every demonstration responsive.
inline constexpr std::size_t maxInputLength = 200;  // characters of one typed value
inline constexpr std::size_t maxIntegerDigits = 60; // digits of one typed integer
inline constexpr long maxExponent = 1000;           // largest exponent a typed power may have
inline constexpr std::size_t maxListLength = 64;    // numbers in one typed list
inline constexpr std::size_t maxMatrixSize = 6;     // rows or columns of a typed matrix
// Largest exact number (in bits) a typed expression may produce: 2^1000 * 2^1000 ... stops here.
inline constexpr double maxResultBits = 20000.0;

} // namespace kit
