#include "counting/core/counting_exercises.h"

#include "counting/core/base_conversion.h"
#include "counting/core/divisibility_rules.h"
#include "counting/core/peano_arithmetic.h"
#include "counting/core/triangular_induction.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

#include <exception>

namespace counting {
namespace {

const std::vector<std::int64_t> practisedBases{2, 3, 4, 5, 6, 7, 8, 9, 12, 16};

// Numbers that stay a handful of digits long in the chosen base.
mpz_class numberForBase(kit::Random& random, int base) {
    const std::int64_t largest = base <= 3 ? 255 : (base <= 8 ? 2000 : 9999);
    return mpz_class(static_cast<long>(random.between(base + 1, largest)));
}

std::function<kit::Verdict(std::string_view)> expectNumeral(mpz_class expected, int base) {
    return [expected, base](std::string_view typed) {
        try {
            const auto parsed = parseInBase(typed, base);
            if (!parsed.ok())
                return kit::Verdict{false, parsed.error().message};
            if (parsed.value() == expected)
                return kit::Verdict{true, kit::correctMessage};
            return kit::Verdict{
                false, "Not correct yet: " + numeralHtml(toBase(parsed.value(), base), base) +
                           " is " + parsed.value().get_str() + " in base ten."};
        } catch (const std::exception& error) {
            return kit::Verdict{false,
                                std::string("That answer could not be checked: ") + error.what()};
        }
    };
}

} // namespace

kit::Exercise baseToDecimalExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int base = static_cast<int>(random.pick(practisedBases));
    const mpz_class value = numberForBase(random, base);
    const std::string numeral = toBase(value, base);
    kit::Exercise exercise;
    exercise.kind = "base-to-decimal";
    exercise.prompt = "Write " + numeralHtml(numeral, base) + " in base ten.";
    exercise.answerHint = "a natural number in base ten";
    exercise.expectedAnswer = value.get_str();
    exercise.check = kit::expectInteger(value);
    exercise.solutionSteps.push_back("Each digit counts its place value, a power of " +
                                     std::to_string(base) + ":");
    for (const auto& step : placeValueSteps(numeral, base))
        exercise.solutionSteps.push_back(step);
    return exercise;
}

kit::Exercise decimalToBaseExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int base = static_cast<int>(random.pick(practisedBases));
    const mpz_class value = numberForBase(random, base);
    kit::Exercise exercise;
    exercise.kind = "decimal-to-base";
    exercise.prompt = "Write " + value.get_str() + " in base " + std::to_string(base) + ".";
    exercise.answerHint = base > 10 ? "a numeral in base " + std::to_string(base) +
                                          " (digits 0-9 and A-" +
                                          std::string(1, static_cast<char>('A' + base - 11)) + ")"
                                    : "a numeral in base " + std::to_string(base) + " (digits 0-" +
                                          std::to_string(base - 1) + ")";
    exercise.expectedAnswer = toBase(value, base);
    exercise.check = expectNumeral(value, base);
    exercise.solutionSteps.push_back("Divide by " + std::to_string(base) +
                                     " again and again; each remainder is the next digit from "
                                     "the right:");
    for (const auto& step : repeatedDivisionSteps(value, base))
        exercise.solutionSteps.push_back(step);
    return exercise;
}

