#include "decimals/core/decimal_exercises.h"
#include "decimals/core/repeating_decimal.h"
#include "decimals/core/rounding.h"

#include "exercise_kind_checks.h"
#include "kit/core/number_input.h"

#include <gtest/gtest.h>

using namespace decimals;

namespace {

constexpr int seeds = 400;

mpq_class rationalAnswer(const kit::Exercise& exercise) {
    return kit::parseRational(exercise.expectedAnswer).value();
}

std::vector<std::string> nearbyRationals(const kit::Exercise& exercise) {
    const mpq_class value = rationalAnswer(exercise);
    return {mpq_class(value + 1).get_str(), mpq_class(value + mpq_class(1, 1000)).get_str()};
}

} // namespace

TEST(DecimalExercises, EveryKindIsWellFormedOverManySeeds) {
    exercise_checks::checkKindOverSeeds(decimalExpansionKind(), seeds, [](const kit::Exercise& e) {
        // The same digits without the repetition, and the block shifted by one place.
        std::string cut = e.expectedAnswer;
        std::erase(cut, '(');
        std::erase(cut, ')');
        std::vector<std::string> wrong{cut + "1"};
        if (e.expectedAnswer.find('(') != std::string::npos)
            wrong.push_back(cut);
        return wrong;
    });
    exercise_checks::checkKindOverSeeds(repeatingToFractionKind(), seeds, nearbyRationals);
    exercise_checks::checkKindOverSeeds(periodLengthKind(), seeds, nearbyRationals);
    exercise_checks::checkKindOverSeeds(newtonStepKind(), seeds, nearbyRationals);
    exercise_checks::checkKindOverSeeds(supremumKind(), seeds, nearbyRationals);
    exercise_checks::checkKindOverSeeds(roundingKind(), seeds, [](const kit::Exercise& e) {
        const mpq_class value = rationalAnswer(e);
        // One unit in the last kept place up and down: the usual rounding slips.
        const std::size_t point = e.expectedAnswer.find('.');
        const std::size_t places =
            point == std::string::npos ? 0 : e.expectedAnswer.size() - point - 1;
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, places);
        const mpq_class unit(1, power);
        return std::vector<std::string>{fixedText(value + unit, static_cast<int>(places)),
                                        fixedText(value - unit, static_cast<int>(places))};
    });
    exercise_checks::checkKindOverSeeds(
        scientificNotationKind(), seeds, [](const kit::Exercise& e) {
            const std::size_t mark = e.expectedAnswer.find('e');
            const std::string mantissa = e.expectedAnswer.substr(0, mark);
            const long exponent = std::stol(e.expectedAnswer.substr(mark + 1));
            // The value with a mantissa out of range, and a wrong power.
            return std::vector<std::string>{
                fixedText(kit::parseRational(mantissa).value() * 10, 3) + "e" +
                    std::to_string(exponent - 1),
                mantissa + "e" + std::to_string(exponent + 1)};
        });
    EXPECT_EQ(decimalExerciseKinds().size(), 7u);
}

TEST(DecimalExercises, ExpansionsAreAcceptedInAnyCorrectRepeatingForm) {
    const kit::ExerciseKind kind = decimalExpansionKind();
    int repeating = 0;
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        const std::size_t open = exercise.expectedAnswer.find('(');
        if (open == std::string::npos)
            continue;
        ++repeating;
        // 0.1(6) may also be written 0.16(6) or 0.1(66): the same number.
        const std::string block =
            exercise.expectedAnswer.substr(open + 1, exercise.expectedAnswer.size() - open - 2);
        const std::string unrolled =
            exercise.expectedAnswer.substr(0, open) + block + "(" + block + ")";
        const std::string doubledBlock =
            exercise.expectedAnswer.substr(0, open) + "(" + block + block + ")";
        EXPECT_TRUE(exercise.check(unrolled).correct) << unrolled;
        EXPECT_TRUE(exercise.check(doubledBlock).correct) << doubledBlock;
        const kit::Verdict typo =
            exercise.check(exercise.expectedAnswer.substr(0, open) + "(" + block);
        EXPECT_FALSE(typo.correct);
        EXPECT_NE(typo.message.find("expected ')'"), std::string::npos) << typo.message;
    }
    EXPECT_GT(repeating, 100);
}

TEST(DecimalExercises, RepeatingDecimalsMustBeGivenInLowestTerms) {
    const kit::ExerciseKind kind = repeatingToFractionKind();
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        const mpq_class value = rationalAnswer(exercise);
        const std::string unreduced = mpz_class(3 * value.get_num()).get_str() + "/" +
                                      mpz_class(3 * value.get_den()).get_str();
        EXPECT_FALSE(exercise.check(unreduced).correct) << unreduced;
        // The prompt's decimal is the fraction: read it back independently of the solution.
        const std::size_t start = exercise.prompt.find("Write ") + 6;
        const std::string decimal =
            exercise.prompt.substr(start, exercise.prompt.find(' ', start) - start);
        EXPECT_EQ(toFraction(parseRepeatingDecimal(decimal).value()), value) << decimal;
    }
}
