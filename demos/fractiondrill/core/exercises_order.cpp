#include "fractiondrill/core/fraction_exercises.h"
#include "fractiondrill/core/fraction_text.h"
#include "fractiondrill/core/random_fraction.h"

#include "kit/core/answer_checks.h"
#include "kit/core/number_input.h"

namespace fractiondrill {
namespace {

std::string relationSymbol(int comparison) {
    return comparison < 0 ? "<" : comparison > 0 ? ">" : "=";
}

kit::Exercise makeCompareFractions(kit::Seed seed) {
    kit::Random random(seed);
    const mpq_class a = randomProperFraction(random, 12);
    mpq_class b = randomProperFraction(random, 12);
    if (random.chance(0.15) || b == a)
        b = a;
    const int comparison = cmp(a, b);
    // An equal pair is shown unreduced on one side, or it would be obvious.
    const mpz_class factor = comparison == 0 ? mpz_class(random.between(2, 5)) : mpz_class(1);
    const mpz_class shownNumB = b.get_num() * factor;
    const mpz_class shownDenB = b.get_den() * factor;
    const mpz_class left = a.get_num() * shownDenB;
    const mpz_class right = shownNumB * a.get_den();
    const std::string symbol = relationSymbol(comparison);
    kit::Exercise exercise;
    exercise.kind = "compare-fractions";
    exercise.prompt = "Which sign belongs between " + fractionText(a) + " and " +
                      unreducedText(shownNumB, shownDenB) + "? Type &lt;, &gt; or =.";
    exercise.answerHint = "one of <, > or =";
    exercise.expectedAnswer = symbol;
    exercise.check = kit::expectChoice({symbol});
    exercise.solutionSteps = {
        "Cross-multiply: both denominators are positive, so a/b &lt; c/d exactly when a&middot;d "
        "&lt; c&middot;b (multiply both sides by b&middot;d &gt; 0).",
        a.get_num().get_str() + " &times; " + shownDenB.get_str() + " = " + left.get_str() +
            " and " + shownNumB.get_str() + " &times; " + a.get_den().get_str() + " = " +
            right.get_str() + ".",
        "So " + fractionText(a) + " <b>" +
            (symbol == "<"   ? "&lt;"
             : symbol == ">" ? "&gt;"
                             : "=") +
            "</b> " + unreducedText(shownNumB, shownDenB) + "."};
    return exercise;
}

std::function<kit::Verdict(std::string_view)> expectStrictlyBetween(const mpq_class& low,
                                                                    const mpq_class& high) {
    return [low, high](std::string_view typed) {
        const kit::Parsed<mpq_class> parsed = kit::parseRational(typed);
        if (!parsed.ok())
            return kit::Verdict{false, parsed.error().message};
        const mpq_class& value = parsed.value();
        if (value <= low || value >= high)
            return kit::Verdict{false, value.get_str() + " is not strictly between " +
                                           low.get_str() + " and " + high.get_str() + "."};
        return kit::Verdict{true, "Correct."};
    };
}

kit::Exercise makeFractionBetween(kit::Seed seed) {
    kit::Random random(seed);
    mpq_class low = randomProperFraction(random, 12);
    mpq_class high = randomProperFraction(random, 12);
    while (low == high)
        high = randomProperFraction(random, 12);
    if (low > high)
        std::swap(low, high);
    const mpq_class midpoint = (low + high) / 2;
    mpq_class mediant(low.get_num() + high.get_num(), low.get_den() + high.get_den());
    mediant.canonicalize();
    kit::Exercise exercise;
    exercise.kind = "fraction-between";
    exercise.prompt = "Give a fraction strictly between " + fractionText(low) + " and " +
                      fractionText(high) + ".";
    exercise.answerHint = "any fraction a/b or decimal between the two";
    exercise.expectedAnswer = fractionText(midpoint);
    exercise.check = expectStrictlyBetween(low, high);
    exercise.solutionSteps = {
        "The rationals are dense: between any two there is another, for example their average.",
        "(" + fractionText(low) + " + " + fractionText(high) +
            ") / 2 = " + fractionText(mpq_class(low + high)) + " / 2 = <b>" +
            fractionText(midpoint) + "</b>, which lies halfway between them.",
        "Another one: the mediant (" + low.get_num().get_str() + " + " + high.get_num().get_str() +
            ")/(" + low.get_den().get_str() + " + " + high.get_den().get_str() +
            ") = " + fractionText(mediant) +
            " also lies strictly between them. Every answer strictly between is accepted."};
    return exercise;
}

} // namespace

kit::ExerciseKind compareFractionsKind() {
    return {"compare-fractions", "Comparing fractions", makeCompareFractions};
}

kit::ExerciseKind fractionBetweenKind() {
    return {"fraction-between", "A fraction between two", makeFractionBetween};
}

} // namespace fractiondrill