kit::Exercise divisibilityExercise(kit::Seed seed) {
    kit::Random random(seed);
    // A multiple of a chosen divisor, so at least one rule passes, and big enough that the
    // rules are quicker than long division.
    const std::vector<std::int64_t> factors{2,  3,  4,  5,  6,  8,  9,  10,
                                            11, 12, 18, 22, 33, 36, 44, 45};
    const std::int64_t factor = random.pick(factors);
    const mpz_class n = mpz_class(static_cast<long>(factor)) *
                        mpz_class(static_cast<long>(random.between(100, 99999)));
    std::vector<mpz_class> dividing;
    kit::Exercise exercise;
    exercise.kind = "divisibility";
    exercise.prompt =
        "Which of 2, 3, 4, 5, 6, 8, 9, 10, 11 divide " + n.get_str() + "? Use the digit rules.";
    exercise.answerHint = "the divisors separated by commas, in any order";
    for (int divisor : ruleDivisors()) {
        const RuleCheck check = applyDivisibilityRule(n, divisor);
        std::string line = "<b>" + std::to_string(divisor) + "</b> (" + check.rule + "): ";
        for (std::size_t i = 0; i < check.work.size(); ++i) {
            std::string part = check.work[i];
            if (i + 1 < check.work.size() && part.ends_with('.'))
                part.pop_back();
            line += (i == 0 ? "" : "; ") + part;
        }
        exercise.solutionSteps.push_back(line);
        if (check.divides)
            dividing.push_back(divisor);
    }
    std::string list;
    for (const auto& divisor : dividing)
        list += (list.empty() ? "" : ", ") + divisor.get_str();
    exercise.expectedAnswer = list;
    exercise.solutionSteps.push_back("So " + n.get_str() + " is divisible by " + list + ".");
    exercise.check = kit::expectIntegerList(dividing, false);
    return exercise;
}

kit::Exercise sumOfFirstNumbersExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long last = static_cast<long>(random.between(12, 400));
    const bool fromOne = random.chance(0.5);
    const long first = fromOne ? 1 : static_cast<long>(random.between(5, last - 5));
    const mpz_class answer = triangularNumber(last) - triangularNumber(first - 1);
    kit::Exercise exercise;
    exercise.kind = "sum-of-first-numbers";
    exercise.prompt = "Find " + std::to_string(first) + " + " + std::to_string(first + 1) +
                      " + &hellip; + " + std::to_string(last) + " without adding term by term.";
    exercise.answerHint = "a natural number";
    exercise.expectedAnswer = answer.get_str();
    exercise.check = kit::expectInteger(answer);
    const std::string n = std::to_string(last);
    exercise.solutionSteps.push_back("By induction, 1 + 2 + &hellip; + n = n(n + 1)/2 for every "
                                     "natural number n.");
    exercise.solutionSteps.push_back("1 + 2 + &hellip; + " + n + " = " + n + " &middot; " +
                                     std::to_string(last + 1) +
                                     "/2 = " + triangularNumber(last).get_str());
    if (!fromOne) {
        const std::string m = std::to_string(first - 1);
        exercise.solutionSteps.push_back("The sum asked for leaves out 1 + &hellip; + " + m +
                                         " = " + m + " &middot; " + std::to_string(first) +
                                         "/2 = " + triangularNumber(first - 1).get_str());
        exercise.solutionSteps.push_back(triangularNumber(last).get_str() + " &minus; " +
                                         triangularNumber(first - 1).get_str() + " = " +
                                         answer.get_str());
    }
    return exercise;
}

kit::Exercise peanoAdditionExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int a = static_cast<int>(random.between(2, 9));
    const int b = static_cast<int>(random.between(2, 5));
    kit::Exercise exercise;
    exercise.kind = "peano-addition";
    exercise.prompt = "With 1 the first natural number and S the successor, which natural number "
                      "is " +
                      successorForm(a) + " + " + successorForm(b) + "?";
    exercise.answerHint = "a natural number";
    exercise.expectedAnswer = std::to_string(a + b);
    exercise.check = kit::expectInteger(mpz_class(a + b));
    exercise.solutionSteps.push_back(successorForm(a) + " is " + std::to_string(a) + " and " +
                                     successorForm(b) + " is " + std::to_string(b) +
                                     " (count the S's and add 1).");
    for (const auto& step : peanoAdditionSteps(a, b))
        exercise.solutionSteps.push_back(step);
    return exercise;
}

std::vector<kit::ExerciseKind> countingExerciseKinds() {
    return {{"base-to-decimal", "From another base to base ten", baseToDecimalExercise},
            {"decimal-to-base", "From base ten to another base", decimalToBaseExercise},
            {"divisibility", "Divisibility rules", divisibilityExercise},
            {"sum-of-first-numbers", "Sums of consecutive numbers", sumOfFirstNumbersExercise},
            {"peano-addition", "Adding with successors", peanoAdditionExercise}};
}

} // namespace counting
