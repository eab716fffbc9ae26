// Systems, eigenvalues and maps against independent computations: solutions substituted back,
// every point of a parametric family checked, eigenvectors checked by Av = λv, numeric
// eigenvalues against the characteristic polynomial.
#include "grids2/core/eigen_analysis.h"
#include "grids2/core/linear_system.h"
#include "grids2/core/plane_map.h"
#include "matrixkit/core/determinant.h"
#include "matrixkit/core/random_matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

using namespace grids2;
using matrixkit::Matrix;

namespace {

Vector times(const Matrix& a, const Vector& x) {
    Vector b(static_cast<std::size_t>(a.rows()), 0);
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            b[static_cast<std::size_t>(i)] += a.at(i, j) * x[static_cast<std::size_t>(j)];
    return b;
}

Vector rightSide(const Matrix& augmented) {
    Vector b;
    for (int i = 0; i < augmented.rows(); ++i)
        b.push_back(augmented.at(i, augmented.cols() - 1));
    return b;
}

// Whether any x with entries in -3..3 (step 1/2) solves Ax = b: a brute-force look for
// solutions of small systems.
bool someSmallSolution(const Matrix& a, const Vector& b, Vector& x, int j = 0) {
    if (j == a.cols())
        return times(a, x) == b;
    for (int k = -6; k <= 6; ++k) {
        x[static_cast<std::size_t>(j)] = mpq_class(k, 2);
        if (someSmallSolution(a, b, x, j + 1))
            return true;
    }
    return false;
}

} // namespace

TEST(Systems, SolutionsSatisfyEveryEquationAndTheKindMatchesTheRanks) {
    kit::Random random(12);
    for (int trial = 0; trial < 400; ++trial) {
        const int rows = static_cast<int>(random.between(1, 4));
        const int n = static_cast<int>(random.between(1, 4));
        const Matrix augmented = matrixkit::randomMatrix(random, rows, n + 1, -2, 2);
        const Matrix a = augmented.columns(0, n);
        const Vector b = rightSide(augmented);
        const SystemSolution s = solveSystem(augmented);
        SCOPED_TRACE(matrixkit::matrixText(augmented));
        EXPECT_EQ(s.rank, matrixkit::rank(a));
        if (s.kind == SystemSolution::None) {
            EXPECT_GT(s.augmentedRank, s.rank);
            if (n <= 3) {
                Vector x(static_cast<std::size_t>(n));
                EXPECT_FALSE(someSmallSolution(a, b, x)) << "a solution exists after all";
            }
            EXPECT_NE(conclusionHtml(s).find("No solution"), std::string::npos);
            continue;
        }
        EXPECT_EQ(times(a, s.particular), b);
        EXPECT_EQ(static_cast<int>(s.directions.size()), n - s.rank);
        EXPECT_EQ(s.kind == SystemSolution::Unique, s.rank == n);
        // Every combination of the directions solves the system too.
        for (const Vector& d : s.directions) {
            EXPECT_EQ(times(a, d), Vector(static_cast<std::size_t>(rows), 0));
            Vector x = s.particular;
            for (std::size_t j = 0; j < x.size(); ++j)
                x[j] += 3 * d[j];
            EXPECT_EQ(times(a, x), b);
        }
    }
}

TEST(Systems, CramerAgreesWithEliminationAndRefusesASingularMatrix) {
    kit::Random random(3);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = static_cast<int>(random.between(1, 4));
        const Matrix augmented = matrixkit::randomMatrix(random, n, n + 1, -3, 3);
        const CramerWork work = cramer(augmented);
        const SystemSolution s = solveSystem(augmented);
        EXPECT_EQ(work.applies, s.rank == n);
        if (work.applies)
            EXPECT_EQ(work.values, s.particular);
        else
            EXPECT_NE(work.reason.find("det A = 0"), std::string::npos);
    }
    EXPECT_NE(cramer(Matrix::of({{1, 2, 3}})).reason.find("as many equations as unknowns"),
              std::string::npos);
}

TEST(Systems, TheParametricFormIsWrittenOut) {
    // x + y + z = 2, x + 2y + 3z = 5: (x, y, z) = (-1, 3, 0) + t(1, -2, 1)
    const SystemSolution s = solveSystem(Matrix::of({{1, 1, 1, 2}, {1, 2, 3, 5}}));
    ASSERT_EQ(s.kind, SystemSolution::Infinite);
    EXPECT_NE(conclusionHtml(s).find("(x, y, z) = (&minus;1, 3, 0) + t<sub>1</sub>&middot;(1, "
                                     "&minus;2, 1)"),
              std::string::npos)
        << conclusionHtml(s);
    EXPECT_EQ(equationsHtml(Matrix::of({{2, -1, 0, 3}}))[0], "2x &minus; y = 3");
}

