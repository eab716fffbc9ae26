#include "signednumbers/core/signed_exercises.h"

#include "signednumbers/core/integer_expression.h"
#include "signednumbers/core/integer_text.h"
#include "signednumbers/core/number_line_walk.h"
#include "signednumbers/core/sign_rules.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

#include <algorithm>

namespace signednumbers {
namespace {

long nonZero(kit::Random& random, long lo, long hi) {
    long value = 0;
    while (value == 0)
        value = static_cast<long>(random.between(lo, hi));
    return value;
}

std::string typedForm(long n) {
    return n < 0 ? "(" + std::to_string(n) + ")" : std::to_string(n);
}

// An exercise whose answer is the value of an expression, solved by the step-by-step evaluator.
kit::Exercise expressionExercise(const std::string& kind, const std::string& text,
                                 const std::string& question) {
    const EvaluationTrace trace = evaluateStepByStep(text);
    kit::Exercise exercise;
    exercise.kind = kind;
    exercise.prompt = question + "<br><b>" + trace.lines.front() + "</b>";
    exercise.answerHint = "an integer";
    exercise.expectedAnswer = trace.value->get_str();
    exercise.check = kit::expectInteger(*trace.value);
    for (std::size_t i = 0; i < trace.reasons.size(); ++i)
        exercise.solutionSteps.push_back(trace.reasons[i] + ": &nbsp; " + trace.lines[i + 1]);
    return exercise;
}

// The first of the drawn expressions that evaluates (division can come out inexact).
template <class Draw>
kit::Exercise firstDefined(kit::Random& random, const std::string& kind,
                           const std::string& question, Draw draw) {
    for (;;) {
        const std::string text = draw(random);
        const EvaluationTrace trace = evaluateStepByStep(text);
        if (trace.value && abs(*trace.value) <= 10000)
            return expressionExercise(kind, text, question);
    }
}

} // namespace

kit::Exercise addSubtractExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long a = static_cast<long>(random.between(-30, 30));
    const long b = nonZero(random, -30, 30);
    const bool subtract = random.chance(0.5);
    const NumberLineWalk walk = subtract ? subtractionWalk(a, b) : additionWalk(a, b);
    kit::Exercise exercise;
    exercise.kind = "add-subtract";
    exercise.prompt =
        "Work out " + integerHtml(a) + (subtract ? " &minus; " : " + ") + operandHtml(b) + ".";
    exercise.answerHint = "an integer";
    exercise.expectedAnswer = std::to_string(walk.end);
    exercise.check = kit::expectInteger(mpz_class(walk.end));
    exercise.solutionSteps = walk.explanation;
    return exercise;
}

kit::Exercise multiplyDivideExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long a = nonZero(random, -15, 15);
    const long b = static_cast<long>(random.between(2, 12)) * (random.chance(0.5) ? -1 : 1);
    const bool divide = random.chance(0.5);
    kit::Exercise exercise;
    exercise.kind = "multiply-divide";
    exercise.answerHint = "an integer";
    if (divide) {
        // The dividend is a multiple of the divisor, so the quotient is an integer.
        const mpz_class dividend = mpz_class(a) * b;
        exercise.prompt = "Work out " + integerHtml(dividend) + " &divide; " + operandHtml(b) + ".";
        exercise.expectedAnswer = std::to_string(a);
        exercise.check = kit::expectInteger(mpz_class(a));
        exercise.solutionSteps = quotientReasoning(dividend, mpz_class(b));
    } else {
        exercise.prompt = "Work out " + integerHtml(a) + " &times; " + operandHtml(b) + ".";
        exercise.expectedAnswer = std::to_string(a * b);
        exercise.check = kit::expectInteger(mpz_class(a * b));
        exercise.solutionSteps = productReasoning(mpz_class(a), mpz_class(b));
    }
    return exercise;
}

