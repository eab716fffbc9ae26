#pragma once

#include "grids2/core/linear_system.h"
#include "matrixkit/core/matrix.h"

#include <optional>
#include <string>
#include <vector>

namespace grids2 {

// det(λI − A) of a 2 × 2 or 3 × 3 matrix, coefficients from the highest power down (monic).
Vector characteristicPolynomial(const matrixkit::Matrix& a);
std::string polynomialHtml(const Vector& coefficients); // "λ<sup>2</sup> &minus; 5λ + 6"

// The rational roots of a polynomial with rational coefficients (rational root theorem), each
// as often as its multiplicity, and what is left after dividing them out. Leading or constant
// coefficients too large to search are left whole (searched is false then).
struct RationalRoots {
    std::vector<mpq_class> roots;
    Vector rest;
    bool searched = true;
};
RationalRoots rationalRoots(const Vector& coefficients);

struct Eigenvalue {
    std::string valueHtml; // "3", "(5 + &radic;13)/2", "&asymp; 1.2470", "1 &plusmn; 2i" parts
    std::optional<mpq_class> rational;
    bool real = true;
    double approximate = 0.0; // the real part when not real
    double imaginary = 0.0;
    int multiplicity = 1;
    std::vector<Vector> exactVectors;                // a basis of the eigenspace (rational λ)
    std::vector<std::vector<double>> numericVectors; // for an irrational real λ
};

// Eigenvalues and eigenvectors of a 2 × 2 or 3 × 3 matrix: exact where the characteristic
// polynomial factors over the rationals (or leaves a quadratic, whose roots are written with a
// root), numeric otherwise. Throws std::invalid_argument for other sizes.
struct EigenAnalysis {
    Vector polynomial;
    std::vector<Eigenvalue> values;
    std::vector<std::string> steps; // HTML
};
EigenAnalysis analyseEigen(const matrixkit::Matrix& a);

} // namespace grids2
