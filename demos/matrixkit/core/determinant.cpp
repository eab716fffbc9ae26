#include "matrixkit/core/determinant.h"

#include <stdexcept>

namespace matrixkit {

namespace {

void requireSquare(const Matrix& m) {
    if (!m.isSquare() || m.rows() == 0)
        throw std::invalid_argument("a determinant needs a square matrix; this one is " +
                                    sizeText(m));
}

std::string entry(const char* name, int i, int j) {
    return std::string(name) + "<sub>" + std::to_string(i + 1) + std::to_string(j + 1) + "</sub>";
}

// "(&minus;2)" for a negative factor inside a product.
std::string factorHtml(const mpq_class& q) {
    return q < 0 ? "(" + rationalHtml(q) + ")" : rationalHtml(q);
}

// "a·d − b·c = 1·4 − 2·3 = −2" for a 2 × 2 matrix.
std::string twoByTwoHtml(const Matrix& m) {
    const mpq_class value = m.at(0, 0) * m.at(1, 1) - m.at(0, 1) * m.at(1, 0);
    return factorHtml(m.at(0, 0)) + "&middot;" + factorHtml(m.at(1, 1)) + " &minus; " +
           factorHtml(m.at(0, 1)) + "&middot;" + factorHtml(m.at(1, 0)) + " = " +
           rationalHtml(value);
}

} // namespace

mpq_class determinantByCofactors(const Matrix& m) {
    requireSquare(m);
    if (m.rows() == 1)
        return m.at(0, 0);
    mpq_class sum = 0;
    for (int j = 0; j < m.cols(); ++j) {
        if (m.at(0, j) == 0)
            continue;
        const mpq_class term = m.at(0, j) * determinantByCofactors(m.without(0, j));
        sum += j % 2 == 0 ? term : mpq_class(-term);
    }
    return sum;
}

DeterminantWork cofactorWork(const Matrix& m) {
    requireSquare(m);
    DeterminantWork work;
    work.method = "cofactor expansion along row 1";
    work.value = determinantByCofactors(m);
    const int n = m.rows();
    if (n == 1) {
        work.steps.push_back("A 1 &times; 1 matrix's determinant is its one entry: " +
                             rationalHtml(work.value) + ".");
        return work;
    }
    if (n == 2) {
        work.steps.push_back("For a 2 &times; 2 matrix, det = " + entry("a", 0, 0) +
                             entry("a", 1, 1) + " &minus; " + entry("a", 0, 1) + entry("a", 1, 0) +
                             ".");
        work.steps.push_back("det = " + twoByTwoHtml(m) + ".");
        return work;
    }
    std::string formula = "det A = ";
    for (int j = 0; j < n; ++j)
        formula += std::string(j == 0 ? "" : (j % 2 ? " &minus; " : " + ")) + entry("a", 0, j) +
                   "&middot;det M<sub>1" + std::to_string(j + 1) + "</sub>";
    work.steps.push_back(formula +
                         ", where M<sub>1j</sub> is A without row 1 and column j; the signs "
                         "alternate + &minus; + because the cofactor is (&minus;1)<sup>1+j</sup> "
                         "times the minor.");
    std::string terms;
    for (int j = 0; j < n; ++j) {
        const Matrix minor = m.without(0, j);
        const mpq_class d = determinantByCofactors(minor);
        std::string line = "det M<sub>1" + std::to_string(j + 1) + "</sub> = ";
        line += n == 3 ? twoByTwoHtml(minor) : rationalHtml(d);
        work.steps.push_back(line + matrixHtml(minor));
        terms += std::string(j == 0 ? "" : (j % 2 ? " &minus; " : " + ")) + factorHtml(m.at(0, j)) +
                 "&middot;" + factorHtml(d);
    }
    work.steps.push_back("det A = " + terms + " = " + rationalHtml(work.value) + ".");
    return work;
}

DeterminantWork rowReductionWork(const Matrix& m) {
    requireSquare(m);
    DeterminantWork work;
    work.method = "row reduction";
    const Reduction reduction = reduce(m, ReductionGoal::Echelon);
    work.steps.push_back("Reduce A to echelon form with two kinds of row operation: adding a "
                         "multiple of one row to another leaves the determinant unchanged, and a "
                         "swap of two rows changes its sign.");
    const auto steps = reductionSteps(reduction);
    work.steps.insert(work.steps.end(), steps.begin() + 1, steps.end());
    const int n = m.rows();
    if (static_cast<int>(reduction.pivotColumns.size()) < n) {
        work.value = 0;
        work.steps.push_back("The echelon form has a row of zeros (only " +
                             std::to_string(reduction.pivotColumns.size()) + " pivots for " +
                             std::to_string(n) + " rows), so det A = 0.");
        return work;
    }
    mpq_class product = 1;
    std::string diagonal;
    for (int i = 0; i < n; ++i) {
        product *= reduction.result.at(i, i);
        diagonal += (i ? "&middot;" : "") + factorHtml(reduction.result.at(i, i));
    }
    const bool odd = reduction.swaps % 2 == 1;
    work.value = odd ? mpq_class(-product) : product;
    work.steps.push_back(
        "The determinant of a triangular matrix is the product of its diagonal: " + diagonal +
        " = " + rationalHtml(product) + ". There were " + std::to_string(reduction.swaps) +
        " swaps" + (odd ? ", an odd number, so the sign changes" : ", so the sign stays") +
        ": det A = " + rationalHtml(work.value) + ".");
    return work;
}

DeterminantWork determinantWork(const Matrix& m) {
    return m.rows() <= 3 ? cofactorWork(m) : rowReductionWork(m);
}

} // namespace matrixkit
