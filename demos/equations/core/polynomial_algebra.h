#pragma once

#include "equations/core/polynomial.h"

#include "kit/core/parse_result.h"
#include "kit/core/verdict.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace equations {

// The highest degree a typed polynomial may have: its roots stay quick and its graph readable.
inline constexpr int maxDegree = 12;

// A typed polynomial in x: "(x-1)^2 (2x+3)", "x^3 - 1/2 x". Anything else is refused with the
// reason: x in a denominator or under a root, coefficients that are not rational, a degree
// above maxDegree.
kit::Parsed<Polynomial> parsePolynomial(std::string_view text);

// An irreducible factor over the rationals, written with integer coefficients without a common
// divisor and a positive leading coefficient, and how often it divides.
struct Factor {
    Polynomial polynomial;
    int multiplicity = 1;
};
struct Factorization {
    mpq_class constant = 1; // the rest: p = constant * product of factor^multiplicity
    std::vector<Factor> factors;
};

// p = constant * f1^m1 * ... over the rationals; p must not be zero. Linear factors come first,
// ordered by their root, then the others by degree.
Factorization factorOverRationals(const Polynomial& p);
Polynomial expand(const Factorization& f);
std::string factorizationHtml(const Factorization& f);
std::string factorizationTyped(const Factorization& f);

// A real root with its multiplicity: exact (rational, or a quadratic surd) or numeric.
struct RealRoot {
    double value = 0;
    std::string html;  // "&minus;3/2", "(1 + &radic;5)/2", "&asymp; 1.32472"
    std::string typed; // "-3/2", "(1 + sqrt(5))/2", "1.32472"
    bool exact = false;
    std::optional<mpq_class> rational;
    int multiplicity = 1;
};

// The real roots of one irreducible factor (its multiplicity given), smallest first.
std::vector<RealRoot> rootsOfFactor(const Polynomial& factor, int multiplicity);
// All the real roots of p, smallest first: exact for linear and quadratic factors, numeric
// (companion-matrix eigenvalues refined by Newton's method) for the others.
std::vector<RealRoot> realRoots(const Factorization& f);
// The complex roots of the quadratic factors with negative discriminant, as text.
std::vector<std::string> nonRealQuadraticRootsHtml(const Factorization& f);

// Checks a typed factorisation of p over the rationals: it must multiply out to p and be a
// product of numbers and powers of factors that cannot be split further. Never throws.
kit::Verdict checkFactorisation(std::string_view typed, const Polynomial& p);

} // namespace equations
