#include "fractiondrill/core/decimal_form.h"
#include "fractiondrill/core/fraction_exercises.h"
#include "fractiondrill/core/fraction_text.h"
#include "fractiondrill/core/lowest_terms.h"
#include "fractiondrill/core/random_fraction.h"

#include "kit/core/answer_checks.h"
#include "kit/core/number_input.h"

namespace fractiondrill {
namespace {

kit::Exercise makeLowestTerms(kit::Seed seed) {
    kit::Random random(seed);
    const mpq_class reduced = randomProperFraction(random, 15);
    const mpz_class factor = random.between(2, 12);
    const mpz_class numerator = reduced.get_num() * factor;
    const mpz_class denominator = reduced.get_den() * factor;
    kit::Exercise exercise;
    exercise.kind = "lowest-terms";
    exercise.prompt = "Write " + unreducedText(numerator, denominator) + " in lowest terms.";
    exercise.answerHint = "a fraction a/b whose numerator and denominator have no common factor";
    exercise.expectedAnswer = fractionText(reduced);
    exercise.check = kit::expectRational(reduced, kit::FractionForm::LowestTerms);
    exercise.solutionSteps = reductionSteps(numerator, denominator);
    return exercise;
}

kit::Exercise makeEquivalentFraction(kit::Seed seed) {
    kit::Random random(seed);
    const mpq_class fraction = randomProperFraction(random, 12);
    const mpz_class factor = random.between(2, 9);
    const mpz_class target = fraction.get_den() * factor;
    const mpz_class missing = fraction.get_num() * factor;
    kit::Exercise exercise;
    exercise.kind = "equivalent-fraction";
    exercise.prompt =
        "Fill in the missing numerator: " + fractionText(fraction) + " = ? / " + target.get_str();
    exercise.answerHint = "an integer";
    exercise.expectedAnswer = missing.get_str();
    exercise.check = kit::expectInteger(missing);
    exercise.solutionSteps = {
        "The new denominator is " + target.get_str() + " = " + fraction.get_den().get_str() +
            " &times; " + factor.get_str() + ".",
        "Multiplying numerator and denominator by the same non-zero number does not change the "
        "value, because it multiplies the fraction by " +
            factor.get_str() + "/" + factor.get_str() + " = 1.",
        "So the numerator is " + fraction.get_num().get_str() + " &times; " + factor.get_str() +
            " = <b>" + missing.get_str() + "</b>: " + fractionText(fraction) + " = " +
            unreducedText(missing, target) + "."};
    return exercise;
}

// A fraction whose denominator divides 200, so its percentage is a short decimal.
mpq_class percentFriendlyFraction(kit::Random& random) {
    static const std::vector<long> denominators{2, 4, 5, 8, 10, 20, 25, 40, 50};
    const long denominator = random.pick(denominators);
    mpq_class value(random.between(1, denominator - 1), denominator);
    value.canonicalize();
    return value;
}

std::string strippedPercent(std::string_view typed) {
    std::string text(typed);
    while (!text.empty() && (text.back() == ' ' || text.back() == '%'))
        text.pop_back();
    return text;
}

std::function<kit::Verdict(std::string_view)> expectDecimal(const mpq_class& expected) {
    return [expected](std::string_view typed) {
        if (typed.find('/') != std::string_view::npos)
            return kit::Verdict{false, "A decimal is asked for, such as 0.25, not a fraction."};
        return kit::expectRational(expected, kit::FractionForm::AnyEquivalent)(typed);
    };
}

std::function<kit::Verdict(std::string_view)> expectPercent(const mpq_class& expected) {
    return [expected](std::string_view typed) {
        const std::string number = strippedPercent(typed);
        return expectDecimal(expected)(number);
    };
}

kit::Exercise makeDecimalPercent(kit::Seed seed) {
    kit::Random random(seed);
    const mpq_class fraction = percentFriendlyFraction(random);
    const mpq_class percent = fraction * 100;
    const mpz_class power = *powerOfTenDenominator(fraction.get_den());
    const mpz_class scaledNumerator = fraction.get_num() * (power / fraction.get_den());
    const std::string decimal = *terminatingDecimal(fraction);
    const std::string percentText = *terminatingDecimal(percent);
    kit::Exercise exercise;
    exercise.kind = "decimal-percent";
    const std::int64_t variant = random.between(0, 2);
    if (variant == 0) {
        exercise.prompt = "Write " + fractionText(fraction) + " as a decimal.";
        exercise.answerHint = "a decimal such as 0.25";
        exercise.expectedAnswer = decimal;
        exercise.check = expectDecimal(fraction);
    } else if (variant == 1) {
        exercise.prompt = "Write " + fractionText(fraction) + " as a percentage.";
        exercise.answerHint = "a number of percent such as 12.5 or 12.5%";
        exercise.expectedAnswer = percentText + "%";
        exercise.check = expectPercent(percent);
    } else {
        exercise.prompt = "Write " + percentText + "% as a fraction in lowest terms.";
        exercise.answerHint = "a fraction a/b in lowest terms";
        exercise.expectedAnswer = fractionText(fraction);
        exercise.check = kit::expectRational(fraction, kit::FractionForm::LowestTerms);
    }
    exercise.solutionSteps = {
        "The denominator " + fraction.get_den().get_str() +
            " has no prime factors other than 2 and 5, so it divides a power of ten: " +
            power.get_str() + ".",
        fractionText(fraction) + " = " + unreducedText(scaledNumerator, power) + " = " + decimal +
            " (the numerator and denominator are multiplied by " +
            mpz_class(power / fraction.get_den()).get_str() + ").",
        "Per cent means hundredths: " + decimal + " = " + percentText + "/100 = " + percentText +
            "%.",
        "Answer: <b>" + exercise.expectedAnswer + "</b>."};
    return exercise;
}

} // namespace

kit::ExerciseKind lowestTermsKind() {
    return {"lowest-terms", "Lowest terms", makeLowestTerms};
}

kit::ExerciseKind equivalentFractionKind() {
    return {"equivalent-fraction", "Equivalent fractions", makeEquivalentFraction};
}

kit::ExerciseKind decimalPercentKind() {
    return {"decimal-percent", "Decimals and percentages", makeDecimalPercent};
}

std::vector<kit::ExerciseKind> fractionExerciseKinds() {
    return {lowestTermsKind(),   equivalentFractionKind(), fractionArithmeticKind(),
            mixedNumberKind(),   compareFractionsKind(),   fractionBetweenKind(),
            decimalPercentKind()};
}

} // namespace fractiondrill
