#include "imaginaries/core/complex_exercises.h"
#include "imaginaries/core/exact_complex.h"
#include "imaginaries/core/quadratic.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

namespace imaginaries {
namespace {

const char* const complexHint = "a complex number a + bi, such as 3 - 4i or 1/2 + 3/2i";

ExactComplex randomGaussian(kit::Random& random, long size) {
    ExactComplex z{random.between(-size, size), random.between(-size, size)};
    if (sgn(z.im) == 0)
        z.im = random.chance(0.5) ? 1 : -1;
    return z;
}

std::string bracketed(const ExactComplex& z) {
    return "(" + complexText(z) + ")";
}

std::function<kit::Verdict(std::string_view)> expectComplex(const ExactComplex& expected) {
    return [expected](std::string_view typed) {
        const kit::Parsed<ExactComplex> parsed = parseComplex(typed);
        if (!parsed.ok())
            return kit::Verdict{false, parsed.error().message};
        if (!(parsed.value() == expected))
            return kit::Verdict{false, complexText(parsed.value()) + " is not the answer."};
        return kit::Verdict{true, "Correct."};
    };
}

std::vector<std::string> productSteps(const ExactComplex& z, const ExactComplex& w) {
    const ExactComplex result = z * w;
    return {"Multiply out like binomials and use i<sup>2</sup> = &minus;1: (a + bi)(c + di) = "
            "(ac &minus; bd) + (ad + bc)i.",
            "Real part: " + z.re.get_str() + "&middot;" + w.re.get_str() + " &minus; (" +
                z.im.get_str() + ")&middot;(" + w.im.get_str() + ") = " + result.re.get_str() + ".",
            "Imaginary part: " + z.re.get_str() + "&middot;(" + w.im.get_str() + ") + (" +
                z.im.get_str() + ")&middot;" + w.re.get_str() + " = " + result.im.get_str() + ".",
            "Answer: <b>" + complexText(result) + "</b>."};
}

std::vector<std::string> quotientSteps(const ExactComplex& z, const ExactComplex& w) {
    const ExactComplex top = z * conjugate(w);
    const mpq_class norm = normSquared(w);
    const ExactComplex result = *divide(z, w);
    return {"Multiply numerator and denominator by the conjugate of the denominator, " +
                complexText(conjugate(w)) +
                ": the denominator becomes the real number |w|<sup>2</sup>.",
            "Numerator: " + bracketed(z) + bracketed(conjugate(w)) + " = " + complexText(top) + ".",
            "Denominator: " + bracketed(w) + bracketed(conjugate(w)) + " = " + w.re.get_str() +
                "<sup>2</sup> + " + mpq_class(abs(w.im)).get_str() +
                "<sup>2</sup> = " + norm.get_str() + ".",
            "Divide both parts by " + norm.get_str() + ": <b>" + complexText(result) + "</b>."};
}

kit::Exercise makeComplexArithmetic(kit::Seed seed) {
    kit::Random random(seed);
    const ExactComplex z = randomGaussian(random, 6);
    const ExactComplex w = randomGaussian(random, 5);
    const auto operation = random.between(0, 3);
    static const char* const symbols[] = {"+", "&minus;", "&times;", "&divide;"};
    ExactComplex result;
    std::vector<std::string> steps;
    if (operation == 0 || operation == 1) {
        result = operation == 0 ? z + w : z - w;
        steps = {std::string("Add or subtract real parts and imaginary parts separately, as "
                             "with vectors."),
                 "Real part: " + z.re.get_str() + (operation == 0 ? " + (" : " &minus; (") +
                     w.re.get_str() + ") = " + result.re.get_str() + "; imaginary part: " +
                     z.im.get_str() + (operation == 0 ? " + (" : " &minus; (") + w.im.get_str() +
                     ") = " + result.im.get_str() + ".",
                 "Answer: <b>" + complexText(result) + "</b>."};
    } else if (operation == 2) {
        result = z * w;
        steps = productSteps(z, w);
    } else {
        result = *divide(z, w);
        steps = quotientSteps(z, w);
    }
    kit::Exercise exercise;
    exercise.kind = "complex-arithmetic";
    exercise.prompt = "Compute " + bracketed(z) + " " + symbols[operation] + " " + bracketed(w) +
                      " in the form a + bi.";
    exercise.answerHint = complexHint;
    exercise.expectedAnswer = complexText(result);
    exercise.check = expectComplex(result);
    exercise.solutionSteps = std::move(steps);
    return exercise;
}

kit::Exercise makeModulus(kit::Seed seed) {
    kit::Random random(seed);
    static const std::vector<std::pair<long, long>> triples{{3, 4},  {5, 12},  {8, 15},
                                                            {7, 24}, {20, 21}, {6, 8}};
    const auto [p, q] = random.pick(triples);
    const long scale = static_cast<long>(random.between(1, 3));
    const ExactComplex z{mpq_class(p * scale * (random.chance(0.5) ? 1 : -1)),
                         mpq_class(q * scale * (random.chance(0.5) ? 1 : -1))};
    const bool swapParts = random.chance(0.5);
    const ExactComplex shown = swapParts ? ExactComplex{z.im, z.re} : z;
    const mpq_class norm = normSquared(shown);
    const mpz_class modulus = sqrt(norm.get_num());
    kit::Exercise exercise;
    exercise.kind = "modulus";
    exercise.answerHint = "an integer";
    if (random.chance(0.5)) {
        exercise.prompt = "What is |" + complexText(shown) + "|?";
        exercise.expectedAnswer = modulus.get_str();
        exercise.check = kit::expectInteger(modulus);
        exercise.solutionSteps = {"|a + bi| is the distance of the point (a, b) from 0, by "
                                  "Pythagoras &radic;(a<sup>2</sup> + b<sup>2</sup>).",
                                  "&radic;(" + shown.re.get_str() + "<sup>2</sup> + " +
                                      shown.im.get_str() + "<sup>2</sup>) = &radic;" +
                                      norm.get_str() + " = <b>" + modulus.get_str() + "</b>."};
    } else {
        exercise.prompt = "Compute z &middot; z&#772; for z = " + complexText(shown) +
                          " (z&#772; is the conjugate).";
        exercise.expectedAnswer = norm.get_str();
        exercise.check = kit::expectInteger(norm.get_num());
        exercise.solutionSteps = {
            "The conjugate of " + complexText(shown) + " is " + complexText(conjugate(shown)) +
                ": the same real part, the imaginary part negated.",
            "(a + bi)(a &minus; bi) = a<sup>2</sup> &minus; b<sup>2</sup>i<sup>2</sup> = "
            "a<sup>2</sup> + b<sup>2</sup>, always a real number &ge; 0.",
            shown.re.get_str() + "<sup>2</sup> + " + shown.im.get_str() + "<sup>2</sup> = <b>" +
                norm.get_str() + "</b> = |z|<sup>2</sup>."};
    }
    return exercise;
}

std::function<kit::Verdict(std::string_view)> expectRootPair(std::vector<ExactComplex> roots) {
    return [roots](std::string_view typed) {
        const kit::Parsed<std::vector<ExactComplex>> parsed = parseComplexList(typed);
        if (!parsed.ok())
            return kit::Verdict{false, parsed.error().message};
        const std::vector<ExactComplex>& given = parsed.value();
        if (given.size() != 2)
            return kit::Verdict{false, "Give both roots, separated by a comma."};
        const bool inOrder = given[0] == roots[0] && given[1] == roots[1];
        const bool swapped = given[0] == roots[1] && given[1] == roots[0];
        if (!inOrder && !swapped)
            return kit::Verdict{false, "These are not the two roots."};
        return kit::Verdict{true, "Correct."};
    };
}

std::string polynomialText(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    auto term = [](const mpq_class& k, const std::string& power, bool first) {
        if (sgn(k) == 0)
            return std::string();
        std::string sign = sgn(k) < 0 ? (first ? "&minus;" : " &minus; ") : (first ? "" : " + ");
        const mpq_class size = abs(k);
        const std::string number = size == 1 && !power.empty() ? "" : size.get_str();
        return sign + number + power;
    };
    return term(a, "x<sup>2</sup>", true) + term(b, "x", false) + term(c, "", false);
}

kit::Exercise makeComplexQuadratic(kit::Seed seed) {
    kit::Random random(seed);
    const long p = static_cast<long>(random.between(-5, 5));
    const long q = static_cast<long>(random.between(1, 6));
    const long a = static_cast<long>(random.between(1, 3));
    // a(x − (p + qi))(x − (p − qi)) = a(x² − 2px + p² + q²)
    const mpq_class b = -2 * a * p;
    const mpq_class c = a * (p * p + q * q);
    const std::vector<ExactComplex> roots = exactRoots(solveQuadratic(a, b, c));
    kit::Exercise exercise;
    exercise.kind = "complex-quadratic";
    exercise.prompt = "Solve " + polynomialText(a, b, c) + " = 0.";
    exercise.answerHint = "both roots, separated by a comma: 1 + 2i, 1 - 2i";
    exercise.expectedAnswer = complexText(roots[0]) + ", " + complexText(roots[1]);
    exercise.check = expectRootPair(roots);
    exercise.solutionSteps = quadraticSteps(a, b, c);
    return exercise;
}

} // namespace

kit::ExerciseKind complexArithmeticKind() {
    return {"complex-arithmetic", "Operations in a + bi form", makeComplexArithmetic};
}

kit::ExerciseKind modulusKind() {
    return {"modulus", "Modulus and conjugate", makeModulus};
}

kit::ExerciseKind complexQuadraticKind() {
    return {"complex-quadratic", "Quadratics with negative discriminant", makeComplexQuadratic};
}

std::vector<kit::ExerciseKind> complexExerciseKinds() {
    return {complexArithmeticKind(), modulusKind(), argumentKind(),
            deMoivreKind(),          rootsKind(),   complexQuadraticKind()};
}

} // namespace imaginaries
