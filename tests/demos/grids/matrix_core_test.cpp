// The exact matrix core against independent computations: determinants by cofactors, by row
// reduction and by the permutation formula; inverses multiplied back; typed matrices read or
// refused with the place of the fault.
#include "matrixkit/core/determinant.h"
#include "matrixkit/core/inverse.h"
#include "matrixkit/core/matrix_input.h"
#include "matrixkit/core/random_matrix.h"
#include "matrixkit/core/row_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace matrixkit;

namespace {

// The sum over all permutations of signed products: a definition independent of both methods.
mpq_class leibniz(const Matrix& m) {
    std::vector<int> p(static_cast<std::size_t>(m.rows()));
    std::iota(p.begin(), p.end(), 0);
    mpq_class sum = 0;
    do {
        int inversions = 0;
        for (std::size_t i = 0; i < p.size(); ++i)
            for (std::size_t j = i + 1; j < p.size(); ++j)
                inversions += p[i] > p[j];
        mpq_class product = inversions % 2 ? -1 : 1;
        for (int i = 0; i < m.rows(); ++i)
            product *= m.at(i, p[static_cast<std::size_t>(i)]);
        sum += product;
    } while (std::next_permutation(p.begin(), p.end()));
    return sum;
}

Matrix read(const char* text) {
    const auto parsed = parseMatrix(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error().message;
    return parsed.value();
}

std::string fault(const char* text) {
    const auto parsed = parseMatrix(text);
    EXPECT_FALSE(parsed.ok()) << text;
    return parsed.ok() ? "" : parsed.error().message;
}

} // namespace

TEST(MatrixInput, ReadsTheWaysAMatrixIsTyped) {
    const Matrix expected = Matrix::of({{1, 2}, {3, 4}});
    EXPECT_EQ(read("[1 2; 3 4]"), expected);
    EXPECT_EQ(read("1, 2; 3, 4"), expected);
    EXPECT_EQ(read("1 2\n3 4\n"), expected);
    EXPECT_EQ(read("[[1 2]; [3 4]];"), expected);
    const Matrix fractions = read("1/2 -0.25; 6/8 0");
    EXPECT_EQ(fractions.at(0, 0), mpq_class(1, 2));
    EXPECT_EQ(fractions.at(0, 1), mpq_class(-1, 4));
    EXPECT_EQ(fractions.at(1, 0), mpq_class(3, 4));
    EXPECT_EQ(
        read("1 2 3 4 5 6; 1 2 3 4 5 6; 1 2 3 4 5 6; 1 2 3 4 5 6; 1 2 3 4 5 6; 1 2 3 4 5 6").rows(),
        6);
}

TEST(MatrixInput, RefusesBadMatricesWithThePlace) {
    EXPECT_NE(fault("1 2; 3").find("row 2 has 1 entries, row 1 has 2"), std::string::npos);
    EXPECT_NE(fault("1 2; 3 x").find("row 2, entry 2: \"x\""), std::string::npos);
    EXPECT_NE(fault("1 3/0").find("row 1, entry 2"), std::string::npos);
    EXPECT_NE(fault("1 2 3 4 5 6 7").find("more than 6"), std::string::npos);
    EXPECT_NE(fault("1;2;3;4;5;6;7").find("more than 6 rows"), std::string::npos);
    EXPECT_NE(fault("1 2;; 3 4").find("row 2 is empty"), std::string::npos);
    EXPECT_NE(fault("1,,2").find("missing"), std::string::npos);
    EXPECT_FALSE(fault("").empty());
    EXPECT_FALSE(fault("[ ]").empty());
    EXPECT_NE(fault(std::string(5000, '1').c_str()).find("too long"), std::string::npos);
}

TEST(MatrixAnswers, NameTheSizeAndTheWrongEntries) {
    const auto check = expectMatrix(Matrix::of({{1, 2}, {3, 4}}));
    EXPECT_TRUE(check("[1 2; 3 4]").correct);
    EXPECT_TRUE(check("2/2 4/2; 3 4.0").correct);
    EXPECT_EQ(check("[1 2 0; 3 4 0]").message, "expected a 2 \u00d7 2 matrix, got 2 \u00d7 3");
    EXPECT_EQ(check("[1 2; 3 5]").message,
              "3 of 4 entries are right; look again at row 2, column 2");
    EXPECT_FALSE(check("[1 2; 3 four]").correct);
}

TEST(Determinants, ThreeMethodsAgreeOnManyMatrices) {
    kit::Random random(2024);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = static_cast<int>(random.between(1, 5));
        Matrix m = randomMatrix(random, n, n, -4, 4);
        if (trial % 5 == 0 && n > 1) // a repeated row: singular
            for (int j = 0; j < n; ++j)
                m.at(n - 1, j) = m.at(0, j);
        if (trial % 7 == 0)
            m.at(0, 0) = mpq_class(1, 3);
        const mpq_class expected = leibniz(m);
        EXPECT_EQ(determinantByCofactors(m), expected) << matrixText(m);
        EXPECT_EQ(rowReductionWork(m).value, expected) << matrixText(m);
        EXPECT_EQ(determinantWork(m).value, expected) << matrixText(m);
    }
}

