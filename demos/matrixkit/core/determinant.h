#pragma once

#include "matrixkit/core/matrix.h"
#include "matrixkit/core/row_reduction.h"

#include <string>
#include <vector>

namespace matrixkit {

// A determinant with the work that leads to it, each step HTML.
struct DeterminantWork {
    mpq_class value;
    std::string method; // "cofactor expansion along row 1", "row reduction"
    std::vector<std::string> steps;
};

// By the cofactor expansion along the first row (a square matrix of any size; the value only).
mpq_class determinantByCofactors(const Matrix& m);

// Up to 3 × 3 by cofactors with every 2 × 2 minor written out; larger by row reduction to
// echelon form (each swap changes the sign, the value is the product of the diagonal).
// Throws std::invalid_argument for a matrix that is not square.
DeterminantWork determinantWork(const Matrix& m);
DeterminantWork cofactorWork(const Matrix& m);
DeterminantWork rowReductionWork(const Matrix& m);

} // namespace matrixkit
