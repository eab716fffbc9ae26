#include "decimals/core/decimal_exercises.h"
#include "decimals/core/root_approximation.h"
#include "decimals/core/rounding.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

namespace decimals {
namespace {

kit::Exercise makeNewtonStep(kit::Seed seed) {
    kit::Random random(seed);
    // A number that is not a square, and a start near its root: the integer part of the root,
    // one more, or half-way between.
    mpz_class n;
    do
        n = random.between(2, 30);
    while (mpz_perfect_square_p(n.get_mpz_t()));
    const mpz_class root = sqrt(n);
    static const std::vector<mpq_class> offsets{mpq_class(0), mpq_class(1), mpq_class(1, 2)};
    const mpq_class start = root + random.pick(offsets);
    const mpq_class next = newtonSquareRoot(n, start, 1).back();
    const mpq_class quotient = n / start;
    kit::Exercise exercise;
    exercise.kind = "newton-step";
    exercise.prompt = "Newton's method for &radic;" + n.get_str() + " replaces x by (x + " +
                      n.get_str() + "/x)/2. Starting from x = " + start.get_str() +
                      ", what is the next value?";
    exercise.answerHint = "a fraction a/b (equivalent forms accepted)";
    exercise.expectedAnswer = next.get_str();
    exercise.check = kit::expectRational(next, kit::FractionForm::AnyEquivalent);
    exercise.solutionSteps = {"If x is too large, " + n.get_str() +
                                  "/x is too small, and the other way round; their "
                                  "average lies closer to &radic;" +
                                  n.get_str() + ".",
                              n.get_str() + "/x = " + n.get_str() + " &divide; " + start.get_str() +
                                  " = " + quotient.get_str() + ".",
                              "(" + start.get_str() + " + " + quotient.get_str() +
                                  ")/2 = " + mpq_class(start + quotient).get_str() + "/2 = <b>" +
                                  next.get_str() + "</b>.",
                              "Check: (" + next.get_str() +
                                  ")<sup>2</sup> = " + mpq_class(next * next).get_str() +
                                  ", close to " + n.get_str() + "; &radic;" + n.get_str() + " = " +
                                  squareRootDigits(n, 6) + "..."};
    return exercise;
}

// Sets {a + s·b/n : n = 1, 2, 3, ...}: with s = −1 they rise towards a, never reaching it, so
// the least upper bound a is not a member; with s = +1 they fall from a + b, their largest
// member and so their least upper bound.
kit::Exercise makeSupremum(kit::Seed seed) {
    kit::Random random(seed);
    const mpz_class a = random.between(-5, 5);
    const mpz_class b = random.between(1, 6);
    const bool rising = random.chance(0.6);
    const mpq_class answer = rising ? mpq_class(a) : mpq_class(a + b);
    const std::string sign = rising ? " &minus; " : " + ";
    kit::Exercise exercise;
    exercise.kind = "supremum";
    exercise.prompt = "What is the least upper bound of the set { " + a.get_str() + sign +
                      b.get_str() + "/n : n = 1, 2, 3, ... }?";
    exercise.answerHint = "a number (an integer or a fraction)";
    exercise.expectedAnswer = answer.get_str();
    exercise.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    if (rising) {
        exercise.solutionSteps = {
            "The members are " + mpq_class(a - b).get_str() + ", " +
                mpq_class(a - mpq_class(mpq_class(b) / 2)).get_str() + ", " +
                mpq_class(a - mpq_class(mpq_class(b) / 3)).get_str() + ", ...: they grow with n.",
            "Every member is less than " + a.get_str() + ", since " + b.get_str() +
                "/n &gt; 0: so " + a.get_str() + " is an upper bound.",
            "No smaller number u &lt; " + a.get_str() + " is one: choose n &gt; " + b.get_str() +
                "/(" + a.get_str() + " &minus; u), then " + a.get_str() + sign + b.get_str() +
                "/n &gt; u.",
            "So the least upper bound is <b>" + a.get_str() + "</b>, though no member equals it."};
    } else {
        exercise.solutionSteps = {
            "The members are " + mpq_class(a + b).get_str() + ", " +
                mpq_class(a + mpq_class(mpq_class(b) / 2)).get_str() + ", " +
                mpq_class(a + mpq_class(mpq_class(b) / 3)).get_str() +
                ", ...: they shrink as n grows.",
            "The first member, n = 1, is the largest: " + answer.get_str() + ".",
            "A largest member is an upper bound, and no smaller number is one since it lies below "
            "that member.",
            "So the least upper bound is <b>" + answer.get_str() + "</b>, and it is a member."};
    }
    return exercise;
}

mpq_class randomDecimal(kit::Random& random, int places) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(places));
    mpq_class value(random.between(1, 99999999), power);
    value.canonicalize();
    return random.chance(0.2) ? mpq_class(-value) : value;
}

