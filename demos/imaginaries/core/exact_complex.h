#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>

#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace imaginaries {

// A complex number a + bi with rational a and b, computed exactly.
struct ExactComplex {
    mpq_class re;
    mpq_class im;
};

bool operator==(const ExactComplex& z, const ExactComplex& w);
ExactComplex operator+(const ExactComplex& z, const ExactComplex& w);
ExactComplex operator-(const ExactComplex& z, const ExactComplex& w);
ExactComplex operator*(const ExactComplex& z, const ExactComplex& w);
ExactComplex conjugate(const ExactComplex& z);
mpq_class normSquared(const ExactComplex& z); // |z|² = a² + b²
// z / w = z·w̄ / |w|², nothing when w = 0.
std::optional<ExactComplex> divide(const ExactComplex& z, const ExactComplex& w);
// z^n by repeated squaring, n >= 0.
ExactComplex power(const ExactComplex& z, unsigned n);
std::complex<double> toDouble(const ExactComplex& z);

// "3 - 4i", "-i", "2i", "5", "1/2 + 3/4i", "0".
std::string complexText(const ExactComplex& z);

// Reads a + bi in the usual ways: "3-4i", "3 - 4 i", "-i", "2i", "4", "1/2+3/4i",
// "0.5-1.5i", "-2i+1", "3+4*i". Says what is wrong and where otherwise.
kit::Parsed<ExactComplex> parseComplex(std::string_view text);

// A list of complex numbers separated by commas or semicolons ("1+2i, 1-2i").
kit::Parsed<std::vector<ExactComplex>> parseComplexList(std::string_view text);

} // namespace imaginaries
