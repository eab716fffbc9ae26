// The exercises over many seeds, and their answers against independent computations: the
// library's sine and cosine, coordinates of the triangle, the solver's count of triangles.
#include "angles/core/angle_exercises.h"
#include "angles/core/triangle_solver.h"

#include "kit/core/expression_input.h"

#include "exercise_kind_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>

using namespace angles;

namespace {

std::vector<std::string> besideTheAnswer(const kit::Exercise& e) {
    if (e.expectedAnswer == "undefined")
        return {"0", "1"};
    const auto value = kit::Expression::parse(e.expectedAnswer == "0" ? "0" : e.expectedAnswer, {});
    std::vector<std::string> wrong{"(" + e.expectedAnswer + ")+1",
                                   "2*(" + e.expectedAnswer + ")+3"};
    if (value.ok() && value.value().evaluate({}) && *value.value().evaluate({}) != 0)
        wrong.push_back("-(" + e.expectedAnswer + ")");
    return wrong;
}

std::vector<long> numbersIn(const std::string& text) {
    std::vector<long> found;
    const std::regex number("-?\\d+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        found.push_back(std::stol(it->str()));
    return found;
}

double typedValue(const std::string& text) {
    std::string plain = std::regex_replace(text, std::regex("\u221a(\\d+)"), "sqrt($1)");
    plain = std::regex_replace(plain, std::regex("\u03c0"), "pi");
    const auto parsed = kit::Expression::parse(plain, {});
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.ok() ? parsed.value().evaluate({}).value_or(NAN) : NAN;
}

} // namespace

TEST(AngleExercises, EveryKindIsWellFormedOverManySeeds) {
    ASSERT_GE(exerciseKinds().size(), 3u);
    exercise_checks::checkEveryKindOverSeeds(exerciseKinds(), 200, besideTheAnswer);
}

TEST(AngleExercises, ExactValuesAgreeWithTheLibrarysFunctions) {
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise e = exactValueExercise(seed);
        std::smatch m;
        std::string prompt = e.prompt;
        double radians = 0;
        if (std::regex_search(prompt, m, std::regex("of (sin|cos|tan)\\((-?\\d+)\u00b0\\)"))) {
            radians = std::stod(m[2]) * std::numbers::pi / 180;
        } else {
            ASSERT_TRUE(std::regex_search(prompt, m, std::regex("of (sin|cos|tan)\\((.*)\\)\\.")))
                << prompt;
            std::string angle = std::regex_replace(m[2].str(), std::regex("\u2212"), "-");
            radians = angle == "0" ? 0 : typedValue(angle);
        }
        const std::string name = m[1];
        const double truth = name == "sin"   ? std::sin(radians)
                             : name == "cos" ? std::cos(radians)
                                             : std::tan(radians);
        if (e.expectedAnswer == "undefined") {
            EXPECT_LT(std::abs(std::cos(radians)), 1e-12) << prompt;
            continue;
        }
        EXPECT_NEAR(typedValue(e.expectedAnswer), truth, 1e-9) << prompt << " " << e.expectedAnswer;
    }
}

TEST(AngleExercises, TriangleAnswersAgreeWithCoordinatesAndTheSolver) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise cosines = lawOfCosinesExercise(seed);
        const auto n = numbersIn(cosines.prompt);
        ASSERT_GE(n.size(), 3u);
        // Put C at the origin, side b along the x-axis and side a at the angle C.
        const double a = static_cast<double>(n[0]), b = static_cast<double>(n[1]);
        const double C = static_cast<double>(n[2]) * std::numbers::pi / 180;
        const double c = std::hypot(a * std::cos(C) - b, a * std::sin(C));
        EXPECT_NEAR(typedValue(cosines.expectedAnswer), c, 1e-9) << cosines.prompt;

        const kit::Exercise ssa = ambiguousCaseExercise(seed);
        const auto m = numbersIn(ssa.prompt); // A, b, a
        const auto solved =
            solveTriangle(TriangleCase::SSA, {static_cast<double>(m[2]), static_cast<double>(m[1]),
                                              static_cast<double>(m[0])});
        EXPECT_EQ(std::to_string(solved.triangles.size()), ssa.expectedAnswer) << ssa.prompt;

        const kit::Exercise right = rightTriangleExercise(seed);
        const double answer = typedValue(right.expectedAnswer);
        std::smatch legs;
        if (std::regex_search(right.prompt, legs, std::regex("legs (\\d+) and (\\d+)"))) {
            EXPECT_NEAR(answer, std::hypot(std::stod(legs[1]), std::stod(legs[2])), 1e-9)
                << right.prompt;
        } else {
            std::smatch given;
            ASSERT_TRUE(std::regex_search(right.prompt, given,
                                          std::regex("hypotenuse (\\S+) and one leg (\\d+)")));
            const double hypotenuse = typedValue(given[1]), leg = std::stod(given[2]);
            EXPECT_NEAR(answer * answer + leg * leg, hypotenuse * hypotenuse, 1e-9) << right.prompt;
        }
    }
}

