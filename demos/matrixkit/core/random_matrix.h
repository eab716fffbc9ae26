#pragma once

#include "kit/core/random.h"
#include "matrixkit/core/matrix.h"

namespace matrixkit {

// A matrix of whole numbers drawn from lo..hi.
Matrix randomMatrix(kit::Random& random, int rows, int cols, long lo, long hi);

// A square matrix with determinant 1 or -1 and small entries, built from the identity by a few
// row operations with whole multipliers: its inverse has whole entries too.
Matrix randomUnimodular(kit::Random& random, int n);

// The answer hint every matrix exercise shows under the field.
inline constexpr const char* matrixHint = "a matrix, rows separated by ;  as in [1 2; -3 1/2]";

} // namespace matrixkit
