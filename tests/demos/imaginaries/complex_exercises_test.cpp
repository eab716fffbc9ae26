#include "imaginaries/core/complex_exercises.h"
#include "imaginaries/core/exact_complex.h"
#include "imaginaries/core/polar_form.h"

#include "exercise_kind_checks.h"
#include "kit/core/number_input.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace imaginaries;

namespace {

constexpr int seeds = 400;

std::vector<std::string> shiftedComplex(const kit::Exercise& exercise) {
    const ExactComplex value = parseComplex(exercise.expectedAnswer).value();
    return {complexText(value + ExactComplex{1, 0}), complexText(value - ExactComplex{0, 1})};
}

std::vector<std::string> shiftedInteger(const kit::Exercise& exercise) {
    const mpz_class value = kit::parseInteger(exercise.expectedAnswer).value();
    return {mpz_class(value + 1).get_str(), mpz_class(value + 360).get_str(),
            mpz_class(-value - 1).get_str()};
}

} // namespace

TEST(ComplexExercises, EveryKindIsWellFormedOverManySeeds) {
    exercise_checks::checkKindOverSeeds(complexArithmeticKind(), seeds, shiftedComplex);
    exercise_checks::checkKindOverSeeds(deMoivreKind(), seeds, shiftedComplex);
    exercise_checks::checkKindOverSeeds(modulusKind(), seeds, shiftedInteger);
    exercise_checks::checkKindOverSeeds(argumentKind(), seeds, shiftedInteger);
    exercise_checks::checkKindOverSeeds(rootsKind(), seeds, [](const kit::Exercise& e) {
        const auto first = e.expectedAnswer.substr(0, e.expectedAnswer.find(','));
        return std::vector<std::string>{first, e.expectedAnswer + ", 1"};
    });
    exercise_checks::checkKindOverSeeds(complexQuadraticKind(), seeds, [](const kit::Exercise& e) {
        const auto roots = parseComplexList(e.expectedAnswer).value();
        return std::vector<std::string>{complexText(roots[0]),
                                        complexText(roots[0]) + ", " + complexText(roots[0]),
                                        complexText(conjugate(roots[0] + ExactComplex{1, 0})) +
                                            ", " + complexText(roots[0] + ExactComplex{1, 0})};
    });
    EXPECT_EQ(complexExerciseKinds().size(), 6u);
}

TEST(ComplexExercises, PowersAgreeWithDeMoivreInFloatingPoint) {
    const kit::ExerciseKind kind = deMoivreKind();
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        // The prompt is "(a + bi)<sup>n</sup>": read z and n back from it.
        const std::size_t open = exercise.prompt.find('(');
        const std::size_t close = exercise.prompt.find(')');
        const std::size_t sup = exercise.prompt.find("<sup>");
        const ExactComplex base =
            parseComplex(exercise.prompt.substr(open + 1, close - open - 1)).value();
        const int n = std::stoi(exercise.prompt.substr(sup + 5));
        const Polar polar = toPolar(toDouble(base));
        const std::complex<double> predicted =
            std::polar(std::pow(polar.modulus, n), polar.argument * n);
        const std::complex<double> answer = toDouble(parseComplex(exercise.expectedAnswer).value());
        EXPECT_NEAR(answer.real(), predicted.real(), 1e-6) << exercise.prompt;
        EXPECT_NEAR(answer.imag(), predicted.imag(), 1e-6) << exercise.prompt;
    }
}

TEST(ComplexExercises, RootsMayBeListedInAnyOrderAndQuadraticRootsToo) {
    for (kit::Seed seed = 0; seed < 100; ++seed) {
        const kit::Exercise roots = rootsKind().generate(seed);
        auto list = kit::parseIntegerList(roots.expectedAnswer).value();
        std::reverse(list.begin(), list.end());
        std::string reversed;
        for (const mpz_class& value : list)
            reversed += (reversed.empty() ? "" : ", ") + value.get_str();
        EXPECT_TRUE(roots.check(reversed).correct) << reversed;

        const kit::Exercise quadratic = complexQuadraticKind().generate(seed);
        const auto pair = parseComplexList(quadratic.expectedAnswer).value();
        EXPECT_TRUE(quadratic.check(complexText(pair[1]) + "; " + complexText(pair[0])).correct);
    }
}

TEST(ComplexExercises, ArgumentsAreTheAnglesOfTheWrittenPoints) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = argumentKind().generate(seed);
        const long expected = std::stol(exercise.expectedAnswer);
        EXPECT_GT(expected, -180);
        EXPECT_LE(expected, 180);
        // Evaluate the prompt's point, with √3 standing for its value.
        std::string point = exercise.prompt.substr(exercise.prompt.find("z = ") + 4);
        point = point.substr(0, point.find(','));
        double re = 0, im = 0, sign = 1, part = 0;
        bool havePart = false;
        std::size_t i = 0;
        const auto flush = [&](bool imaginary) {
            (imaginary ? im : re) += sign * (havePart ? part : 1);
            part = 0;
            havePart = false;
            sign = 1;
        };
        while (i < point.size()) {
            if (point.compare(i, 7, "&minus;") == 0) {
                sign = -1;
                i += 7;
            } else if (point.compare(i, 7, "&radic;") == 0) {
                part = (havePart ? part : 1) * std::sqrt(3.0);
                havePart = true;
                i += 8;
            } else if (std::isdigit(static_cast<unsigned char>(point[i]))) {
                part = point[i] - '0';
                havePart = true;
                ++i;
            } else if (point[i] == 'i') {
                flush(true);
                ++i;
            } else if (point[i] == '+') {
                ++i;
            } else if (point[i] == ' ') {
                if (havePart && i + 1 < point.size() && point[i + 1] != 'i')
                    flush(false);
                ++i;
            } else
                ++i;
        }
        if (havePart)
            flush(false);
        EXPECT_NEAR(degrees(std::atan2(im, re)), double(expected), 1e-9) << exercise.prompt;
    }
}