TEST(AngleExercises, PeriodsAreWhereTheFunctionRepeats) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = periodExercise(seed);
        std::smatch m;
        const std::string prompt = e.prompt;
        ASSERT_TRUE(std::regex_search(prompt, m,
                                      std::regex("(sin|cos|tan)\\((\\((\\d+)/(\\d+)\\)|(\\d*))x")))
            << prompt;
        const double b = m[3].matched ? std::stod(m[3]) / std::stod(m[4])
                                      : (m[5].str().empty() ? 1.0 : std::stod(m[5]));
        const double p = typedValue(e.expectedAnswer);
        const auto f = [&](double x) {
            return m[1] == "sin"   ? std::sin(b * x)
                   : m[1] == "cos" ? std::cos(b * x)
                                   : std::tan(b * x);
        };
        for (double x : {0.1, 0.4})
            EXPECT_NEAR(f(x + p), f(x), 1e-8) << prompt;
        EXPECT_GT(std::abs(f(0.1 + p / 2) - f(0.1)) + std::abs(f(0.4 + p / 3) - f(0.4)), 1e-3)
            << prompt;
    }
}

TEST(AngleExercises, IdentityAnswersComeFromAnAngleInTheNamedQuadrant) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = identityExercise(seed);
        std::smatch m;
        ASSERT_TRUE(
            std::regex_search(e.prompt, m,
                              std::regex("(sin|cos) \u03b8 = (-?\\d+)/(\\d+) and \u03b8 lies "
                                         "in quadrant (\\d)\\. What is (sin|cos|tan)")))
            << e.prompt;
        const double given = std::stod(m[2]) / std::stod(m[3]);
        // The angle itself: from the given value, then moved into its quadrant.
        const int quadrant = std::stoi(m[4]);
        const double reference =
            m[1] == "sin" ? std::asin(std::abs(given)) : std::acos(std::abs(given));
        const double pi = std::numbers::pi;
        const double theta = quadrant == 1   ? reference
                             : quadrant == 2 ? pi - reference
                             : quadrant == 3 ? pi + reference
                                             : 2 * pi - reference;
        EXPECT_NEAR(m[1] == "sin" ? std::sin(theta) : std::cos(theta), given, 1e-12) << e.prompt;
        const double truth = m[5] == "sin"   ? std::sin(theta)
                             : m[5] == "cos" ? std::cos(theta)
                                             : std::tan(theta);
        mpq_class answer(e.expectedAnswer);
        EXPECT_NEAR(answer.get_d(), truth, 1e-12) << e.prompt;
    }
}

TEST(AngleExercises, LawOfSinesAnswersAreTheSidesTheSolverFinds) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = lawOfSinesExercise(seed);
        const auto n = numbersIn(e.prompt); // A, B, a
        ASSERT_GE(n.size(), 3u);
        const auto solved =
            solveTriangle(TriangleCase::AAS, {static_cast<double>(n[0]), static_cast<double>(n[1]),
                                              static_cast<double>(n[2])});
        ASSERT_EQ(solved.triangles.size(), 1u) << e.prompt;
        EXPECT_NEAR(typedValue(e.expectedAnswer), solved.triangles[0].b, 1e-9) << e.prompt;
    }
}
