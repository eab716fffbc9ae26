#include "grids/core/matrix_operations.h"

#include "matrixkit/core/determinant.h"
#include "matrixkit/core/inverse.h"

namespace grids {

using matrixkit::Matrix;
using matrixkit::matrixHtml;
using matrixkit::rationalHtml;

namespace {

std::string factorHtml(const mpq_class& q) {
    return q < 0 ? "(" + rationalHtml(q) + ")" : rationalHtml(q);
}

std::string sizeLine(const Matrix& m, const char* name) {
    return std::string(name) + " is " + matrixkit::sizeText(m);
}

OperationResult notDefined(const std::string& reason) {
    return {false, "<p><b>Not defined.</b> " + reason + ".</p>"};
}

OperationResult entrywise(const Matrix& a, const Matrix& b, bool difference) {
    const std::string problem = matrixkit::sumProblem(a, b, "A", "B");
    if (!problem.empty())
        return notDefined(problem);
    const Matrix result = difference ? matrixkit::subtract(a, b) : matrixkit::add(a, b);
    const char* sign = difference ? " &minus; " : " + ";
    std::string html = "<p>Entry by entry: each entry of the result is the entry of A in the same "
                       "place" +
                       std::string(sign) +
                       "the entry of B there. For example the entry "
                       "in row 1, column 1 is " +
                       factorHtml(a.at(0, 0)) + sign + factorHtml(b.at(0, 0)) + " = " +
                       rationalHtml(result.at(0, 0)) + ".</p>";
    html += std::string("<p>A") + sign + "B =</p>" + matrixHtml(result);
    return {true, html};
}

OperationResult product(const Matrix& a, const Matrix& b, const char* left, const char* right) {
    const std::string problem = matrixkit::productProblem(a, b, left, right);
    if (!problem.empty())
        return notDefined(problem);
    std::string html = "<p>" + sizeLine(a, left) + " and " + sizeLine(b, right) + ", so " + left +
                       right + " is " + matrixkit::sizeText(a.rows(), b.cols()) +
                       ". The entry in row i, column j is row i of " + left +
                       " times column j of " + right + ", entry by entry, added up:</p><p>";
    for (const std::string& line : productEntrySteps(a, b))
        html += line + "<br>";
    html +=
        "</p><p>" + std::string(left) + right + " =</p>" + matrixHtml(matrixkit::multiply(a, b));
    return {true, html};
}

OperationResult determinant(const Matrix& a, bool byRows) {
    if (!a.isSquare())
        return notDefined(sizeLine(a, "A") + ": only a square matrix has a determinant");
    const auto work = byRows ? matrixkit::rowReductionWork(a) : matrixkit::determinantWork(a);
    std::string html = "<p>By " + work.method + ":</p>";
    for (const std::string& step : work.steps)
        html += "<p>" + step + "</p>";
    html += "<p><b>det A = " + rationalHtml(work.value) + "</b></p>";
    return {true, html};
}

OperationResult inverse(const Matrix& a) {
    if (!a.isSquare())
        return notDefined(sizeLine(a, "A") + ": only a square matrix can have an inverse");
    const auto work = matrixkit::inverseWork(a);
    std::string html = "<p>Write [A | I] and use row operations until the left half is I; the "
                       "same operations turn I into A<sup>&minus;1</sup>.</p>" +
                       matrixkit::reductionHtml(work.reduction, a.cols());
    if (!work.inverse)
        return {false, html + "<p><b>No inverse.</b> " + work.singularReason + ".</p>"};
    html += "<p><b>A<sup>&minus;1</sup> =</b></p>" + matrixHtml(*work.inverse);
    html += "<p>Check: A&middot;A<sup>&minus;1</sup> = I" +
            std::string(matrixkit::multiply(a, *work.inverse) == Matrix::identity(a.rows())
                            ? " holds."
                            : " fails.") +
            "</p>";
    return {true, html};
}

} // namespace

const std::vector<OperationChoice>& operationChoices() {
    static const std::vector<OperationChoice> choices{
        {Operation::Sum, "A + B", true, false},
        {Operation::Difference, "A \u2212 B", true, false},
        {Operation::ScalarMultiple, "k\u00b7A", false, true},
        {Operation::ProductAB, "AB", true, false},
        {Operation::ProductBA, "BA", true, false},
        {Operation::Transpose, "A\u1d40 (transpose)", false, false},
        {Operation::Determinant, "det A", false, false},
        {Operation::DeterminantByRows, "det A by row reduction", false, false},
        {Operation::Inverse, "A\u207b\u00b9 by Gauss\u2013Jordan", false, false}};
    return choices;
}

std::vector<std::string> productEntrySteps(const Matrix& a, const Matrix& b) {
    std::vector<std::string> lines;
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < b.cols(); ++j) {
            std::string line =
                "c<sub>" + std::to_string(i + 1) + std::to_string(j + 1) + "</sub> = ";
            mpq_class sum = 0;
            for (int k = 0; k < a.cols(); ++k) {
                line +=
                    (k ? " + " : "") + factorHtml(a.at(i, k)) + "&middot;" + factorHtml(b.at(k, j));
                sum += a.at(i, k) * b.at(k, j);
            }
            lines.push_back(line + " = " + rationalHtml(sum));
        }
    return lines;
}

OperationResult explain(Operation operation, const Matrix& a, const Matrix& b, const mpq_class& k) {
    switch (operation) {
    case Operation::Sum:
        return entrywise(a, b, false);
    case Operation::Difference:
        return entrywise(a, b, true);
    case Operation::ScalarMultiple:
        return {true, "<p>Every entry is multiplied by k = " + rationalHtml(k) + ". For example " +
                          factorHtml(k) + "&middot;" + factorHtml(a.at(0, 0)) + " = " +
                          rationalHtml(k * a.at(0, 0)) + ".</p><p>kA =</p>" +
                          matrixHtml(matrixkit::scale(k, a))};
    case Operation::ProductAB:
        return product(a, b, "A", "B");
    case Operation::ProductBA:
        return product(b, a, "B", "A");
    case Operation::Transpose:
        return {true, "<p>Rows become columns: row i of A is column i of A<sup>T</sup>, so the " +
                          matrixkit::sizeText(a) + " matrix A gives a " +
                          matrixkit::sizeText(a.cols(), a.rows()) + " transpose.</p>" +
                          matrixHtml(matrixkit::transpose(a))};
    case Operation::Determinant:
        return determinant(a, false);
    case Operation::DeterminantByRows:
        return determinant(a, true);
    case Operation::Inverse:
        return inverse(a);
    }
    return {false, ""};
}

} // namespace grids
