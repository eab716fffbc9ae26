#include "matrixkit/core/random_matrix.h"

#include "matrixkit/core/row_reduction.h"

namespace matrixkit {

Matrix randomMatrix(kit::Random& random, int rows, int cols, long lo, long hi) {
    Matrix m(rows, cols);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            m.at(i, j) = static_cast<long>(random.between(lo, hi));
    return m;
}

Matrix randomUnimodular(kit::Random& random, int n) {
    for (;;) {
        Matrix m = Matrix::identity(n);
        for (int step = 0; step < 2 * n; ++step) {
            const int target = static_cast<int>(random.between(0, n - 1));
            int source = static_cast<int>(random.between(0, n - 2));
            if (source >= target)
                ++source;
            long factor = static_cast<long>(random.between(-2, 2));
            if (factor == 0)
                factor = 1;
            m = applied({RowOperation::AddMultiple, target, source, factor}, m);
        }
        if (random.chance(0.5))
            m = applied({RowOperation::Swap, 0, n - 1, 1}, m);
        bool small = true;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                small = small && abs(m.at(i, j)) <= 9;
        if (small && m != Matrix::identity(n))
            return m;
    }
}

} // namespace matrixkit
