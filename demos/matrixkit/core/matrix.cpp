#include "matrixkit/core/matrix.h"

#include <stdexcept>

namespace matrixkit {

Matrix::Matrix(int rows, int cols)
    : rows_(rows), cols_(cols), entries_(static_cast<std::size_t>(rows * cols)) {
    if (rows < 0 || cols < 0)
        throw std::invalid_argument("a matrix size cannot be negative");
}

Matrix Matrix::of(const std::vector<std::vector<long>>& rows) {
    const int r = static_cast<int>(rows.size());
    const int c = r == 0 ? 0 : static_cast<int>(rows.front().size());
    Matrix m(r, c);
    for (int i = 0; i < r; ++i) {
        if (static_cast<int>(rows[static_cast<std::size_t>(i)].size()) != c)
            throw std::invalid_argument("rows of different lengths");
        for (int j = 0; j < c; ++j)
            m.at(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
    return m;
}

Matrix Matrix::identity(int n) {
    Matrix m(n, n);
    for (int i = 0; i < n; ++i)
        m.at(i, i) = 1;
    return m;
}

std::size_t Matrix::index(int r, int c) const {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_)
        throw std::out_of_range("matrix entry outside the matrix");
    return static_cast<std::size_t>(r * cols_ + c);
}

bool Matrix::operator==(const Matrix& other) const {
    return rows_ == other.rows_ && cols_ == other.cols_ && entries_ == other.entries_;
}

Matrix Matrix::columns(int from, int to) const {
    Matrix m(rows_, to - from);
    for (int i = 0; i < rows_; ++i)
        for (int j = from; j < to; ++j)
            m.at(i, j - from) = at(i, j);
    return m;
}

Matrix Matrix::joined(const Matrix& right) const {
    if (right.rows_ != rows_)
        throw std::invalid_argument("joined matrices need the same number of rows");
    Matrix m(rows_, cols_ + right.cols_);
    for (int i = 0; i < rows_; ++i) {
        for (int j = 0; j < cols_; ++j)
            m.at(i, j) = at(i, j);
        for (int j = 0; j < right.cols_; ++j)
            m.at(i, cols_ + j) = right.at(i, j);
    }
    return m;
}

Matrix Matrix::without(int r, int c) const {
    Matrix m(rows_ - 1, cols_ - 1);
    for (int i = 0, mi = 0; i < rows_; ++i) {
        if (i == r)
            continue;
        for (int j = 0, mj = 0; j < cols_; ++j)
            if (j != c)
                m.at(mi, mj++) = at(i, j);
        ++mi;
    }
    return m;
}

std::string sizeText(int rows, int cols) {
    return std::to_string(rows) + " \u00d7 " + std::to_string(cols);
}

std::string sizeText(const Matrix& m) {
    return sizeText(m.rows(), m.cols());
}

std::string sumProblem(const Matrix& a, const Matrix& b, const char* nameA, const char* nameB) {
    if (a.rows() == b.rows() && a.cols() == b.cols())
        return "";
    return std::string(nameA) + " is " + sizeText(a) + " and " + nameB + " is " + sizeText(b) +
           ": matrices are added entry by entry, so both must have the same size";
}

std::string productProblem(const Matrix& a, const Matrix& b, const char* nameA, const char* nameB) {
    if (a.cols() == b.rows())
        return "";
    return std::string(nameA) + " is " + sizeText(a) + " and " + nameB + " is " + sizeText(b) +
           ": the product " + nameA + nameB + " needs as many columns of " + nameA + " (" +
           std::to_string(a.cols()) + ") as rows of " + nameB + " (" + std::to_string(b.rows()) +
           "), because each entry pairs a row of " + nameA + " with a column of " + nameB;
}

namespace {

template <class Combine> Matrix entrywise(const Matrix& a, const Matrix& b, Combine combine) {
    if (a.rows() != b.rows() || a.cols() != b.cols())
        throw std::invalid_argument(sumProblem(a, b, "A", "B"));
    Matrix m(a.rows(), a.cols());
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            m.at(i, j) = combine(a.at(i, j), b.at(i, j));
    return m;
}

} // namespace

Matrix add(const Matrix& a, const Matrix& b) {
    return entrywise(a, b, [](const mpq_class& x, const mpq_class& y) { return mpq_class(x + y); });
}

Matrix subtract(const Matrix& a, const Matrix& b) {
    return entrywise(a, b, [](const mpq_class& x, const mpq_class& y) { return mpq_class(x - y); });
}

Matrix scale(const mpq_class& k, const Matrix& a) {
    Matrix m(a.rows(), a.cols());
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            m.at(i, j) = k * a.at(i, j);
    return m;
}

Matrix multiply(const Matrix& a, const Matrix& b) {
    if (a.cols() != b.rows())
        throw std::invalid_argument(productProblem(a, b, "A", "B"));
    Matrix m(a.rows(), b.cols());
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < b.cols(); ++j) {
            mpq_class sum = 0;
            for (int k = 0; k < a.cols(); ++k)
                sum += a.at(i, k) * b.at(k, j);
            m.at(i, j) = sum;
        }
    return m;
}

Matrix transpose(const Matrix& a) {
    Matrix m(a.cols(), a.rows());
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            m.at(j, i) = a.at(i, j);
    return m;
}

std::string rationalText(const mpq_class& q) {
    return q.get_str();
}

std::string matrixText(const Matrix& m) {
    std::string text = "[";
    for (int i = 0; i < m.rows(); ++i) {
        if (i > 0)
            text += "; ";
        for (int j = 0; j < m.cols(); ++j)
            text += (j > 0 ? " " : "") + rationalText(m.at(i, j));
    }
    return text + "]";
}

std::string rationalHtml(const mpq_class& q) {
    std::string text = q.get_str();
    if (!text.empty() && text.front() == '-')
        text = "&minus;" + text.substr(1);
    return text;
}

namespace {

// The bracket pieces of row i of n rows: a tall bracket drawn from its top, middle and bottom.
std::string bracket(int i, int n, bool left) {
    if (n == 1)
        return left ? "[" : "]";
    if (i == 0)
        return left ? "\u23a1" : "\u23a4";
    if (i == n - 1)
        return left ? "\u23a3" : "\u23a6";
    return left ? "\u23a2" : "\u23a5";
}

} // namespace

std::string matrixHtml(const Matrix& m, int bar) {
    // Inline styles: a lesson style sheet may frame table cells, a matrix has no cell borders.
    const std::string cell = "<td style=\"border-style: none; padding: 1px 2px;\"";
    std::string html = "<table cellspacing=\"0\" cellpadding=\"1\" style=\"border-style: none;\">";
    for (int i = 0; i < m.rows(); ++i) {
        html += "<tr>" + cell + ">" + bracket(i, m.rows(), true) + "</td>";
        for (int j = 0; j < m.cols(); ++j) {
            if (bar > 0 && j == bar)
                html += cell + ">\u2502</td>";
            html += cell + " align=\"right\">&nbsp;" + rationalHtml(m.at(i, j)) + "&nbsp;</td>";
        }
        html += cell + ">" + bracket(i, m.rows(), false) + "</td></tr>";
    }
    return html + "</table>";
}

} // namespace matrixkit
