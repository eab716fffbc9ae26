#pragma once

#include "matrixkit/core/matrix.h"
#include "matrixkit/core/row_reduction.h"

#include <optional>
#include <string>

namespace matrixkit {

// The inverse by Gauss–Jordan elimination on [A | I]: when the left half becomes I the right
// half is the inverse; when a column has no pivot, A is singular and singularReason says so.
struct InverseWork {
    Reduction reduction; // of the n × 2n matrix [A | I]
    std::optional<Matrix> inverse;
    std::string singularReason;
};

// Throws std::invalid_argument for a matrix that is not square.
InverseWork inverseWork(const Matrix& a);

} // namespace matrixkit
