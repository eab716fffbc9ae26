#include "areas/core/area_exercises.h"

#include "areas/core/polynomial.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

namespace areas {

namespace {

mpq_class integer(kit::Random& random, long lo, long hi) {
    return mpq_class(static_cast<long>(random.between(lo, hi)));
}

mpq_class canonical(mpq_class q) {
    q.canonicalize();
    return q;
}

std::string integralHtml(const std::string& a, const std::string& b, const std::string& body) {
    return "&int;<sub>" + a + "</sub><sup>" + b + "</sup> (" + body + ") dx";
}

kit::Exercise withRationalAnswer(std::string kind, const mpq_class& answer) {
    kit::Exercise e;
    e.kind = std::move(kind);
    e.answerHint = "a number (a fraction a/b if needed)";
    e.expectedAnswer = answer.get_str();
    e.check = kit::expectRational(answer, kit::FractionForm::AnyEquivalent);
    return e;
}

} // namespace

kit::Exercise riemannSumExercise(kit::Seed seed) {
    kit::Random random(seed);
    const Polynomial f{{integer(random, 0, 5), 0, integer(random, 1, 3)}};
    const long n = random.between(2, 4);
    const long length = n * random.between(1, 2);
    const int rule = static_cast<int>(random.between(0, 3));
    const char* names[] = {"left", "right", "midpoint", "trapezoid"};
    const mpq_class h = canonical(mpq_class(length, n));
    mpq_class total = 0;
    std::string terms;
    for (long k = 0; k < n; ++k) {
        const mpq_class x0 = h * k, x1 = h * (k + 1), mid = canonical((x0 + x1) / 2);
        const mpq_class height = rule == 0   ? valueAt(f, x0)
                                 : rule == 1 ? valueAt(f, x1)
                                 : rule == 2 ? valueAt(f, mid)
                                             : canonical((valueAt(f, x0) + valueAt(f, x1)) / 2);
        total += h * height;
        terms += (k ? " + " : "") + height.get_str();
    }
    total.canonicalize();
    kit::Exercise e = withRationalAnswer("riemann-sum", total);
    e.prompt = "Approximate " + integralHtml("0", std::to_string(length), polynomialHtml(f)) +
               " by the <b>" + names[rule] + "</b> " + (rule == 3 ? "rule" : "sum") +
               " with n = " + std::to_string(n) + " equal pieces.";
    const std::string where = rule == 0   ? "the left end of each piece"
                              : rule == 1 ? "the right end of each piece"
                              : rule == 2 ? "the middle of each piece"
                                          : "the average of f at both ends of each piece";
    e.solutionSteps = {"Each piece has width h = (" + std::to_string(length) + " &minus; 0)/" +
                           std::to_string(n) + " = " + h.get_str() + ".",
                       "The heights are taken at " + where + ": " + terms + ".",
                       "Sum = h &middot; (" + terms + ") = " + h.get_str() + " &middot; " +
                           canonical(total / h).get_str() + " = " + total.get_str() + "."};
    return e;
}

kit::Exercise definiteIntegralExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int degree = static_cast<int>(random.between(1, 3));
    Polynomial f;
    for (int k = 0; k <= degree; ++k)
        f.coefficients.push_back(integer(random, -4, 4));
    if (f.coefficients.back() == 0)
        f.coefficients.back() = 1;
    const long a = random.between(-2, 1), b = a + random.between(1, 3);
    const Polynomial F = antiderivativeOf(f);
    const mpq_class Fb = valueAt(F, b), Fa = valueAt(F, a);
    const mpq_class answer = canonical(Fb - Fa);
    kit::Exercise e = withRationalAnswer("definite-integral", answer);
    e.prompt = "Evaluate " + integralHtml(std::to_string(a), std::to_string(b), polynomialHtml(f)) +
               " exactly.";
    e.solutionSteps = {"An antiderivative, term by term with the power rule x<sup>k</sup> &rarr; "
                       "x<sup>k+1</sup>/(k + 1): F(x) = " +
                           polynomialHtml(F) + ".",
                       "F(" + std::to_string(b) + ") = " + rationalHtml(Fb) + " and F(" +
                           std::to_string(a) + ") = " + rationalHtml(Fa) + ".",
                       "By the fundamental theorem the integral is F(b) &minus; F(a) = " +
                           rationalHtml(answer) + "."};
    return e;
}

kit::Exercise fundamentalTheoremExercise(kit::Seed seed) {
    kit::Random random(seed);
    const Polynomial p{{integer(random, -5, 5), integer(random, -3, 3), integer(random, 1, 2)}};
    const long start = random.between(-2, 2), k = random.between(-3, 3);
    const bool squared = random.chance(0.4);
    const mpq_class inner = squared ? mpq_class(k * k) : mpq_class(k);
    const mpq_class answer = squared ? canonical(valueAt(p, inner) * 2 * k) : valueAt(p, inner);
    kit::Exercise e = withRationalAnswer("fundamental-theorem", answer);
    const std::string upper = squared ? "x<sup>2</sup>" : "x";
    e.prompt = "A(x) = &int;<sub>" + std::to_string(start) + "</sub><sup>" + upper + "</sup> (" +
               polynomialHtml(p, "t") + ") dt. What is A&prime;(" + std::to_string(k) + ")?";
    e.solutionSteps.push_back("The fundamental theorem: d/dx &int;<sub>a</sub><sup>x</sup> f(t) dt "
                              "= f(x); the lower limit " +
                              std::to_string(start) + " does not matter.");
    if (squared) {
        e.solutionSteps.push_back(
            "With the upper limit x<sup>2</sup> the chain rule adds the "
            "factor (x<sup>2</sup>)&prime; = 2x: A&prime;(x) = f(x<sup>2</sup>)"
            " &middot; 2x.");
        e.solutionSteps.push_back("A&prime;(" + std::to_string(k) + ") = f(" + inner.get_str() +
                                  ") &middot; " + std::to_string(2 * k) + " = " +
                                  rationalHtml(valueAt(p, inner)) + " &middot; " +
                                  std::to_string(2 * k) + " = " + rationalHtml(answer) + ".");
    } else {
        e.solutionSteps.push_back("A&prime;(" + std::to_string(k) + ") = f(" + std::to_string(k) +
                                  ") = " + rationalHtml(answer) + ".");
    }
    return e;
}