kit::Exercise makeRounding(kit::Seed seed) {
    kit::Random random(seed);
    const int places = static_cast<int>(random.between(5, 7));
    const mpq_class x = randomDecimal(random, places);
    const int target = static_cast<int>(random.between(0, 3));
    const mpq_class rounded = roundToPlaces(x, target);
    const std::string shown = fixedText(x, places);
    const std::string answer = fixedText(x, target);
    const std::size_t point = shown.find('.');
    const char deciding = shown[point + 1 + static_cast<std::size_t>(target)];
    kit::Exercise exercise;
    exercise.kind = "rounding";
    exercise.prompt = "Round " + shown + " to " + std::to_string(target) + " decimal place" +
                      (target == 1 ? "" : "s") + ".";
    exercise.answerHint = "a decimal";
    exercise.expectedAnswer = answer;
    exercise.check = kit::expectRational(rounded, kit::FractionForm::AnyEquivalent);
    exercise.solutionSteps = {
        "Keep " + std::to_string(target) + " digit" + (target == 1 ? "" : "s") +
            " after the point and look at the next one: " + std::string(1, deciding) + ".",
        std::string(deciding >= '5' ? "It is 5 or more, so the last kept digit goes up by one "
                                      "(the size goes up, away from zero)."
                                    : "It is less than 5, so the kept digits stay as they are."),
        "Answer: <b>" + answer + "</b>."};
    return exercise;
}

std::function<kit::Verdict(std::string_view)> expectScientific(const mpq_class& expected) {
    return [expected](std::string_view typed) {
        const kit::Parsed<Scientific> parsed = parseScientific(typed);
        if (!parsed.ok())
            return kit::Verdict{false, parsed.error().message};
        const Scientific& value = parsed.value();
        if (abs(value.mantissa) < 1 || abs(value.mantissa) >= 10)
            return kit::Verdict{false, "In scientific notation the number before the power of "
                                       "ten is at least 1 and less than 10."};
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(value.exponent)));
        const mpq_class written = value.exponent >= 0 ? mpq_class(value.mantissa * power)
                                                      : mpq_class(value.mantissa / power);
        if (written != expected)
            return kit::Verdict{false, "That is " + written.get_str() + ", a different number."};
        return kit::Verdict{true, "Correct."};
    };
}

kit::Exercise makeScientificNotation(kit::Seed seed) {
    kit::Random random(seed);
    const mpz_class digits = random.between(101, 9999);
    const long shift = static_cast<long>(random.between(-9, 9));
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(shift)));
    mpq_class x = shift >= 0 ? mpq_class(digits * power) : mpq_class(digits, power);
    x.canonicalize();
    const int figures = static_cast<int>(digits.get_str().size());
    const Scientific exact = toScientific(x, figures);
    const std::string plain = fixedText(x, shift < 0 ? static_cast<int>(-shift) : 0);
    kit::Exercise exercise;
    exercise.kind = "scientific-notation";
    exercise.prompt = "Write " + plain + " in scientific notation.";
    exercise.answerHint = "m &times; 10^k as 3.2e5 or 3.2 x 10^5, with 1 &le; m &lt; 10";
    exercise.expectedAnswer =
        fixedText(exact.mantissa, figures - 1) + "e" + std::to_string(exact.exponent);
    exercise.check = expectScientific(x);
    exercise.solutionSteps = {"Move the decimal point until one non-zero digit stands before it: " +
                                  fixedText(exact.mantissa, figures - 1) + ".",
                              "The point moved " + std::to_string(std::labs(exact.exponent)) +
                                  " place" + (std::labs(exact.exponent) == 1 ? "" : "s") +
                                  (exact.exponent >= 0
                                       ? " to the left, so the power of ten is positive."
                                       : " to the right, so the power of ten is negative."),
                              plain + " = <b>" + scientificHtml(exact, figures) + "</b>."};
    return exercise;
}

} // namespace

kit::ExerciseKind newtonStepKind() {
    return {"newton-step", "Newton's method for a square root", makeNewtonStep};
}

kit::ExerciseKind supremumKind() {
    return {"supremum", "Least upper bound", makeSupremum};
}

kit::ExerciseKind roundingKind() {
    return {"rounding", "Rounding", makeRounding};
}

kit::ExerciseKind scientificNotationKind() {
    return {"scientific-notation", "Scientific notation", makeScientificNotation};
}

} // namespace decimals
