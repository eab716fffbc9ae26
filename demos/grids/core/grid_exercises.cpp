#include "grids/core/grid_exercises.h"

#include "grids/core/matrix_operations.h"
#include "matrixkit/core/determinant.h"
#include "matrixkit/core/inverse.h"
#include "matrixkit/core/matrix_input.h"
#include "matrixkit/core/random_matrix.h"

#include <algorithm>
#include <cctype>

namespace grids {

using kit::Exercise;
using kit::Random;
using matrixkit::Matrix;
using matrixkit::matrixHtml;
using matrixkit::rationalHtml;

namespace {

std::string given(const char* name, const Matrix& m) {
    return "<p>" + std::string(name) + " =</p>" + matrixHtml(m);
}

// "2A &minus; 3B", "&minus;A + 2B"
std::string combinationName(long s, long t) {
    const auto coefficient = [](long c) {
        const long size = c < 0 ? -c : c;
        return size == 1 ? std::string() : std::to_string(size);
    };
    return std::string(s < 0 ? "&minus;" : "") + coefficient(s) + "A " +
           (t < 0 ? "&minus; " : "+ ") + coefficient(t) + "B";
}

// "2A", "&minus;A", "&minus;3B"
std::string multipleName(long c, const char* name) {
    const long size = c < 0 ? -c : c;
    return std::string(c < 0 ? "&minus;" : "") + (size == 1 ? "" : std::to_string(size)) + name;
}

bool isWordUndefined(std::string_view typed) {
    std::string word;
    for (char c : typed)
        if (!std::isspace(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "undefined" || word == "notdefined" || word == "none";
}

// A product that may be undefined: the word "undefined" or the matrix.
kit::AnswerCheck expectProduct(std::optional<Matrix> expected, std::string reason) {
    auto matrixCheck = expected ? matrixkit::expectMatrix(*expected) : kit::AnswerCheck();
    return [expected, reason, matrixCheck](std::string_view typed) -> kit::Verdict {
        if (isWordUndefined(typed))
            return expected ? kit::Verdict{false, "this product is defined: the inner sizes agree"}
                            : kit::Verdict{true, kit::correctMessage};
        if (!expected) {
            const auto parsed = matrixkit::parseMatrix(typed);
            if (!parsed.ok())
                return {false, parsed.error().message};
            return {false, "AB is not defined here: " + reason + ". Type undefined."};
        }
        return matrixCheck(typed);
    };
}

} // namespace

kit::ExerciseKind combinationKind() {
    return {"matrix-combination", "Sum and scalar multiples", [](kit::Seed seed) {
                Random random(seed);
                const int rows = static_cast<int>(random.between(2, 3));
                const int cols = static_cast<int>(random.between(2, 3));
                const Matrix a = matrixkit::randomMatrix(random, rows, cols, -5, 6);
                const Matrix b = matrixkit::randomMatrix(random, rows, cols, -5, 6);
                long s = static_cast<long>(random.between(-3, 3));
                long t = static_cast<long>(random.between(-3, 3));
                if (s == 0)
                    s = 2;
                if (t == 0)
                    t = -1;
                const Matrix sa = matrixkit::scale(s, a);
                const Matrix tb = matrixkit::scale(t, b);
                const Matrix result = matrixkit::add(sa, tb);
                const std::string name = combinationName(s, t);
                std::vector<std::string> steps{
                    "A scalar multiple multiplies every entry: " + multipleName(s, "A") + " =" +
                        matrixHtml(sa),
                    "and " + multipleName(t, "B") + " =" + matrixHtml(tb),
                    "A sum adds the entries in the same place (both are " + matrixkit::sizeText(a) +
                        "): for example in row 1, column 1, " + rationalHtml(sa.at(0, 0)) + " + " +
                        (tb.at(0, 0) < 0 ? "(" + rationalHtml(tb.at(0, 0)) + ")"
                                         : rationalHtml(tb.at(0, 0))) +
                        " = " + rationalHtml(result.at(0, 0)) + ".",
                    name + " =" + matrixHtml(result)};
                return kit::makeExercise("matrix-combination",
                                         given("A", a) + given("B", b) + "<p>Compute " + name +
                                             ".</p>",
                                         matrixkit::matrixHint, matrixkit::matrixText(result),
                                         matrixkit::expectMatrix(result), std::move(steps));
            }};
}

kit::ExerciseKind productKind() {
    return {
        "matrix-product", "Product of two matrices", [](kit::Seed seed) {
            Random random(seed);
            const int m = static_cast<int>(random.between(1, 3));
            const int n = static_cast<int>(random.between(2, 3));
            int p = static_cast<int>(random.between(1, 3));
            if (m == 1 && p == 1)
                p = 2;
            const bool mismatch = random.chance(0.2);
            const int bRows = mismatch ? (n == 2 ? 3 : 2) : n;
            const Matrix a = matrixkit::randomMatrix(random, m, n, -4, 5);
            const Matrix b = matrixkit::randomMatrix(random, bRows, p, -4, 5);
            const std::string prompt = given("A", a) + given("B", b) +
                                       "<p>Compute AB, or type <i>undefined</i> if it is "
                                       "not defined.</p>";
            const char* hint = "a matrix as in [1 2; 3 4], or the word undefined";
            const std::string problem = matrixkit::productProblem(a, b, "A", "B");
            std::vector<std::string> steps{"Check the sizes first: A is " + matrixkit::sizeText(a) +
                                           " and B is " + matrixkit::sizeText(b) + "."};
            if (!problem.empty()) {
                steps.push_back("The row of A has " + std::to_string(n) +
                                " entries but a column of B has " + std::to_string(bRows) +
                                ": they cannot be paired entry by entry, so AB is not "
                                "defined.");
                return kit::makeExercise("matrix-product", prompt, hint, "undefined",
                                         expectProduct(std::nullopt, problem), std::move(steps));
            }
            const Matrix result = matrixkit::multiply(a, b);
            steps.push_back("The inner sizes agree (" + std::to_string(n) +
                            "), so AB is defined and has the outer size " +
                            matrixkit::sizeText(m, p) +
                            ". Entry (i, j) is row i of A times column j of B:");
            for (const std::string& line : productEntrySteps(a, b))
                steps.push_back(line);
            steps.push_back("AB =" + matrixHtml(result));
            return kit::makeExercise("matrix-product", prompt, hint, matrixkit::matrixText(result),
                                     expectProduct(result, ""), std::move(steps));
        }};
}

kit::ExerciseKind determinantKind() {
    return {"determinant", "Determinant", [](kit::Seed seed) {
                Random random(seed);
                const int n = random.chance(0.25) ? 2 : (random.chance(0.8) ? 3 : 4);
                const Matrix a = matrixkit::randomMatrix(random, n, n, -3, 4);
                const auto work = matrixkit::determinantWork(a);
                std::vector<std::string> steps = work.steps;
                steps.insert(steps.begin(), "Use " + work.method + ".");
                return kit::makeExercise(
                    "determinant", given("A", a) + "<p>Find det A.</p>", "a whole number",
                    work.value.get_str(),
                    kit::expectRational(work.value, kit::FractionForm::AnyEquivalent),
                    std::move(steps));
            }};
}

kit::ExerciseKind inverseKind() {
    return {"inverse", "Inverse by Gauss\u2013Jordan", [](kit::Seed seed) {
                Random random(seed);
                Matrix a;
                if (random.chance(0.5)) {
                    a = matrixkit::randomUnimodular(random, 3);
                } else {
                    do
                        a = matrixkit::randomMatrix(random, 2, 2, -5, 6);
                    while (matrixkit::determinantByCofactors(a) == 0 ||
                           abs(matrixkit::determinantByCofactors(a)) > 12);
                }
                const auto work = matrixkit::inverseWork(a);
                std::vector<std::string> steps{
                    "Write [A | I] and use row operations until the left half is I; the same "
                    "operations turn I into the inverse."};
                const auto reduction = matrixkit::reductionSteps(work.reduction, a.cols());
                steps.insert(steps.end(), reduction.begin(), reduction.end());
                steps.push_back("The left half is I, so the right half is A<sup>&minus;1</sup>. "
                                "Check: A&middot;A<sup>&minus;1</sup> = I.");
                return kit::makeExercise(
                    "inverse", given("A", a) + "<p>Find A<sup>&minus;1</sup>.</p>",
                    matrixkit::matrixHint, matrixkit::matrixText(*work.inverse),
                    matrixkit::expectMatrix(*work.inverse), std::move(steps));
            }};
}

std::vector<kit::ExerciseKind> gridExerciseKinds() {
    return {combinationKind(), productKind(), determinantKind(), inverseKind()};
}

} // namespace grids
