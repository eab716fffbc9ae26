#include "fractiondrill/core/decimal_form.h"
#include "fractiondrill/core/fraction_exercises.h"

#include "exercise_kind_checks.h"
#include "kit/core/number_input.h"

#include <gtest/gtest.h>

using namespace fractiondrill;

namespace {

constexpr int seeds = 400;

mpq_class expectedValue(const kit::Exercise& exercise) {
    return kit::parseRational(exercise.expectedAnswer).value();
}

std::string doubled(const mpq_class& value) {
    return mpz_class(2 * value.get_num()).get_str() + "/" +
           mpz_class(2 * value.get_den()).get_str();
}

std::vector<std::string> nearbyValues(const kit::Exercise& exercise) {
    const mpq_class value = expectedValue(exercise);
    std::vector<std::string> wrong{mpq_class(value + 1).get_str(),
                                   mpq_class(value + mpq_class(1, 100)).get_str()};
    if (sgn(value) != 0)
        wrong.push_back(mpq_class(-value).get_str());
    return wrong;
}

} // namespace

TEST(FractionExercises, EveryKindIsWellFormedOverManySeeds) {
    for (const kit::ExerciseKind& kind : fractionExerciseKinds()) {
        if (kind.id == "compare-fractions") {
            exercise_checks::checkKindOverSeeds(kind, seeds, [](const kit::Exercise& e) {
                std::vector<std::string> others;
                for (std::string symbol : {"<", ">", "="})
                    if (symbol != e.expectedAnswer)
                        others.push_back(symbol);
                return others;
            });
        } else if (kind.id == "decimal-percent") {
            exercise_checks::checkKindOverSeeds(kind, seeds, [](const kit::Exercise& e) {
                std::string number = e.expectedAnswer;
                if (number.back() == '%')
                    number.pop_back();
                const mpq_class value = kit::parseRational(number).value();
                return std::vector<std::string>{mpq_class(value + 1).get_str(),
                                                mpq_class(value * 10).get_str()};
            });
        } else if (kind.id == "fraction-between") {
            exercise_checks::checkKindOverSeeds(kind, seeds, [](const kit::Exercise&) {
                return std::vector<std::string>{"0", "1", "-1/2", "3/2"};
            });
        } else {
            exercise_checks::checkKindOverSeeds(kind, seeds, nearbyValues);
        }
    }
}

TEST(FractionExercises, LowestTermsRefusesEquivalentFormsThatTheOperationsAccept) {
    const kit::ExerciseKind reduce = lowestTermsKind();
    const kit::ExerciseKind arithmetic = fractionArithmeticKind();
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = reduce.generate(seed);
        const mpq_class value = expectedValue(exercise);
        EXPECT_FALSE(exercise.check(doubled(value)).correct) << exercise.prompt;
        EXPECT_NE(exercise.check(doubled(value)).message.find("lowest terms"), std::string::npos);
        if (const auto decimal = terminatingDecimal(value)) {
            EXPECT_FALSE(exercise.check(*decimal).correct) << *decimal;
        }

        const kit::Exercise sum = arithmetic.generate(seed);
        const mpq_class result = expectedValue(sum);
        EXPECT_TRUE(sum.check(doubled(result)).correct) << sum.prompt << " " << doubled(result);
        if (const auto decimal = terminatingDecimal(result)) {
            EXPECT_TRUE(sum.check(*decimal).correct) << sum.prompt << " " << *decimal;
        }
    }
}

TEST(FractionExercises, MixedNumberAnswersAreReadAsTheirValue) {
    const kit::ExerciseKind mixed = mixedNumberKind();
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = mixed.generate(seed);
        const mpq_class value = expectedValue(exercise);
        EXPECT_TRUE(exercise.check(value.get_str()).correct) << exercise.prompt;
        EXPECT_NE(exercise.solutionSteps.front().find("improper fractions"), std::string::npos);
    }
}

TEST(FractionExercises, AFractionBetweenIsCheckedByItsValueNotByOneAnswer) {
    const kit::ExerciseKind between = fractionBetweenKind();
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = between.generate(seed);
        const mpq_class middle = expectedValue(exercise);
        // The prompt names the two ends; nudging the midpoint a little stays inside.
        EXPECT_TRUE(exercise.check(mpq_class(middle + mpq_class(1, 100000)).get_str()).correct);
        EXPECT_TRUE(exercise.check(doubled(middle)).correct);
    }
}

TEST(FractionExercises, DecimalsAreAskedForAsDecimals) {
    const kit::ExerciseKind kind = decimalPercentKind();
    int decimalsSeen = 0;
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        if (exercise.prompt.find("as a decimal") == std::string::npos)
            continue;
        ++decimalsSeen;
        const mpq_class value = expectedValue(exercise);
        EXPECT_FALSE(exercise.check(value.get_str()).correct) << exercise.prompt;
        EXPECT_TRUE(exercise.check(exercise.expectedAnswer + "0").correct);
    }
    EXPECT_GT(decimalsSeen, 20);
}
