#include "grids2/core/system_exercises.h"

#include "grids2/core/eigen_analysis.h"
#include "grids2/core/linear_system.h"
#include "kit/core/answer_checks.h"
#include "kit/core/text_scan.h"
#include "matrixkit/core/determinant.h"
#include "matrixkit/core/inverse.h"
#include "matrixkit/core/matrix_input.h"
#include "matrixkit/core/random_matrix.h"

#include <algorithm>

namespace grids2 {

using kit::Exercise;
using kit::Random;
using matrixkit::Matrix;
using matrixkit::matrixHtml;
using matrixkit::rationalHtml;

namespace {

std::string systemHtml(const Matrix& augmented) {
    std::string html = "<p>";
    for (const std::string& line : equationsHtml(augmented))
        html += line + "<br>";
    return html + "</p>";
}

// A non-singular n × n matrix with small entries and a small determinant.
Matrix randomInvertible(Random& random, int n) {
    for (;;) {
        const Matrix a = matrixkit::randomMatrix(random, n, n, -3, 3);
        const mpq_class d = matrixkit::determinantByCofactors(a);
        if (d != 0 && abs(d) <= 30)
            return a;
    }
}

// An n × n matrix of rank n - 1: its last row a combination of the rows before it.
Matrix randomSingular(Random& random, int n) {
    Matrix a = randomInvertible(random, n);
    const std::vector<long> factors{2, -1, 3, -2};
    const long s = random.pick(factors);
    const long t = n > 2 ? random.pick(factors) : 0;
    for (int j = 0; j < n; ++j)
        a.at(n - 1, j) = s * a.at(0, j) + t * a.at(1, j);
    return a;
}

Vector times(const Matrix& a, const Vector& x) {
    Vector b(static_cast<std::size_t>(a.rows()), 0);
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            b[static_cast<std::size_t>(i)] += a.at(i, j) * x[static_cast<std::size_t>(j)];
    return b;
}

Matrix column(const Vector& b) {
    Matrix m(static_cast<int>(b.size()), 1);
    for (std::size_t i = 0; i < b.size(); ++i)
        m.at(static_cast<int>(i), 0) = b[i];
    return m;
}

} // namespace

kit::AnswerCheck expectSolution(int unknowns, int kind, std::vector<mpq_class> unique) {
    return [unknowns, kind, unique](std::string_view typed) -> kit::Verdict {
        const std::string word = kit::squeezedLowercase(typed);
        const bool saysNone = word == "none" || word == "nosolution" || word == "nosolutions";
        const bool saysMany = word == "infinitelymany" || word == "infinite" || word == "many" ||
                              word == "infinitelymanysolutions";
        if (saysNone || saysMany) {
            const int said = saysNone ? SystemSolution::None : SystemSolution::Infinite;
            if (said == kind)
                return {true, kit::correctMessage};
            return {false, kind == SystemSolution::Unique
                               ? "this system has exactly one solution: type it as (x, y, ...)"
                               : "Not correct yet: compare rank A with rank [A | b]"};
        }
        const auto parsed = matrixkit::parseVector(typed);
        if (!parsed.ok())
            return {false, parsed.error().message};
        if (static_cast<int>(parsed.value().size()) != unknowns)
            return {false, "expected " + std::to_string(unknowns) +
                               " values, one per unknown, got " +
                               std::to_string(parsed.value().size())};
        if (kind != SystemSolution::Unique)
            return {false, "this system does not have exactly one solution; reduce [A | b] and "
                           "look at the ranks"};
        if (parsed.value() == unique)
            return {true, kit::correctMessage};
        return {false, "Not correct yet: substitute your values into each equation to see "
                       "which one fails"};
    };
}

kit::ExerciseKind systemKind() {
    return {"solve-system", "Solve a system by elimination", [](kit::Seed seed) {
                Random random(seed);
                const int n = static_cast<int>(random.between(2, 3));
                const int shape = random.chance(0.7) ? 0 : (random.chance(0.5) ? 1 : 2);
                Vector x;
                for (int j = 0; j < n; ++j)
                    x.push_back(static_cast<long>(random.between(-4, 4)));
                const Matrix a =
                    shape == 0 ? randomInvertible(random, n) : randomSingular(random, n);
                Vector b = times(a, x);
                if (shape == 1) // break the consistency: no solution
                    b[static_cast<std::size_t>(n - 1)] += static_cast<long>(random.between(1, 3));
                const Matrix augmented = a.joined(column(b));
                const SystemSolution s = solveSystem(augmented);
                std::vector<std::string> steps{
                    "Write the augmented matrix [A | b] and reduce it by row operations:"};
                const auto reduction = matrixkit::reductionSteps(s.reduction, n);
                steps.insert(steps.end(), reduction.begin(), reduction.end());
                steps.push_back(conclusionHtml(s));
                std::string expected = s.kind == SystemSolution::None ? "none"
                                       : s.kind == SystemSolution::Infinite
                                           ? "infinitely many"
                                           : vectorText(s.particular);
                return kit::makeExercise("solve-system",
                                         "<p>Solve the system</p>" + systemHtml(augmented) +
                                             "<p>Type the solution as (" +
                                             std::string(n == 2 ? "x, y" : "x, y, z") +
                                             "), or <i>none</i>, or <i>infinitely many</i>.</p>",
                                         "(x, y, ...) or none or infinitely many", expected,
                                         expectSolution(n, s.kind, s.particular), std::move(steps));
            }};
}

kit::ExerciseKind rankKind() {
    return {"matrix-rank", "Rank of a matrix", [](kit::Seed seed) {
                Random random(seed);
                const int rows = 3;
                const int cols = static_cast<int>(random.between(3, 4));
                const int wanted = static_cast<int>(random.between(1, 3));
                // rank(PQ) with P rows × wanted and Q wanted × cols generic is wanted.
                Matrix m;
                do {
                    const Matrix p = matrixkit::randomMatrix(random, rows, wanted, -2, 2);
                    const Matrix q = matrixkit::randomMatrix(random, wanted, cols, -2, 2);
                    m = matrixkit::multiply(p, q);
                } while (matrixkit::rank(m) != wanted);
                const auto r = matrixkit::reduce(m, matrixkit::ReductionGoal::Echelon);
                std::vector<std::string> steps{"Reduce to echelon form; the rank is the number of "
                                               "pivots (the non-zero rows left)."};
                const auto reduction = matrixkit::reductionSteps(r);
                steps.insert(steps.end(), reduction.begin(), reduction.end());
                steps.push_back("There are " + std::to_string(wanted) +
                                " non-zero rows, so rank = " + std::to_string(wanted) + ".");
                return kit::makeExercise(
                    "matrix-rank", "<p>A =</p>" + matrixHtml(m) + "<p>What is the rank of A?</p>",
                    "a whole number", std::to_string(wanted), kit::expectInteger(wanted),
                    std::move(steps));
            }};
}

kit::ExerciseKind cramerKind() {
    return {"cramer", "One unknown by Cramer's rule", [](kit::Seed seed) {
                Random random(seed);
                const int n = static_cast<int>(random.between(2, 3));
                const Matrix a = randomInvertible(random, n);
                Vector b;
                for (int i = 0; i < n; ++i)
                    b.push_back(static_cast<long>(random.between(-6, 6)));
                const Matrix augmented = a.joined(column(b));
                const int asked = static_cast<int>(random.between(0, n - 1));
                const CramerWork work = cramer(augmented);
                const mpq_class value = work.values[static_cast<std::size_t>(asked)];
                const std::string name = unknownName(asked, n);
                std::vector<std::string> steps{
                    "Cramer's rule: " + name + " = det A<sub>" + std::to_string(asked + 1) +
                        "</sub> / det A, where A<sub>" + std::to_string(asked + 1) +
                        "</sub> is A with column " + std::to_string(asked + 1) + " replaced by b.",
                    work.steps.front(), work.steps[static_cast<std::size_t>(asked + 1)]};
                return kit::makeExercise(
                    "cramer",
                    "<p>Use Cramer's rule to find " + name + " in</p>" + systemHtml(augmented),
                    "a fraction a/b or a whole number", value.get_str(),
                    kit::expectRational(value, kit::FractionForm::LowestTerms), std::move(steps));
            }};
}

kit::ExerciseKind eigenvalueKind() {
    return {
        "eigenvalues", "Eigenvalues of a 2 \u00d7 2 matrix", [](kit::Seed seed) {
            Random random(seed);
            // A = P D P^-1 with whole P of determinant ±1: whole entries, whole eigenvalues.
            const Matrix p = matrixkit::randomUnimodular(random, 2);
            const long l1 = static_cast<long>(random.between(-5, 5));
            long l2 = static_cast<long>(random.between(-5, 5));
            if (random.chance(0.15))
                l2 = l1;
            const Matrix d = Matrix::of({{l1, 0}, {0, l2}});
            const Matrix a =
                matrixkit::multiply(matrixkit::multiply(p, d), *matrixkit::inverseWork(p).inverse);
            const EigenAnalysis e = analyseEigen(a);
            std::vector<std::string> steps = e.steps;
            steps.insert(steps.begin(),
                         "trace A = " + rationalHtml(a.at(0, 0) + a.at(1, 1)) + " and det A = " +
                             rationalHtml(matrixkit::determinantByCofactors(a)) + ".");
            const std::string expected = l1 == l2 ? std::to_string(l1) + ", " + std::to_string(l1)
                                                  : std::to_string(std::min(l1, l2)) + ", " +
                                                        std::to_string(std::max(l1, l2));
            return kit::makeExercise("eigenvalues",
                                     "<p>A =</p>" + matrixHtml(a) +
                                         "<p>Find the eigenvalues of A (a repeated one twice).</p>",
                                     "whole numbers separated by commas, in any order", expected,
                                     kit::expectIntegerList({l1, l2}, false), std::move(steps));
        }};
}

std::vector<kit::ExerciseKind> systemExerciseKinds() {
    return {systemKind(), rankKind(), cramerKind(), eigenvalueKind()};
}

} // namespace grids2
