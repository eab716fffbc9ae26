#include "decimals/core/decimal_exercises.h"
#include "decimals/core/long_division.h"
#include "decimals/core/repeating_decimal.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

namespace decimals {
namespace {

// Long division lines shown in a solution: beyond this many digits the rest is summarised.
constexpr std::size_t shownDivisionLines = 12;

std::function<kit::Verdict(std::string_view)> expectRepeating(const mpq_class& expected) {
    return [expected](std::string_view typed) {
        const kit::Parsed<RepeatingDecimal> parsed = parseRepeatingDecimal(typed);
        if (!parsed.ok())
            return kit::Verdict{false, parsed.error().message +
                                           " (write the repeating block in brackets: 0.1(6))"};
        const mpq_class value = toFraction(parsed.value());
        if (value != expected)
            return kit::Verdict{false, repeatingText(parsed.value()) + " is " + value.get_str() +
                                           ", not the fraction asked for."};
        return kit::Verdict{true, "Correct."};
    };
}

std::vector<std::string> divisionSteps(const mpz_class& p, const mpz_class& q,
                                       const DecimalExpansion& expansion) {
    std::vector<std::string> steps{
        p.get_str() + " &divide; " + q.get_str() + " = " + expansion.integerPart.get_str() +
        " remainder " +
        (expansion.steps.empty() ? std::string("0") : expansion.steps.front().remainder.get_str()) +
        ". Then bring down a 0 each time: 10 &times; remainder = digit &times; " + q.get_str() +
        " + new remainder."};
    std::string lines;
    for (std::size_t i = 0; i < expansion.steps.size() && i < shownDivisionLines; ++i) {
        const DivisionStep& step = expansion.steps[i];
        lines += mpz_class(step.remainder * 10).get_str() + " = " + std::to_string(step.digit) +
                 " &times; " + q.get_str() + " + " + step.nextRemainder.get_str() + "<br>";
    }
    if (expansion.steps.size() > shownDivisionLines)
        lines += "... (" + std::to_string(expansion.steps.size() - shownDivisionLines) +
                 " more digits)<br>";
    steps.push_back(lines);
    if (expansion.period.empty())
        steps.push_back("The remainder reached 0, so the decimal ends.");
    else
        steps.push_back("The remainder " + expansion.steps.back().nextRemainder.get_str() +
                        " has come back, so from there the same digits repeat for ever: the "
                        "block " +
                        expansion.period + ".");
    steps.push_back("Answer: <b>" + expansionText(expansion) + "</b>.");
    return steps;
}

kit::Exercise makeDecimalExpansion(kit::Seed seed) {
    kit::Random random(seed);
    static const std::vector<long> denominators{3,  6,  7,  9,  11, 12, 13, 15, 18,
                                                22, 27, 30, 33, 37, 8,  16, 40};
    const mpz_class q = random.pick(denominators);
    const mpz_class p = random.between(1, 2 * q.get_si() - 1);
    kit::WorkBudget budget(1000);
    const DecimalExpansion expansion = longDivision(p, q, budget);
    mpq_class value(p, q);
    value.canonicalize();
    kit::Exercise exercise;
    exercise.kind = "decimal-expansion";
    exercise.prompt = "Write " + p.get_str() + "/" + q.get_str() +
                      " as a decimal, with its repeating block (if any) in brackets.";
    exercise.answerHint = "a decimal such as 0.1(6) for 0.1666..., or 0.375";
    exercise.expectedAnswer = expansionText(expansion);
    exercise.check = expectRepeating(value);
    exercise.solutionSteps = divisionSteps(p, q, expansion);
    return exercise;
}

RepeatingDecimal randomRepeating(kit::Random& random) {
    RepeatingDecimal decimal;
    decimal.integerDigits = std::to_string(random.between(0, 3));
    const auto preperiod = random.between(0, 2);
    const auto period = random.between(1, 3);
    for (std::int64_t i = 0; i < preperiod; ++i)
        decimal.preperiod.push_back(static_cast<char>('0' + random.between(0, 9)));
    // A block of nines is the finite decimal in disguise; a block equal to the digit before it
    // could be written shorter. Both are avoided so the shown form is the usual one.
    do {
        decimal.period.clear();
        for (std::int64_t i = 0; i < period; ++i)
            decimal.period.push_back(static_cast<char>('0' + random.between(0, 9)));
    } while (decimal.period.find_first_not_of('9') == std::string::npos ||
             decimal.period.find_first_not_of('0') == std::string::npos ||
             (!decimal.preperiod.empty() && decimal.preperiod.back() == decimal.period.back()));
    return decimal;
}

kit::Exercise makeRepeatingToFraction(kit::Seed seed) {
    kit::Random random(seed);
    const RepeatingDecimal decimal = randomRepeating(random);
    const mpq_class value = toFraction(decimal);
    kit::Exercise exercise;
    exercise.kind = "repeating-to-fraction";
    exercise.prompt = "Write " + repeatingText(decimal) +
                      " (the digits in brackets repeat for "
                      "ever) as a fraction in lowest terms.";
    exercise.answerHint = "a fraction a/b in lowest terms";
    exercise.expectedAnswer = value.get_str();
    exercise.check = kit::expectRational(value, kit::FractionForm::LowestTerms);
    exercise.solutionSteps = toFractionSteps(decimal);
    return exercise;
}

kit::Exercise makePeriodLength(kit::Seed seed) {
    kit::Random random(seed);
    static const std::vector<long> denominators{3,  7,  9,  11, 13,  17, 21, 27, 33,
                                                37, 41, 63, 99, 101, 6,  14, 22, 74};
    const mpz_class q = random.pick(denominators);
    // Any numerator prime to q gives the same block length as 1/q.
    mpz_class p;
    do
        p = random.between(1, q.get_si() - 1);
    while (gcd(p, q) != 1);
    kit::WorkBudget budget(1000);
    const DecimalExpansion expansion = longDivision(p, q, budget);
    const auto length = static_cast<long>(expansion.period.size());
    kit::Exercise exercise;
    exercise.kind = "period-length";
    exercise.prompt = "How many digits has the repeating block of the decimal of " + p.get_str() +
                      "/" + q.get_str() + "?";
    exercise.answerHint = "an integer";
    exercise.expectedAnswer = std::to_string(length);
    exercise.check = kit::expectInteger(length);
    exercise.solutionSteps = divisionSteps(p, q, expansion);
    exercise.solutionSteps.insert(
        exercise.solutionSteps.begin(),
        "Only the remainders 1 to " + mpz_class(q - 1).get_str() +
            " can occur, so a remainder must come back within " + mpz_class(q - 1).get_str() +
            " steps; the block is the stretch between two equal remainders.");
    exercise.solutionSteps.back() +=
        " The block " + expansion.period + " has <b>" + std::to_string(length) + "</b> digits.";
    return exercise;
}

} // namespace

kit::ExerciseKind decimalExpansionKind() {
    return {"decimal-expansion", "Fraction to repeating decimal", makeDecimalExpansion};
}

kit::ExerciseKind repeatingToFractionKind() {
    return {"repeating-to-fraction", "Repeating decimal to fraction", makeRepeatingToFraction};
}

kit::ExerciseKind periodLengthKind() {
    return {"period-length", "Length of the repeating block", makePeriodLength};
}

std::vector<kit::ExerciseKind> decimalExerciseKinds() {
    return {decimalExpansionKind(),  repeatingToFractionKind(),
            periodLengthKind(),      newtonStepKind(),
            supremumKind(),          roundingKind(),
            scientificNotationKind()};
}

} // namespace decimals