kit::Exercise areaBetweenExercise(kit::Seed seed) {
    kit::Random random(seed);
    kit::Exercise e;
    if (random.chance(0.7)) {
        // The line through the parabola's points at x = p and x = q: y = (p + q)x − pq.
        const long p = random.between(-3, 2), q = p + random.between(1, 5);
        const Polynomial line{{mpq_class(-p * q), mpq_class(p + q)}};
        const long width = q - p;
        const mpq_class answer = canonical(mpq_class(width * width * width, 6));
        e = withRationalAnswer("area-between", answer);
        e.prompt =
            "Find the area enclosed between y = x<sup>2</sup> and y = " + polynomialHtml(line) +
            ".";
        const mpq_class middle = canonical(mpq_class(p + q, 2));
        const Polynomial difference{{mpq_class(-p * q), mpq_class(p + q), mpq_class(-1)}};
        const Polynomial F = antiderivativeOf(difference);
        e.solutionSteps = {
            "The curves meet where x<sup>2</sup> = " + polynomialHtml(line) +
                ", that is x<sup>2</sup> &minus; (" + std::to_string(p + q) + ")x + (" +
                std::to_string(p * q) + ") = (x &minus; (" + std::to_string(p) + "))(x &minus; (" +
                std::to_string(q) + ")) = 0: at x = " + std::to_string(p) +
                " and x = " + std::to_string(q) + ".",
            "Between them the line is above the parabola (compare at x = " + rationalHtml(middle) +
                "): the height of a strip is " + polynomialHtml(difference) + ".",
            "An antiderivative is F(x) = " + polynomialHtml(F) + "; the area is F(" +
                std::to_string(q) + ") &minus; F(" + std::to_string(p) +
                ") = " + rationalHtml(valueAt(F, q)) + " &minus; (" + rationalHtml(valueAt(F, p)) +
                ") = " + answer.get_str() + "."};
        return e;
    }
    const long m = random.between(1, 6);
    const mpq_class answer = canonical(mpq_class(4 * m * m * m, 3));
    e = withRationalAnswer("area-between", answer);
    e.prompt = "Find the area enclosed between y = " + std::to_string(m * m) +
               " &minus; x<sup>2</sup> and the x-axis.";
    e.solutionSteps = {
        "The parabola meets the axis where x<sup>2</sup> = " + std::to_string(m * m) +
            ": x = &minus;" + std::to_string(m) + " and x = " + std::to_string(m) + ".",
        "Area = &int;<sub>&minus;" + std::to_string(m) + "</sub><sup>" + std::to_string(m) +
            "</sup> (" + std::to_string(m * m) + " &minus; x<sup>2</sup>) dx = [" +
            std::to_string(m * m) + "x &minus; x<sup>3</sup>/3] from &minus;" + std::to_string(m) +
            " to " + std::to_string(m) + ".",
        "= 2 &middot; (" + std::to_string(m * m * m) + " &minus; " + std::to_string(m * m * m) +
            "/3) = " + answer.get_str() + "."};
    return e;
}

kit::Exercise substitutionExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long p = random.between(0, 3), n = random.between(1, 4), c = random.between(1, 2);
    const long top = c * c + p * c; // u at x = c
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), static_cast<unsigned long>(top),
                  static_cast<unsigned long>(n + 1));
    const mpq_class answer = canonical(mpq_class(power, n + 1));
    kit::Exercise e = withRationalAnswer("substitution", answer);
    const std::string u =
        p == 0 ? "x<sup>2</sup>"
               : "x<sup>2</sup> + " + (p == 1 ? std::string() : std::to_string(p)) + "x";
    const std::string du = p == 0 ? "2x" : "2x + " + std::to_string(p);
    e.prompt = "Evaluate &int;<sub>0</sub><sup>" + std::to_string(c) + "</sup> (" + du + ")(" + u +
               ")<sup>" + std::to_string(n) + "</sup> dx by a substitution.";
    e.solutionSteps = {"Put u = " + u + ": then du = (" + du + ") dx, exactly the other factor.",
                       "The limits move with u: x = 0 gives u = 0, x = " + std::to_string(c) +
                           " gives u = " + std::to_string(top) + ".",
                       "&int;<sub>0</sub><sup>" + std::to_string(top) + "</sup> u<sup>" +
                           std::to_string(n) + "</sup> du = " + std::to_string(top) + "<sup>" +
                           std::to_string(n + 1) + "</sup>/" + std::to_string(n + 1) + " = " +
                           answer.get_str() + "."};
    return e;
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {
        {"riemann-sum", "Riemann and trapezoid sums", riemannSumExercise},
        {"definite-integral", "Definite integral of a polynomial", definiteIntegralExercise},
        {"fundamental-theorem", "The fundamental theorem: A\u2032(x)", fundamentalTheoremExercise},
        {"area-between", "Area between curves", areaBetweenExercise},
        {"substitution", "Substitution", substitutionExercise}};
}

} // namespace areas
