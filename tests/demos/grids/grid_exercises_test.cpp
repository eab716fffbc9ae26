// The generated matrix exercises over many seeds, and what the explore area explains when the
// sizes do not fit.
#include "grids/core/grid_exercises.h"
#include "grids/core/matrix_operations.h"
#include "matrixkit/core/determinant.h"
#include "matrixkit/core/matrix_input.h"

#include "exercise_kind_checks.h"
#include "exercise_properties.h"

#include <gtest/gtest.h>

using namespace grids;
using matrixkit::Matrix;

namespace {

constexpr int seeds = 300;

// The expected matrix with one entry off, a transposed and a negated copy.
std::vector<std::string> nearMisses(const kit::Exercise& e) {
    if (e.expectedAnswer == "undefined")
        return {"[1 2; 3 4]", "0"};
    const auto parsed = matrixkit::parseMatrix(e.expectedAnswer);
    if (!parsed.ok())
        return {e.expectedAnswer + "1"};
    Matrix m = parsed.value();
    std::vector<std::string> wrong{"undefined"};
    Matrix off = m;
    off.at(m.rows() - 1, m.cols() - 1) += 1;
    wrong.push_back(matrixkit::matrixText(off));
    if (matrixkit::transpose(m) != m)
        wrong.push_back(matrixkit::matrixText(matrixkit::transpose(m)));
    return wrong;
}

// The first rows × cols integers of a prompt: the entries of A.
Matrix firstMatrixIn(const std::string& prompt, int rows, int cols) {
    const auto numbers = demo_test::integersIn(prompt);
    Matrix m(rows, cols);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            m.at(i, j) = numbers.at(static_cast<std::size_t>(i * cols + j));
    return m;
}

} // namespace

TEST(GridExercises, EveryKindHoldsOverManySeeds) {
    const auto kinds = gridExerciseKinds();
    ASSERT_GE(kinds.size(), 3u);
    for (const kit::ExerciseKind& kind : kinds) {
        exercise_checks::WrongAnswers wrong = nearMisses;
        if (kind.id == "determinant")
            wrong = [](const kit::Exercise& e) {
                return std::vector<std::string>{e.expectedAnswer + "1", "[1 2; 3 4]"};
            };
        exercise_checks::checkKindOverSeeds(kind, seeds, wrong);
    }
}

TEST(GridExercises, AnswersAgreeWithTheMatricesInThePrompt) {
    int undefinedProducts = 0;
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise inverse = inverseKind().generate(seed);
        const Matrix inv = matrixkit::parseMatrix(inverse.expectedAnswer).value();
        const Matrix a = firstMatrixIn(inverse.prompt, inv.rows(), inv.cols());
        EXPECT_EQ(matrixkit::multiply(a, inv), Matrix::identity(inv.rows())) << inverse.prompt;

        const kit::Exercise det = determinantKind().generate(seed);
        const auto numbers = demo_test::integersIn(det.prompt);
        const int n = numbers.size() >= 16 ? 4 : numbers.size() >= 9 ? 3 : 2;
        EXPECT_EQ(mpq_class(det.expectedAnswer),
                  matrixkit::determinantByCofactors(firstMatrixIn(det.prompt, n, n)));

        const kit::Exercise product = productKind().generate(seed);
        if (product.expectedAnswer == "undefined") {
            ++undefinedProducts;
            EXPECT_NE(product.check("[1 2; 3 4]").message.find("not defined"), std::string::npos);
        }
    }
    EXPECT_GT(undefinedProducts, seeds / 10) << "some products are undefined, to be recognised";
    EXPECT_LT(undefinedProducts, seeds / 2);
}

TEST(MatrixOperations, ExplainWhySizesDoNotFit) {
    const Matrix a = Matrix::of({{1, 2, 3}, {4, 5, 6}});
    const Matrix b = Matrix::of({{1, 0}, {0, 1}});
    const auto sum = explain(Operation::Sum, a, b, 1);
    EXPECT_FALSE(sum.defined);
    EXPECT_NE(sum.html.find("A is 2 \u00d7 3 and B is 2 \u00d7 2"), std::string::npos);
    const auto ab = explain(Operation::ProductAB, a, b, 1);
    EXPECT_FALSE(ab.defined);
    EXPECT_NE(ab.html.find("columns of A (3) as rows of B (2)"), std::string::npos);
    const auto ba = explain(Operation::ProductBA, a, b, 1);
    EXPECT_TRUE(ba.defined);
    EXPECT_NE(ba.html.find("c<sub>23</sub> = 0&middot;3 + 1&middot;6 = 6"), std::string::npos);
    EXPECT_FALSE(explain(Operation::Determinant, a, b, 1).defined);
    EXPECT_FALSE(explain(Operation::Inverse, a, b, 1).defined);
    const auto singular = explain(Operation::Inverse, Matrix::of({{1, 2}, {2, 4}}), b, 1);
    EXPECT_FALSE(singular.defined);
    EXPECT_NE(singular.html.find("no inverse"), std::string::npos);
    EXPECT_NE(explain(Operation::Transpose, a, b, 1).html.find("3 \u00d7 2"), std::string::npos);
}
