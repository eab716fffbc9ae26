#pragma once

#include <gmpxx.h>
#include <string>
#include <vector>

namespace matrixkit {

// A matrix of exact rational numbers, rows × cols, stored row by row. Rows and columns are
// counted from 0 in code and from 1 in every text the learner reads.
class Matrix {
  public:
    Matrix() = default;
    Matrix(int rows, int cols);
    // Rows of integers, for tests and generators: Matrix::of({{1, 2}, {3, 4}}).
    static Matrix of(const std::vector<std::vector<long>>& rows);
    static Matrix identity(int n);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    bool isSquare() const { return rows_ == cols_; }
    mpq_class& at(int r, int c) { return entries_[index(r, c)]; }
    const mpq_class& at(int r, int c) const { return entries_[index(r, c)]; }

    bool operator==(const Matrix& other) const;
    bool operator!=(const Matrix& other) const { return !(*this == other); }

    // The columns from..to-1 (used to split an augmented matrix).
    Matrix columns(int from, int to) const;
    // This matrix with the columns of right appended (same row count).
    Matrix joined(const Matrix& right) const;
    // This matrix without row r and column c (a minor's matrix).
    Matrix without(int r, int c) const;

  private:
    std::size_t index(int r, int c) const;
    int rows_ = 0;
    int cols_ = 0;
    std::vector<mpq_class> entries_;
};

// "2 × 3"
std::string sizeText(int rows, int cols);
std::string sizeText(const Matrix& m);

// The arithmetic; each requires matching sizes (see sizeProblem) and throws otherwise.
Matrix add(const Matrix& a, const Matrix& b);
Matrix subtract(const Matrix& a, const Matrix& b);
Matrix scale(const mpq_class& k, const Matrix& a);
Matrix multiply(const Matrix& a, const Matrix& b);
Matrix transpose(const Matrix& a);

// Why a sum or product cannot be formed, in the learner's words, or "" when it can:
// "A is 2 × 3 and B is 2 × 2: a product AB needs as many columns of A (3) as rows of B (2)".
std::string sumProblem(const Matrix& a, const Matrix& b, const char* nameA, const char* nameB);
std::string productProblem(const Matrix& a, const Matrix& b, const char* nameA, const char* nameB);

// Exact texts: "-3/4", and matrices as typed back "[1 2; -1/2 0]".
std::string rationalText(const mpq_class& q);
std::string matrixText(const Matrix& m);
// HTML: "&minus;3/4", a bracketed table; bar > 0 draws a vertical bar before that column
// (an augmented matrix).
std::string rationalHtml(const mpq_class& q);
std::string matrixHtml(const Matrix& m, int bar = 0);

} // namespace matrixkit