kit::Exercise absoluteValueExercise(kit::Seed seed) {
    kit::Random random(seed);
    return firstDefined(random, "absolute-value", "Find the value.", [](kit::Random& r) {
        const long a = nonZero(r, -20, 20);
        const long b = nonZero(r, -20, 20);
        const long c = nonZero(r, -9, 9);
        switch (r.between(0, 3)) {
        case 0:
            return "|" + std::to_string(a) + "| - |" + std::to_string(b) + "|";
        case 1:
            return "|" + std::to_string(a) + " - " + typedForm(b) + "|";
        case 2:
            return "-|" + std::to_string(a) + "| + " + typedForm(c) + " * |" + std::to_string(b) +
                   "|";
        default:
            return "|" + std::to_string(a) + " + " + typedForm(b) + "| - |" + std::to_string(c) +
                   "|";
        }
    });
}

kit::Exercise orderExercise(kit::Seed seed) {
    kit::Random random(seed);
    // A number and its opposite among them, the classic trap, then four more, all different.
    const mpz_class first(nonZero(random, -40, 40));
    std::vector<mpz_class> numbers{first, -first};
    while (numbers.size() < 6) {
        const mpz_class n(static_cast<long>(random.between(-40, 40)));
        if (std::find(numbers.begin(), numbers.end(), n) == numbers.end())
            numbers.push_back(n);
    }
    for (std::size_t i = numbers.size() - 1; i > 0; --i)
        std::swap(
            numbers[i],
            numbers[static_cast<std::size_t>(random.between(0, static_cast<std::int64_t>(i)))]);
    std::vector<mpz_class> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    kit::Exercise exercise;
    exercise.kind = "order";
    std::string shown;
    for (const auto& n : numbers)
        shown += (shown.empty() ? "" : ", &nbsp;") + integerHtml(n);
    exercise.prompt =
        "Write these integers from the smallest to the largest:<br><b>" + shown + "</b>";
    exercise.answerHint = "the integers separated by commas, smallest first";
    std::string answer;
    std::string answerHtml;
    for (const auto& n : sorted) {
        answer += (answer.empty() ? "" : ", ") + n.get_str();
        answerHtml += (answerHtml.empty() ? "" : " &lt; ") + integerHtml(n);
    }
    exercise.expectedAnswer = answer;
    exercise.check = kit::expectIntegerList(sorted, true);
    exercise.solutionSteps = {
        "On the number line a number is smaller than every number to its right.",
        "Every negative number is left of 0 and every positive number right of it.",
        "Of two negative numbers the one farther from 0 (larger absolute value) is the smaller: "
        "&minus;9 &lt; &minus;2.",
        answerHtml};
    return exercise;
}

kit::Exercise orderOfOperationsExercise(kit::Seed seed) {
    kit::Random random(seed);
    return firstDefined(random, "order-of-operations",
                        "Find the value, one operation at a time in the right order.",
                        [](kit::Random& r) {
                            // The first number of a line needs no parentheses.
                            const std::string a = std::to_string(nonZero(r, -12, 12));
                            const std::string b = typedForm(nonZero(r, -9, 9));
                            const std::string c = typedForm(nonZero(r, -9, 9));
                            const std::string d = typedForm(nonZero(r, -6, 6));
                            switch (r.between(0, 5)) {
                            case 0:
                                return a + " - " + b + " * " + c;
                            case 1:
                                return a + " * (" + b + " - " + c + ") + " + d;
                            case 2:
                                return "(" + a + " + " + b + ") / " + d + " - " + c;
                            case 3:
                                return a + " - " + d + "^2 * " + b;
                            case 4:
                                return b + " * " + c + " - " + typedForm(std::stol(a)) + " / " + d;
                            default:
                                return "-" + std::to_string(r.between(2, 5)) + "^2 + " +
                                       typedForm(std::stol(a)) + " * " + b;
                            }
                        });
}

std::vector<kit::ExerciseKind> signedExerciseKinds() {
    return {
        {"add-subtract", "Adding and subtracting on the number line", addSubtractExercise},
        {"multiply-divide", "Sign rules of multiplication and division", multiplyDivideExercise},
        {"absolute-value", "Absolute value", absoluteValueExercise},
        {"order", "Order on the number line", orderExercise},
        {"order-of-operations", "Order of operations", orderOfOperationsExercise}};
}

} // namespace signednumbers
