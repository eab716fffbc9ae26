#include "matrixkit/core/row_reduction.h"

#include <stdexcept>

namespace matrixkit {

namespace {

std::string rowName(int r) {
    return "R<sub>" + std::to_string(r + 1) + "</sub>";
}

// "3", "(1/2)", "(&minus;2/3)" as a multiplier written before a row name.
std::string multiplierHtml(const mpq_class& k) {
    if (k == 1)
        return "";
    if (k.get_den() != 1 || k < 0)
        return "(" + rationalHtml(k) + ")";
    return rationalHtml(k);
}

void swapRows(Matrix& m, int a, int b) {
    for (int j = 0; j < m.cols(); ++j)
        std::swap(m.at(a, j), m.at(b, j));
}

// The row at or below top with a non-zero entry in column c, preferring an entry of 1 or -1
// (the arithmetic stays with whole numbers longer); -1 when there is none.
int pivotRow(const Matrix& m, int top, int c) {
    int first = -1;
    for (int i = top; i < m.rows(); ++i) {
        if (m.at(i, c) == 0)
            continue;
        if (m.at(i, c) == 1 || m.at(i, c) == -1)
            return i;
        if (first < 0)
            first = i;
    }
    return first;
}

class Reducer {
  public:
    Reducer(const Matrix& m, ReductionGoal goal) : goal_(goal) {
        work_.start = m;
        work_.result = m;
    }

    void record(RowOperation operation, std::string reason) {
        work_.result = applied(operation, work_.result);
        if (operation.kind == RowOperation::Swap)
            ++work_.swaps;
        work_.steps.push_back({std::move(operation), std::move(reason), work_.result});
    }

    // Makes column c's pivot in row r and clears the column; false when column c has no pivot.
    bool pivotOn(int r, int c) {
        const int p = pivotRow(work_.result, r, c);
        if (p < 0)
            return false;
        const std::string col = "column " + std::to_string(c + 1);
        if (p != r)
            record({RowOperation::Swap, r, p, 1},
                   "bring a non-zero entry of " + col + " up into row " + std::to_string(r + 1));
        if (goal_ == ReductionGoal::Reduced && work_.result.at(r, c) != 1)
            record({RowOperation::Scale, r, r, 1 / work_.result.at(r, c)},
                   "make the pivot of " + col + " equal to 1");
        for (int i = 0; i < work_.result.rows(); ++i) {
            if (i == r || work_.result.at(i, c) == 0)
                continue;
            if (i < r && goal_ == ReductionGoal::Echelon)
                continue;
            const mpq_class factor = -work_.result.at(i, c) / work_.result.at(r, c);
            record({RowOperation::AddMultiple, i, r, factor},
                   std::string("clear row ") + std::to_string(i + 1) +
                       (i < r ? " above" : " below") + " the pivot in " + col);
        }
        work_.pivotColumns.push_back(c);
        return true;
    }

    Reduction finish() { return std::move(work_); }

  private:
    ReductionGoal goal_;
    Reduction work_;
};

} // namespace

Matrix applied(const RowOperation& op, Matrix m) {
    if (op.target < 0 || op.target >= m.rows() || op.source < 0 || op.source >= m.rows())
        throw std::out_of_range("row operation outside the matrix");
    switch (op.kind) {
    case RowOperation::Swap:
        swapRows(m, op.target, op.source);
        break;
    case RowOperation::Scale:
        if (op.factor == 0)
            throw std::invalid_argument("a row may not be multiplied by 0");
        for (int j = 0; j < m.cols(); ++j)
            m.at(op.target, j) *= op.factor;
        break;
    case RowOperation::AddMultiple:
        if (op.target == op.source)
            throw std::invalid_argument("a row's multiple is added to another row");
        for (int j = 0; j < m.cols(); ++j)
            m.at(op.target, j) += op.factor * m.at(op.source, j);
        break;
    }
    return m;
}

std::string operationHtml(const RowOperation& op) {
    const std::string target = rowName(op.target);
    switch (op.kind) {
    case RowOperation::Swap:
        return target + " &harr; " + rowName(op.source);
    case RowOperation::Scale:
        return target + " &rarr; " + multiplierHtml(op.factor) + target;
    case RowOperation::AddMultiple:
        break;
    }
    const mpq_class size = abs(op.factor);
    return target + " &rarr; " + target + (op.factor < 0 ? " &minus; " : " + ") +
           multiplierHtml(size) + rowName(op.source);
}

Reduction reduce(const Matrix& m, ReductionGoal goal, int pivotLimit) {
    const int limit = pivotLimit < 0 ? m.cols() : std::min(pivotLimit, m.cols());
    Reducer reducer(m, goal);
    int row = 0;
    for (int c = 0; c < limit && row < m.rows(); ++c)
        if (reducer.pivotOn(row, c))
            ++row;
    return reducer.finish();
}

int rank(const Matrix& m) {
    return static_cast<int>(reduce(m, ReductionGoal::Echelon).pivotColumns.size());
}

std::vector<std::string> reductionSteps(const Reduction& reduction, int bar) {
    std::vector<std::string> steps;
    steps.push_back("Start from " + matrixHtml(reduction.start, bar));
    for (const ReductionStep& step : reduction.steps)
        steps.push_back("<b>" + operationHtml(step.operation) + "</b> (" + step.reason +
                        "):" + matrixHtml(step.after, bar));
    return steps;
}

std::string reductionHtml(const Reduction& reduction, int bar) {
    std::string html;
    for (const std::string& step : reductionSteps(reduction, bar))
        html += "<p>" + step + "</p>";
    if (reduction.steps.empty())
        html += "<p>No row operation is needed: the matrix is already in the wanted form.</p>";
    return html;
}

} // namespace matrixkit
