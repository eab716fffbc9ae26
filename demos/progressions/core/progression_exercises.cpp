#include "progressions/core/progression_exercises.h"

#include "progressions/core/sequences.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

namespace progressions {
namespace {

mpq_class smallInteger(kit::Random& random, long lo, long hi) {
    return mpq_class(static_cast<long>(random.between(lo, hi)));
}

// A step from -limit to limit, never 0 (a constant sequence teaches nothing here).
mpq_class nonZeroInteger(kit::Random& random, long limit) {
    const long value = static_cast<long>(random.between(1, limit));
    return mpq_class(random.chance(0.3) ? -value : value);
}

std::string firstTerms(const Arithmetic& s) {
    std::string text;
    for (long n = 1; n <= 4; ++n)
        text += nthTerm(s, n).get_str() + ", ";
    return text + "\u2026";
}

std::string firstTerms(const Geometric& s) {
    std::string text;
    for (long n = 1; n <= 4; ++n)
        text += nthTerm(s, n).get_str() + ", ";
    return text + "\u2026";
}

// A ratio with small numerator and denominator, not 0 and not 1.
mpq_class smallRatio(kit::Random& random, bool belowOne) {
    for (;;) {
        const long den = belowOne ? static_cast<long>(random.between(2, 5)) : 1;
        const long num = belowOne ? static_cast<long>(random.between(-den + 1, den - 1))
                                  : static_cast<long>(random.between(-3, 3));
        mpq_class r(num, den);
        r.canonicalize();
        if (r != 0 && r != 1)
            return r;
    }
}

} // namespace

kit::Exercise arithmeticTermExercise(kit::Seed seed) {
    kit::Random random(seed);
    const Arithmetic s{smallInteger(random, -20, 20), nonZeroInteger(random, 9)};
    const long n = static_cast<long>(random.between(8, 60));
    const mpq_class answer = nthTerm(s, n);
    kit::Exercise e;
    e.kind = "arithmetic-term";
    e.prompt = "The arithmetic sequence " + firstTerms(s) +
               " continues with the same step. "
               "What is its term a<sub>" +
               std::to_string(n) + "</sub>?";
    e.answerHint = "an integer";
    e.expectedAnswer = answer.get_str();
    e.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"The first term is a\u2081 = " + s.first.get_str() +
                           " and the common difference is d = " + nthTerm(s, 2).get_str() +
                           " \u2212 (" + s.first.get_str() + ") = " + s.difference.get_str() + ".",
                       "a\u2099 = a\u2081 + (n \u2212 1)d, so a<sub>" + std::to_string(n) +
                           "</sub> = " + s.first.get_str() + " + " + std::to_string(n - 1) +
                           " \u00b7 (" + s.difference.get_str() + ") = " + answer.get_str() + "."};
    return e;
}

kit::Exercise arithmeticSumExercise(kit::Seed seed) {
    kit::Random random(seed);
    const Arithmetic s{smallInteger(random, -15, 25), nonZeroInteger(random, 8)};
    const long n = static_cast<long>(random.between(10, 50));
    const mpq_class last = nthTerm(s, n);
    const mpq_class answer = partialSum(s, n);
    kit::Exercise e;
    e.kind = "arithmetic-sum";
    e.prompt = "Find the sum of the first " + std::to_string(n) +
               " terms of the arithmetic sequence " + firstTerms(s);
    e.answerHint = "a number (a fraction a/b if needed)";
    e.expectedAnswer = answer.get_str();
    e.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {
        "a\u2081 = " + s.first.get_str() + ", d = " + s.difference.get_str() +
            ", so the last term is a<sub>" + std::to_string(n) + "</sub> = " + s.first.get_str() +
            " + " + std::to_string(n - 1) + " \u00b7 (" + s.difference.get_str() +
            ") = " + last.get_str() + ".",
        "Written forwards and backwards, each pair of terms adds to a\u2081 + a\u2099, so "
        "S\u2099 = n(a\u2081 + a\u2099)/2.",
        "S<sub>" + std::to_string(n) + "</sub> = " + std::to_string(n) + " \u00b7 (" +
            s.first.get_str() + " + " + last.get_str() + ")/2 = " + answer.get_str() + "."};
    return e;
}

