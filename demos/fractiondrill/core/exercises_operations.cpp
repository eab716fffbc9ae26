#include "fractiondrill/core/fraction_exercises.h"
#include "fractiondrill/core/fraction_operations.h"
#include "fractiondrill/core/fraction_text.h"
#include "fractiondrill/core/random_fraction.h"

#include "kit/core/answer_checks.h"

namespace fractiondrill {
namespace {

const char* const anyFractionHint = "a fraction a/b, a mixed number such as 1 3/4, or a decimal";

Operation randomOperation(kit::Random& random) {
    static const std::vector<Operation> operations{Operation::Add, Operation::Subtract,
                                                   Operation::Multiply, Operation::Divide};
    return random.pick(operations);
}

kit::Exercise operationExercise(std::string kind, std::string shownA, std::string shownB,
                                Operation operation, const mpq_class& a, const mpq_class& b) {
    const mpq_class result = *apply(operation, a, b);
    kit::Exercise exercise;
    exercise.kind = std::move(kind);
    exercise.prompt = "Compute " + shownA + " " + operationSymbol(operation) + " " + shownB + ".";
    exercise.answerHint = anyFractionHint;
    exercise.expectedAnswer = fractionText(result);
    exercise.check = kit::expectRational(result, kit::FractionForm::AnyEquivalent);
    exercise.solutionSteps = operationSteps(operation, a, b);
    return exercise;
}

kit::Exercise makeFractionArithmetic(kit::Seed seed) {
    kit::Random random(seed);
    const Operation operation = randomOperation(random);
    const mpq_class a = randomProperFraction(random, 12);
    mpq_class b = randomProperFraction(random, 12);
    while (b == a) // a − a and a ÷ a teach nothing
        b = randomProperFraction(random, 12);
    return operationExercise("fraction-arithmetic", fractionText(a), fractionText(b), operation, a,
                             b);
}

std::vector<std::string> withMixedConversion(const mpq_class& a, const mpq_class& b,
                                             std::vector<std::string> steps) {
    steps.insert(steps.begin(),
                 "First write the mixed numbers as improper fractions: " + mixedText(a) + " = " +
                     fractionText(a) + " and " + mixedText(b) + " = " + fractionText(b) +
                     " (whole &times; denominator + numerator, over the "
                     "denominator).");
    return steps;
}

kit::Exercise makeMixedNumber(kit::Seed seed) {
    kit::Random random(seed);
    const Operation operation = randomOperation(random);
    const mpq_class a = randomMixedNumber(random, 5, 9);
    const mpq_class b = randomMixedNumber(random, 3, 9);
    kit::Exercise exercise =
        operationExercise("mixed-numbers", mixedText(a), mixedText(b), operation, a, b);
    exercise.expectedAnswer = mixedText(*apply(operation, a, b));
    exercise.solutionSteps = withMixedConversion(a, b, exercise.solutionSteps);
    return exercise;
}

} // namespace

kit::ExerciseKind fractionArithmeticKind() {
    return {"fraction-arithmetic", "Operations with fractions", makeFractionArithmetic};
}

kit::ExerciseKind mixedNumberKind() {
    return {"mixed-numbers", "Mixed numbers", makeMixedNumber};
}

} // namespace fractiondrill
