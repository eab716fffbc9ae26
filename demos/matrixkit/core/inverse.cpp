#include "matrixkit/core/inverse.h"

#include <stdexcept>

namespace matrixkit {

InverseWork inverseWork(const Matrix& a) {
    if (!a.isSquare() || a.rows() == 0)
        throw std::invalid_argument("only a square matrix can have an inverse; this one is " +
                                    sizeText(a));
    const int n = a.rows();
    InverseWork work;
    work.reduction = reduce(a.joined(Matrix::identity(n)), ReductionGoal::Reduced, n);
    const auto& pivots = work.reduction.pivotColumns;
    if (static_cast<int>(pivots.size()) == n) {
        work.inverse = work.reduction.result.columns(n, 2 * n);
        return work;
    }
    int missing = 0;
    while (missing < static_cast<int>(pivots.size()) &&
           pivots[static_cast<std::size_t>(missing)] == missing)
        ++missing;
    work.singularReason = "column " + std::to_string(missing + 1) +
                          " has no pivot: the left half cannot become I, so A is singular "
                          "(det A = 0) and has no inverse";
    return work;
}

} // namespace matrixkit