kit::Exercise geometricSumExercise(kit::Seed seed) {
    kit::Random random(seed);
    const Geometric s{smallInteger(random, 1, 9) * (random.chance(0.3) ? -1 : 1),
                      smallRatio(random, random.chance(0.5))};
    const long n = static_cast<long>(random.between(4, 8));
    const mpq_class answer = partialSum(s, n);
    kit::Exercise e;
    e.kind = "geometric-sum";
    e.prompt = "Find the sum of the first " + std::to_string(n) +
               " terms of the geometric sequence " + firstTerms(s);
    e.answerHint = "a number (a fraction a/b if needed)";
    e.expectedAnswer = answer.get_str();
    e.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"a = " + s.first.get_str() +
                           " and the common ratio is r = " + s.ratio.get_str() + ".",
                       "S\u2099 \u2212 rS\u2099 = a \u2212 ar\u207f, so S\u2099 = a(1 \u2212 "
                       "r\u207f)/(1 \u2212 r) "
                       "when r \u2260 1.",
                       "r<sup>" + std::to_string(n) +
                           "</sup> = " + nthTerm(Geometric{1, s.ratio}, n + 1).get_str() +
                           ", so S<sub>" + std::to_string(n) + "</sub> = " + s.first.get_str() +
                           " \u00b7 (1 \u2212 " + nthTerm(Geometric{1, s.ratio}, n + 1).get_str() +
                           ")/(1 \u2212 " + s.ratio.get_str() + ") = " + answer.get_str() + "."};
    return e;
}

kit::Exercise infiniteGeometricExercise(kit::Seed seed) {
    kit::Random random(seed);
    const Geometric s{smallInteger(random, 1, 12) * (random.chance(0.3) ? -1 : 1),
                      smallRatio(random, true)};
    mpq_class answer = s.first / (1 - s.ratio);
    answer.canonicalize();
    kit::Exercise e;
    e.kind = "infinite-geometric";
    e.prompt = "Find the sum of the infinite geometric series " + firstTerms(s);
    e.answerHint = "a number (a fraction a/b if needed)";
    e.expectedAnswer = answer.get_str();
    e.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"a = " + s.first.get_str() + " and r = " + s.ratio.get_str() + ".",
                       geometricSeriesTest(s).reason,
                       "Sum = " + s.first.get_str() + "/(1 \u2212 (" + s.ratio.get_str() +
                           ")) = " + answer.get_str() + "."};
    return e;
}

kit::Exercise convergenceExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int form = static_cast<int>(random.between(0, 2)); // p-series, alternating, compared
    const std::vector<std::string> exponents{"1/2", "1", "3/2", "2", "3", "1/3", "4/3"};
    const std::string pText = random.pick(exponents);
    const long c = static_cast<long>(random.between(1, 9));
    mpq_class p(pText);
    p.canonicalize();
    const SeriesVerdict verdict = form == 0   ? pSeriesTest(p.get_d())
                                  : form == 1 ? alternatingPSeriesTest(p.get_d())
                                              : comparisonTest(p.get_d(), static_cast<double>(c));
    const bool converges = verdict.outcome == Convergence::Converges;
    const std::string power = "n<sup>" + pText + "</sup>";
    const std::string term = form == 0   ? "1 / " + power
                             : form == 1 ? "(\u22121)<sup>n+1</sup> / " + power
                                         : "1 / (" + power + " + " + std::to_string(c) + ")";
    kit::Exercise e;
    e.kind = "convergence";
    e.prompt = "Does the series \u2211<sub>n\u22651</sub> " + term + " converge or diverge?";
    e.answerHint = "converges or diverges";
    e.expectedAnswer = converges ? "converges" : "diverges";
    e.check = converges ? kit::expectChoice({"converges", "convergent", "converge"})
                        : kit::expectChoice({"diverges", "divergent", "diverge"});
    const std::string first = form == 0 ? "A p-series with p = " + pText + "."
                              : form == 1
                                  ? "An alternating series: look first at the series of absolute "
                                    "values, the p-series with p = " +
                                        pText + "."
                                  : "Compare with the p-series with p = " + pText + ".";
    e.solutionSteps = {first, verdict.reason};
    return e;
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"arithmetic-term", "n-th term of an arithmetic sequence", arithmeticTermExercise},
            {"arithmetic-sum", "Sum of an arithmetic sequence", arithmeticSumExercise},
            {"geometric-sum", "Sum of a geometric sequence", geometricSumExercise},
            {"infinite-geometric", "Infinite geometric series", infiniteGeometricExercise},
            {"convergence", "Converges or diverges?", convergenceExercise}};
}

} // namespace progressions
