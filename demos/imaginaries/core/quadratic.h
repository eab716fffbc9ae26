#pragma once

#include "imaginaries/core/exact_complex.h"

#include <gmpxx.h>

#include <string>
#include <vector>

namespace imaginaries {

// The roots of a·x² + b·x + c = 0 (a non-zero, rational coefficients): x = (−b ± √D)/(2a) with
// D = b² − 4ac. For D < 0, √D = i·√(−D); the two roots are conjugates.
struct QuadraticRoots {
    mpq_class discriminant;
    mpq_class realPart; // −b/(2a)
    // The roots are realPart ± offsetFactor·√offsetRadicand (times i when D < 0), with the
    // radicand free of square factors when it is an integer.
    mpq_class offsetFactor;
    mpz_class offsetRadicand;
    bool exact() const { return offsetRadicand == 1 || offsetRadicand == 0; }
};

QuadraticRoots solveQuadratic(const mpq_class& a, const mpq_class& b, const mpq_class& c);

// The two roots when they are exact complex numbers (radicand 1 or 0), the one with the
// positive imaginary part first.
std::vector<ExactComplex> exactRoots(const QuadraticRoots& roots);

// √(p/q) written as f·√m with m a square-free integer: extracts square factors up to a bound
// (m stays as it is beyond that), so the radicand is square-free for inputs of exercise size.
void simplifySquareRoot(const mpq_class& value, mpq_class& factor, mpz_class& radicand);

std::vector<std::string> quadraticSteps(const mpq_class& a, const mpq_class& b, const mpq_class& c);

} // namespace imaginaries