TEST(Eigen, ExactEigenvectorsSatisfyAvEqualsLambdaV) {
    kit::Random random(8);
    int exact = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = static_cast<int>(random.between(2, 3));
        const Matrix a = matrixkit::randomMatrix(random, n, n, -3, 3);
        const EigenAnalysis e = analyseEigen(a);
        int counted = 0;
        for (const Eigenvalue& v : e.values) {
            counted += v.multiplicity;
            if (v.rational) {
                ++exact;
                ASSERT_FALSE(v.exactVectors.empty()) << matrixkit::matrixText(a);
                for (const Vector& x : v.exactVectors) {
                    Vector lx = x;
                    for (auto& c : lx)
                        c *= *v.rational;
                    EXPECT_EQ(times(a, x), lx);
                }
                EXPECT_EQ(matrixkit::determinantByCofactors(matrixkit::subtract(
                              a, matrixkit::scale(*v.rational, Matrix::identity(n)))),
                          0);
            } else {
                // The numeric eigenvalue is a root of det(λI − A).
                std::complex<double> p = 0, z(v.approximate, v.imaginary);
                for (const mpq_class& c : e.polynomial)
                    p = p * z + c.get_d();
                EXPECT_LT(std::abs(p), 1e-6) << matrixkit::matrixText(a);
                for (const auto& x : v.numericVectors) {
                    for (int i = 0; i < n; ++i) {
                        double ax = 0;
                        for (int j = 0; j < n; ++j)
                            ax += a.at(i, j).get_d() * x[static_cast<std::size_t>(j)];
                        EXPECT_NEAR(ax, v.approximate * x[static_cast<std::size_t>(i)], 1e-6);
                    }
                }
            }
        }
        EXPECT_EQ(counted, n) << "every root counted with its multiplicity";
    }
    EXPECT_GT(exact, 100);
}

TEST(Eigen, RootsAreWrittenExactlyWhenTheyCanBe) {
    const EigenAnalysis golden = analyseEigen(Matrix::of({{1, 1}, {1, 0}}));
    ASSERT_EQ(golden.values.size(), 2u);
    EXPECT_EQ(golden.values[0].valueHtml.substr(0, 20), "(1 + &radic;5)/2 &as");
    const EigenAnalysis turn = analyseEigen(Matrix::of({{0, -1}, {1, 0}}));
    EXPECT_FALSE(turn.values[0].real);
    EXPECT_EQ(turn.values[0].valueHtml.substr(0, 1), "i");
    const EigenAnalysis shear = analyseEigen(Matrix::of({{1, 1}, {0, 1}}));
    ASSERT_EQ(shear.values.size(), 1u);
    EXPECT_EQ(shear.values[0].multiplicity, 2);
    EXPECT_EQ(shear.values[0].exactVectors.size(), 1u) << "one direction only";
    EXPECT_EQ(polynomialHtml(characteristicPolynomial(Matrix::of({{4, 1}, {2, 3}}))),
              "&lambda;<sup>2</sup> &minus; 7&lambda; + 10");
    EXPECT_THROW(analyseEigen(Matrix::identity(4)), std::invalid_argument);
    // Huge entries: the rational root search is skipped, never hangs.
    Matrix big(3, 3);
    big.at(0, 0) = mpq_class("123456789012345678901234567890");
    big.at(1, 1) = mpq_class("98765432109876543210987654321");
    big.at(2, 2) = 1;
    big.at(0, 1) = 1;
    big.at(1, 0) = 1;
    EXPECT_NO_THROW(analyseEigen(big));
}

TEST(PlaneMaps, TheDeterminantIsTheSignedAreaAndFamiliarMapsAreNamed) {
    EXPECT_NE(planeMapHtml(Matrix::of({{2, 1}, {0, 1}})).find("<b>2</b>"), std::string::npos);
    EXPECT_NE(planeMapHtml(Matrix::of({{1, 0}, {0, -1}})).find("orientation reversed"),
              std::string::npos);
    EXPECT_NE(planeMapHtml(Matrix::of({{1, 2}, {2, 4}})).find("a line through the origin"),
              std::string::npos);
    EXPECT_NE(familiarMapName(Matrix::of({{0, -1}, {1, 0}})).find("90"), std::string::npos);
    EXPECT_NE(familiarMapName(Matrix::of({{1, 3}, {0, 1}})).find("shear"), std::string::npos);
    EXPECT_THROW(planeMapHtml(Matrix::identity(3)), std::invalid_argument);
}
