#pragma once

#include "matrixkit/core/matrix.h"

#include <string>
#include <vector>

namespace grids {

// What the explore area computes from the typed A, B and k.
enum class Operation {
    Sum,
    Difference,
    ScalarMultiple,
    ProductAB,
    ProductBA,
    Transpose,
    Determinant,
    DeterminantByRows,
    Inverse
};

struct OperationChoice {
    Operation operation;
    const char* label; // "A + B"
    bool needsB;
    bool needsK;
};
const std::vector<OperationChoice>& operationChoices();

// The result and how it is reached, as HTML; a size that does not fit (A + B with different
// sizes, AB with the wrong inner sizes, det of a non-square matrix, a singular inverse) is
// explained in the text rather than refused.
struct OperationResult {
    bool defined = false;
    std::string html;
};
OperationResult explain(Operation operation, const matrixkit::Matrix& a, const matrixkit::Matrix& b,
                        const mpq_class& k);

// Every entry of AB written out: "c<sub>12</sub> = 1&middot;5 + 2&middot;7 = 19".
std::vector<std::string> productEntrySteps(const matrixkit::Matrix& a, const matrixkit::Matrix& b);

} // namespace grids
