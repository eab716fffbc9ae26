#pragma once

#include "matrixkit/core/matrix.h"

#include <string>
#include <vector>

namespace matrixkit {

// One elementary row operation. Swap exchanges rows target and source; Scale multiplies row
// target by factor (never 0); AddMultiple adds factor times row source to row target.
struct RowOperation {
    enum Kind { Swap, Scale, AddMultiple } kind = Swap;
    int target = 0;
    int source = 0;
    mpq_class factor = 1;
};

Matrix applied(const RowOperation& operation, Matrix m);
// "R<sub>2</sub> &rarr; R<sub>2</sub> &minus; 3R<sub>1</sub>", "R<sub>1</sub> &harr; R<sub>3</sub>"
std::string operationHtml(const RowOperation& operation);

struct ReductionStep {
    RowOperation operation;
    std::string reason; // "clear row 2 below the pivot in column 1"
    Matrix after;
};

struct Reduction {
    Matrix start;
    std::vector<ReductionStep> steps;
    Matrix result;
    std::vector<int> pivotColumns; // one per pivot row, in order
    int swaps = 0;
};

// Echelon: zeros below each pivot, pivots left as they are, only swaps and additions of
// multiples (so the determinant only changes sign with a swap). Reduced: every pivot 1 with
// zeros above and below it. Only the first pivotLimit columns take pivots (the coefficient part
// of an augmented matrix); -1 means all columns.
enum class ReductionGoal { Echelon, Reduced };
Reduction reduce(const Matrix& m, ReductionGoal goal, int pivotLimit = -1);

int rank(const Matrix& m);

// The reduction as HTML: the start, then each operation with its reason and the matrix after.
// bar > 0 draws the bar of an augmented matrix before that column.
std::string reductionHtml(const Reduction& reduction, int bar = 0);
// The same, one step per entry, for a worked solution.
std::vector<std::string> reductionSteps(const Reduction& reduction, int bar = 0);

} // namespace matrixkit
