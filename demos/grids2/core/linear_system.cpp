#include "grids2/core/linear_system.h"

#include "matrixkit/core/determinant.h"

#include <stdexcept>

namespace grids2 {

using matrixkit::Matrix;
using matrixkit::rationalHtml;

std::string unknownName(int index, int count) {
    if (count <= 3)
        return std::string(1, "xyz"[index]);
    return "x<sub>" + std::to_string(index + 1) + "</sub>";
}

namespace {

// "2x", "&minus;y", "(1/2)z" as a term after its sign.
std::string termHtml(const mpq_class& size, const std::string& name) {
    if (size == 1)
        return name;
    if (size.get_den() != 1)
        return "(" + rationalHtml(size) + ")" + name;
    return rationalHtml(size) + name;
}

// The expression of a linear combination: "2x &minus; y + 3".
std::string linearHtml(const Vector& coefficients, const std::vector<std::string>& names) {
    std::string html;
    for (std::size_t j = 0; j < coefficients.size(); ++j) {
        const mpq_class& c = coefficients[j];
        if (c == 0)
            continue;
        if (html.empty())
            html = (c < 0 ? "&minus;" : "") + termHtml(abs(c), names[j]);
        else
            html += (c < 0 ? " &minus; " : " + ") + termHtml(abs(c), names[j]);
    }
    return html.empty() ? "0" : html;
}

} // namespace

std::vector<std::string> equationsHtml(const Matrix& augmented) {
    const int n = augmented.cols() - 1;
    std::vector<std::string> names;
    for (int j = 0; j < n; ++j)
        names.push_back(unknownName(j, n));
    std::vector<std::string> lines;
    for (int i = 0; i < augmented.rows(); ++i) {
        Vector row;
        for (int j = 0; j < n; ++j)
            row.push_back(augmented.at(i, j));
        lines.push_back(linearHtml(row, names) + " = " + rationalHtml(augmented.at(i, n)));
    }
    return lines;
}

SystemSolution solveSystem(const Matrix& augmented) {
    if (augmented.cols() < 2)
        throw std::invalid_argument("a system needs at least one unknown and the column b");
    const int n = augmented.cols() - 1;
    SystemSolution s;
    s.reduction = matrixkit::reduce(augmented, matrixkit::ReductionGoal::Reduced, n);
    s.rank = static_cast<int>(s.reduction.pivotColumns.size());
    s.augmentedRank = matrixkit::rank(augmented);
    if (s.augmentedRank > s.rank) {
        s.kind = SystemSolution::None;
        return s;
    }
    const Matrix& r = s.reduction.result;
    s.particular.assign(static_cast<std::size_t>(n), 0);
    std::vector<bool> pivot(static_cast<std::size_t>(n), false);
    for (int p = 0; p < s.rank; ++p) {
        const int c = s.reduction.pivotColumns[static_cast<std::size_t>(p)];
        pivot[static_cast<std::size_t>(c)] = true;
        s.particular[static_cast<std::size_t>(c)] = r.at(p, n);
    }
    for (int f = 0; f < n; ++f) {
        if (pivot[static_cast<std::size_t>(f)])
            continue;
        s.freeUnknowns.push_back(f);
        Vector d(static_cast<std::size_t>(n), 0);
        d[static_cast<std::size_t>(f)] = 1;
        for (int p = 0; p < s.rank; ++p)
            d[static_cast<std::size_t>(s.reduction.pivotColumns[static_cast<std::size_t>(p)])] =
                -r.at(p, f);
        s.directions.push_back(d);
    }
    s.kind = s.freeUnknowns.empty() ? SystemSolution::Unique : SystemSolution::Infinite;
    return s;
}

std::vector<Vector> nullSpace(const Matrix& m) {
    std::vector<Vector> basis = solveSystem(m.joined(Matrix(m.rows(), 1))).directions;
    // Whole numbers without a common factor read best: (-1/2, 1) becomes (-1, 2).
    for (Vector& v : basis) {
        mpz_class denominators = 1, numerators = 0;
        for (const mpq_class& c : v) {
            denominators = lcm(denominators, c.get_den());
            numerators = gcd(numerators, c.get_num());
        }
        for (mpq_class& c : v)
            c = c * denominators / numerators;
    }
    return basis;
}

std::string vectorText(const Vector& v) {
    std::string text = "(";
    for (std::size_t i = 0; i < v.size(); ++i)
        text += (i ? ", " : "") + matrixkit::rationalText(v[i]);
    return text + ")";
}

std::string vectorHtml(const Vector& v) {
    std::string text = "(";
    for (std::size_t i = 0; i < v.size(); ++i)
        text += (i ? ", " : "") + rationalHtml(v[i]);
    return text + ")";
}

std::string conclusionHtml(const SystemSolution& s) {
    const int n = s.reduction.start.cols() - 1;
    const std::string ranks = "rank A = " + std::to_string(s.rank) +
                              ", rank [A | b] = " + std::to_string(s.augmentedRank) + ", " +
                              std::to_string(n) + " unknowns";
    if (s.kind == SystemSolution::None) {
        int row = s.rank; // the first row below the pivots that reads 0 = c with c != 0
        while (row + 1 < s.reduction.result.rows() && s.reduction.result.at(row, n) == 0)
            ++row;
        return "<p>" + ranks + ".</p><p><b>No solution.</b> Row " + std::to_string(row + 1) +
               " of the reduced matrix reads 0 = " + rationalHtml(s.reduction.result.at(row, n)) +
               ", which no choice of the unknowns makes true: the equations contradict each "
               "other (rank [A | b] &gt; rank A).</p>";
    }
    if (s.kind == SystemSolution::Unique) {
        std::string values;
        for (int j = 0; j < n; ++j)
            values += (j ? ", " : "") + unknownName(j, n) + " = " +
                      rationalHtml(s.particular[static_cast<std::size_t>(j)]);
        return "<p>" + ranks +
               ".</p><p><b>Exactly one solution</b> (every unknown has a pivot, "
               "rank A = number of unknowns): " +
               values + ".</p>";
    }
    std::string html = "<p>" + ranks + ".</p><p><b>Infinitely many solutions.</b> " +
                       std::to_string(s.freeUnknowns.size()) +
                       " unknown(s) without a pivot are free; call them ";
    for (std::size_t k = 0; k < s.freeUnknowns.size(); ++k)
        html += (k ? ", " : "") + unknownName(s.freeUnknowns[k], n) + " = t<sub>" +
                std::to_string(k + 1) + "</sub>";
    html += ". Each pivot row gives its unknown in terms of them. In parametric form:</p><p>(";
    for (int j = 0; j < n; ++j)
        html += (j ? ", " : "") + unknownName(j, n);
    html += ") = " + vectorHtml(s.particular);
    for (std::size_t k = 0; k < s.directions.size(); ++k)
        html +=
            " + t<sub>" + std::to_string(k + 1) + "</sub>&middot;" + vectorHtml(s.directions[k]);
    return html + ", for all numbers t.</p>";
}

CramerWork cramer(const Matrix& augmented) {
    CramerWork work;
    const int n = augmented.cols() - 1;
    if (augmented.rows() != n) {
        work.reason = "Cramer's rule needs as many equations as unknowns (here " +
                      std::to_string(augmented.rows()) + " and " + std::to_string(n) + ")";
        return work;
    }
    const Matrix a = augmented.columns(0, n);
    work.determinant = matrixkit::determinantByCofactors(a);
    work.steps.push_back("det A = " + rationalHtml(work.determinant) + matrixkit::matrixHtml(a));
    if (work.determinant == 0) {
        work.reason = "det A = 0, so Cramer's rule does not apply: the system has no solution or "
                      "infinitely many";
        return work;
    }
    for (int i = 0; i < n; ++i) {
        Matrix ai = a;
        for (int r = 0; r < n; ++r)
            ai.at(r, i) = augmented.at(r, n);
        const mpq_class di = matrixkit::determinantByCofactors(ai);
        const mpq_class value = di / work.determinant;
        work.values.push_back(value);
        work.steps.push_back("Replace column " + std::to_string(i + 1) + " by b: det A<sub>" +
                             std::to_string(i + 1) + "</sub> = " + rationalHtml(di) + ", so " +
                             unknownName(i, n) + " = " + rationalHtml(di) + " / " +
                             rationalHtml(work.determinant) + " = " + rationalHtml(value) +
                             matrixkit::matrixHtml(ai));
    }
    work.applies = true;
    return work;
}

} // namespace grids2
