// The exercises over many seeds, and their answers against sums computed term by term.
#include "progressions/core/progression_exercises.h"

#include "exercise_kind_checks.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

using namespace progressions;

namespace {

std::vector<std::string> besideTheAnswer(const kit::Exercise& e) {
    if (e.expectedAnswer == "converges")
        return {"diverges"};
    if (e.expectedAnswer == "diverges")
        return {"converges"};
    const mpq_class answer(e.expectedAnswer);
    return {mpq_class(answer + 1).get_str(), mpq_class(answer - 1).get_str(),
            mpq_class(answer * 2 + 1).get_str()};
}

} // namespace

TEST(ProgressionExercises, EveryKindIsWellFormedOverManySeeds) {
    exercise_checks::checkEveryKindOverSeeds(exerciseKinds(), 300, besideTheAnswer);
    EXPECT_GE(exerciseKinds().size(), 3u);
}

TEST(ProgressionExercises, SumAnswersAgreeWithTermByTermSums) {
    // The prompt shows the first four terms; the number of terms follows "first ".
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        for (auto make : {arithmeticSumExercise, geometricSumExercise}) {
            const kit::Exercise e = make(seed);
            const auto after = e.prompt.find("first ") + 6;
            const long n = std::stol(e.prompt.substr(after));
            const auto listStart = e.prompt.find("sequence ") + 9;
            std::vector<mpq_class> shown;
            std::size_t at = listStart;
            for (int k = 0; k < 4; ++k) {
                const auto comma = e.prompt.find(',', at);
                mpq_class value(e.prompt.substr(at, comma - at));
                value.canonicalize();
                shown.push_back(value);
                at = comma + 2;
            }
            const bool geometric = e.kind == "geometric-sum";
            mpq_class term = shown[0], sum = 0;
            const mpq_class step =
                geometric ? mpq_class(shown[1] / shown[0]) : mpq_class(shown[1] - shown[0]);
            for (long k = 0; k < n; ++k) {
                sum += term;
                term = geometric ? mpq_class(term * step) : mpq_class(term + step);
            }
            EXPECT_TRUE(e.check(sum.get_str()).correct) << e.prompt << " " << sum.get_str();
        }
    }
}

TEST(ProgressionExercises, InfiniteSeriesAnswersAreTheLimitsOfTheirPartialSums) {
    for (kit::Seed seed = 0; seed < 100; ++seed) {
        const kit::Exercise e = infiniteGeometricExercise(seed);
        const auto at = e.prompt.find("series ") + 7;
        const double a = mpq_class(e.prompt.substr(at, e.prompt.find(',', at) - at)).get_d();
        const auto second = e.prompt.find(',', at) + 2;
        mpq_class b(e.prompt.substr(second, e.prompt.find(',', second) - second));
        b.canonicalize();
        const double r = b.get_d() / a;
        double sum = 0, term = a;
        for (int k = 0; k < 400; ++k, term *= r)
            sum += term;
        EXPECT_NEAR(mpq_class(e.expectedAnswer).get_d(), sum, 1e-9) << e.prompt;
    }
}