TEST(Determinants, TheProductRuleAndTheTransposeHold) {
    kit::Random random(9);
    for (int trial = 0; trial < 100; ++trial) {
        const int n = static_cast<int>(random.between(2, 4));
        const Matrix a = randomMatrix(random, n, n, -3, 3);
        const Matrix b = randomMatrix(random, n, n, -3, 3);
        EXPECT_EQ(determinantByCofactors(multiply(a, b)),
                  determinantByCofactors(a) * determinantByCofactors(b));
        EXPECT_EQ(rowReductionWork(transpose(a)).value, determinantByCofactors(a));
    }
    EXPECT_THROW(determinantWork(Matrix::of({{1, 2, 3}})), std::invalid_argument);
}

TEST(Inverses, MultiplyBackToTheIdentityOrAreRefusedExactlyWhenSingular) {
    kit::Random random(77);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = static_cast<int>(random.between(1, 5));
        const Matrix a = randomMatrix(random, n, n, -2, 2);
        const InverseWork work = inverseWork(a);
        const bool singular = leibniz(a) == 0;
        ASSERT_EQ(!work.inverse.has_value(), singular) << matrixText(a);
        if (singular) {
            EXPECT_NE(work.singularReason.find("no pivot"), std::string::npos);
            continue;
        }
        EXPECT_EQ(multiply(a, *work.inverse), Matrix::identity(n)) << matrixText(a);
        EXPECT_EQ(multiply(*work.inverse, a), Matrix::identity(n)) << matrixText(a);
        // Replaying the recorded operations on [A | I] gives the recorded result.
        Matrix replay = work.reduction.start;
        for (const ReductionStep& step : work.reduction.steps)
            replay = applied(step.operation, replay);
        EXPECT_EQ(replay, work.reduction.result);
    }
}

TEST(Inverses, UnimodularMatricesHaveWholeInverses) {
    kit::Random random(5);
    for (int trial = 0; trial < 100; ++trial) {
        const Matrix a = randomUnimodular(random, 3);
        EXPECT_EQ(abs(leibniz(a)), 1);
        const auto inverse = inverseWork(a).inverse;
        ASSERT_TRUE(inverse);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                EXPECT_EQ(inverse->at(i, j).get_den(), 1);
    }
}

TEST(RowReduction, ReducedFormHasUnitPivotsAloneInTheirColumns) {
    kit::Random random(31);
    for (int trial = 0; trial < 200; ++trial) {
        const int rows = static_cast<int>(random.between(1, 5));
        const int cols = static_cast<int>(random.between(1, 6));
        const Matrix m = randomMatrix(random, rows, cols, -3, 3);
        const Reduction r = reduce(m, ReductionGoal::Reduced);
        for (std::size_t p = 0; p < r.pivotColumns.size(); ++p)
            for (int i = 0; i < rows; ++i)
                EXPECT_EQ(r.result.at(i, r.pivotColumns[p]), static_cast<int>(p) == i ? 1 : 0);
        for (int i = static_cast<int>(r.pivotColumns.size()); i < rows; ++i)
            for (int j = 0; j < cols; ++j)
                EXPECT_EQ(r.result.at(i, j), 0) << "rows below the pivots are zero";
        EXPECT_EQ(rank(m), rank(transpose(m))) << matrixText(m);
    }
}

TEST(RowOperations, AreWrittenAsALearnerWritesThem) {
    EXPECT_EQ(operationHtml({RowOperation::AddMultiple, 1, 0, -3}),
              "R<sub>2</sub> &rarr; R<sub>2</sub> &minus; 3R<sub>1</sub>");
    EXPECT_EQ(operationHtml({RowOperation::Scale, 0, 0, mpq_class(1, 2)}),
              "R<sub>1</sub> &rarr; (1/2)R<sub>1</sub>");
    EXPECT_EQ(operationHtml({RowOperation::Swap, 0, 2, 1}), "R<sub>1</sub> &harr; R<sub>3</sub>");
    EXPECT_THROW(applied({RowOperation::Scale, 0, 0, 0}, Matrix::identity(2)),
                 std::invalid_argument);
}
