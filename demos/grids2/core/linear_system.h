#pragma once

#include "matrixkit/core/matrix.h"
#include "matrixkit/core/row_reduction.h"

#include <string>
#include <vector>

namespace grids2 {

using Vector = std::vector<mpq_class>;

// The unknowns' names: x, y, z for up to three, x1, x2, ... (HTML subscripts) for more.
std::string unknownName(int index, int count);

// Ax = b solved by Gauss–Jordan elimination on [A | b], with its rank and its kind.
struct SystemSolution {
    enum Kind { Unique, None, Infinite } kind = None;
    matrixkit::Reduction reduction; // of the augmented matrix, reduced
    int rank = 0;                   // of A
    int augmentedRank = 0;          // of [A | b]
    Vector particular;              // a solution with every free unknown 0 (empty for None)
    std::vector<int> freeUnknowns;
    std::vector<Vector> directions; // one per free unknown: x = particular + sum t_k * directions_k
};

// augmented is [A | b]: the last column is b. Throws std::invalid_argument with fewer than 2
// columns.
SystemSolution solveSystem(const matrixkit::Matrix& augmented);

// The equations "2x + y &minus; z = 3" of an augmented matrix, one per entry.
std::vector<std::string> equationsHtml(const matrixkit::Matrix& augmented);
// The conclusion: the solution, "no solution because row 3 reads 0 = 5", or the parametric form.
std::string conclusionHtml(const SystemSolution& solution);

// A basis of the solutions of Mx = 0 (the null space), from the reduced form, each vector
// scaled to whole numbers without a common factor.
std::vector<Vector> nullSpace(const matrixkit::Matrix& m);

// "(1, -2, 1/2)"
std::string vectorText(const Vector& v);
std::string vectorHtml(const Vector& v);

// Cramer's rule for a square A with det A != 0: x_i = det A_i / det A, where A_i is A with
// column i replaced by b. When it does not apply, reason says why.
struct CramerWork {
    bool applies = false;
    std::string reason;
    mpq_class determinant;
    Vector values;
    std::vector<std::string> steps;
};
CramerWork cramer(const matrixkit::Matrix& augmented);

} // namespace grids2
