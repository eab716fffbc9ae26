#include "signednumbers2/core/advanced_exercises.h"

#include "signednumbers2/core/absolute_value_relation.h"
#include "signednumbers2/core/congruence.h"
#include "signednumbers2/core/division_algorithm.h"
#include "signednumbers2/core/parity.h"

#include "signednumbers/core/integer_text.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

#include <cstdlib>

namespace signednumbers2 {
namespace {

using signednumbers::integerHtml;
using signednumbers::operandHtml;

long nonZero(kit::Random& random, long lo, long hi) {
    long value = 0;
    while (value == 0)
        value = static_cast<long>(random.between(lo, hi));
    return value;
}

long drawn(kit::Random& random, long lo, long hi) {
    return static_cast<long>(random.between(lo, hi));
}

std::string listText(const std::vector<mpz_class>& values) {
    std::string text;
    for (const auto& v : values)
        text += (text.empty() ? "" : ", ") + v.get_str();
    return text;
}

} // namespace

kit::Exercise divisionAlgorithmExercise(kit::Seed seed) {
    kit::Random random(seed);
    const mpz_class a(drawn(random, -150, 150));
    mpz_class b(nonZero(random, -13, 13));
    if (abs(b) == 1)
        b *= 7;
    const DivisionWithRemainder division = divideWithRemainder(a, b);
    kit::Exercise exercise;
    exercise.kind = "division-algorithm";
    exercise.prompt = "Find the integers q and r with " + integerHtml(a) + " = q &middot; " +
                      operandHtml(b) + " + r and 0 &le; r &lt; |" + integerHtml(b) + "|.";
    exercise.answerHint = "q and r separated by a comma, q first";
    exercise.expectedAnswer = listText({division.quotient, division.remainder});
    exercise.check = kit::expectIntegerList({division.quotient, division.remainder}, true);
    exercise.solutionSteps = division.steps;
    return exercise;
}

kit::Exercise leastResidueExercise(kit::Seed seed) {
    kit::Random random(seed);
    const mpz_class n(drawn(random, 3, 12));
    // Mostly negative numbers: that is where the clock is needed.
    const mpz_class a(random.chance(0.7) ? drawn(random, -200, -1) : drawn(random, 13, 300));
    const mpz_class r = leastResidue(a, n);
    kit::Exercise exercise;
    exercise.kind = "least-residue";
    exercise.prompt = "Which r in 0, 1, &hellip;, " + mpz_class(n - 1).get_str() + " has " +
                      integerHtml(a) + " &equiv; r (mod " + n.get_str() + ")?";
    exercise.answerHint = "an integer from 0 to " + mpz_class(n - 1).get_str();
    exercise.expectedAnswer = r.get_str();
    exercise.check = kit::expectInteger(r);
    exercise.solutionSteps = residueSteps(a, n);
    return exercise;
}

kit::Exercise modularArithmeticExercise(kit::Seed seed) {
    kit::Random random(seed);
    const mpz_class n(drawn(random, 3, 11));
    const mpz_class a(drawn(random, -99, 999));
    const mpz_class b(drawn(random, 20, 999));
    const bool product = random.chance(0.5);
    const mpz_class ra = leastResidue(a, n);
    const mpz_class rb = leastResidue(b, n);
    const mpz_class combined = product ? mpz_class(ra * rb) : mpz_class(ra + rb);
    const mpz_class answer = leastResidue(combined, n);
    const std::string sign = product ? " &middot; " : " + ";
    kit::Exercise exercise;
    exercise.kind = "modular-arithmetic";
    exercise.prompt = "Find the least non-negative residue of " + integerHtml(a) + sign +
                      operandHtml(b) + " modulo " + n.get_str() + ".";
    exercise.answerHint = "an integer from 0 to " + mpz_class(n - 1).get_str();
    exercise.expectedAnswer = answer.get_str();
    exercise.check = kit::expectInteger(answer);
    const std::string mod = " (mod " + n.get_str() + ")";
    exercise.solutionSteps = {"Congruence modulo " + n.get_str() + " respects " +
                                  (product ? "products" : "sums") + ": reduce each number first.",
                              integerHtml(a) + " &equiv; " + ra.get_str() + mod + " and " +
                                  integerHtml(b) + " &equiv; " + rb.get_str() + mod + ".",
                              integerHtml(a) + sign + operandHtml(b) + " &equiv; " + ra.get_str() +
                                  sign + rb.get_str() + " = " + combined.get_str() + " &equiv; " +
                                  answer.get_str() + mod + "."};
    return exercise;
}

kit::Exercise parityExercise(kit::Seed seed) {
    kit::Random random(seed);
    std::vector<ProductTerm> terms;
    const long termCount = drawn(random, 2, 3);
    for (long t = 0; t < termCount; ++t) {
        ProductTerm term;
        term.negative = t > 0 && random.chance(0.4);
        const long factorCount = drawn(random, 1, 3);
        for (long f = 0; f < factorCount; ++f)
            term.factors.emplace_back(drawn(random, 11, 999) *
                                      (t == 0 && f == 0 && random.chance(0.3) ? -1 : 1));
        terms.push_back(term);
    }
    bool even = false;
    kit::Exercise exercise;
    exercise.kind = "parity";
    exercise.solutionSteps = parityReasoning(terms, even);
    exercise.prompt =
        "Is " + sumOfProductsHtml(terms) + " even or odd? Decide without multiplying out.";
    exercise.answerHint = "even or odd";
    exercise.expectedAnswer = even ? "even" : "odd";
    exercise.check = kit::expectChoice({exercise.expectedAnswer});
    return exercise;
}

kit::Exercise orderMultiplyExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long a = drawn(random, -30, 25);
    const long b = a + drawn(random, 1, 20);
    const long c = nonZero(random, -9, 9);
    const std::string answer = c > 0 ? "<" : ">";
    kit::Exercise exercise;
    exercise.kind = "order-multiply";
    exercise.prompt = "a = " + integerHtml(a) + ", b = " + integerHtml(b) +
                      " and c = " + integerHtml(c) +
                      ", so a &lt; b. Which sign belongs between a&middot;c and b&middot;c: "
                      "&lt;, = or &gt;? Use the order laws, not the products.";
    exercise.answerHint = "one of <, = or >";
    exercise.expectedAnswer = answer;
    exercise.check = kit::expectChoice({answer});
    exercise.solutionSteps = {
        "In an ordered integral domain, multiplying both sides of a &lt; b by c &gt; 0 keeps the "
        "order, and multiplying by c &lt; 0 reverses it.",
        std::string(
            "Why: b &minus; a is positive; c(b &minus; a) = bc &minus; ac has the sign of c ") +
            "(positive times positive is positive, positive times negative is negative).",
        "Here c = " + integerHtml(c) +
            (c > 0 ? " is positive, so ac &lt; bc" : " is negative, so ac &gt; bc") + ": " +
            integerHtml(a * c) + (c > 0 ? " &lt; " : " &gt; ") + integerHtml(b * c) + "."};
    return exercise;
}

kit::Exercise absoluteEquationExercise(kit::Seed seed) {
    kit::Random random(seed);
    AbsoluteValueProblem problem;
    problem.relation = Relation::Equal;
    problem.a = nonZero(random, -3, 3);
    const long shape = drawn(random, 0, 9);
    if (shape == 0) {
        problem.c = -drawn(random, 1, 9); // no solution
        problem.b = drawn(random, -9, 9);
    } else if (shape == 1) {
        problem.c = 0;
        const long x = drawn(random, -9, 9);
        problem.b = -problem.a * x;
    } else {
        // Solutions x1 and x1 - 2k/sign(a): both integers.
        const long k = drawn(random, 1, 6);
        const long x1 = drawn(random, -8, 8);
        problem.c = std::labs(problem.a) * k;
        problem.b = problem.c - problem.a * x1;
    }
    const SolutionSet set = solve(problem);
    std::vector<mpz_class> solutions;
    for (const auto& p : set.points)
        solutions.push_back(p.get_num());
    kit::Exercise exercise;
    exercise.kind = "absolute-equation";
    exercise.prompt = "Solve " + problemHtml(problem) + ".";
    exercise.answerHint = "all solutions separated by commas, or none";
    exercise.expectedAnswer = solutions.empty() ? "none" : listText(solutions);
    exercise.check = solutions.empty()
                         ? kit::expectChoice({"none", "no solution", "no solutions", "{}", "empty"})
                         : kit::expectIntegerList(solutions, false);
    exercise.solutionSteps = solutionSteps(problem);
    return exercise;
}

kit::Exercise absoluteInequalityExercise(kit::Seed seed) {
    kit::Random random(seed);
    AbsoluteValueProblem problem;
    problem.relation = random.chance(0.5) ? Relation::Less : Relation::LessOrEqual;
    problem.a = drawn(random, 1, 3);
    problem.b = drawn(random, -12, 12);
    problem.c = drawn(random, problem.a, 12); // wide enough to hold an integer
    const SolutionSet set = solve(problem);
    // The smallest and the largest integer in the interval.
    mpz_class smallest;
    mpz_class largest;
    mpz_cdiv_q(smallest.get_mpz_t(), set.low.get_num_mpz_t(), set.low.get_den_mpz_t());
    mpz_fdiv_q(largest.get_mpz_t(), set.high.get_num_mpz_t(), set.high.get_den_mpz_t());
    if (!set.endsIncluded && mpq_class(smallest) == set.low)
        smallest += 1;
    if (!set.endsIncluded && mpq_class(largest) == set.high)
        largest -= 1;
    kit::Exercise exercise;
    exercise.kind = "absolute-inequality";
    exercise.prompt =
        "Which is the smallest and which the largest integer x with " + problemHtml(problem) + "?";
    exercise.answerHint = "the smallest and the largest, separated by a comma";
    exercise.expectedAnswer = listText({smallest, largest});
    exercise.check = kit::expectIntegerList({smallest, largest}, true);
    exercise.solutionSteps = solutionSteps(problem);
    exercise.solutionSteps.push_back("The integers in it run from " + integerHtml(smallest) +
                                     " to " + integerHtml(largest) + ".");
    return exercise;
}

std::vector<kit::ExerciseKind> advancedExerciseKinds() {
    return {{"division-algorithm", "The division algorithm", divisionAlgorithmExercise},
            {"least-residue", "Least residue modulo n", leastResidueExercise},
            {"modular-arithmetic", "Arithmetic modulo n", modularArithmeticExercise},
            {"parity", "Even and odd", parityExercise},
            {"order-multiply", "Order and multiplication", orderMultiplyExercise},
            {"absolute-equation", "Absolute-value equations", absoluteEquationExercise},
            {"absolute-inequality", "Absolute-value inequalities", absoluteInequalityExercise}};
}

} // namespace signednumbers2
