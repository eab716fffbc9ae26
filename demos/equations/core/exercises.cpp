#include "equations/core/exercises.h"

#include "equations/core/polynomial_algebra.h"
#include "equations/core/rational_roots.h"
#include "equations/core/root_answers.h"
#include "equations/core/sign_chart.h"
#include "equations/core/solution_input.h"

#include <algorithm>

namespace equations {

namespace {

using kit::Exercise;
using kit::Random;

mpq_class nonZero(Random& random, int limit) {
    std::int64_t n = 0;
    while (n == 0)
        n = random.between(-limit, limit);
    return n;
}

// Distinct integers in [-limit, limit].
std::vector<mpq_class> distinctIntegers(Random& random, std::size_t count, int limit) {
    std::vector<mpq_class> values;
    while (values.size() < count) {
        const mpq_class v = random.between(-limit, limit);
        if (std::find(values.begin(), values.end(), v) == values.end())
            values.push_back(v);
    }
    return values;
}

Polynomial productOfRoots(const std::vector<mpq_class>& roots) {
    Polynomial p({mpq_class(1)});
    for (const auto& r : roots)
        p = p * Polynomial::linear(r);
    return p;
}

// A polynomial ready to stand in a quotient: brackets round it unless it is one term.
std::string bracketed(const Polynomial& p) {
    int terms = 0;
    for (const auto& c : p.coefficients())
        terms += c != 0 ? 1 : 0;
    return terms > 1 ? "(" + p.html() + ")" : p.html();
}

std::string rootList(const std::vector<RealRoot>& roots, bool html) {
    std::string text;
    for (const auto& r : roots)
        text += (text.empty() ? "" : ", ") + (html ? r.html : r.typed);
    return text.empty() ? "none" : text;
}

std::string candidateStep(const Polynomial& p) {
    const auto candidates = rationalRootCandidates(p);
    if (!candidates)
        return "The coefficients are too large to list the candidates by hand.";
    std::string list;
    for (const auto& c : candidates->candidates)
        list += (list.empty() ? "" : ", ") + numberHtml(c);
    return "Rational root theorem: a rational root p/q (in lowest terms) of " +
           candidates->integral.html() + " has p dividing the constant term " +
           numberHtml(candidates->integral.coefficient(0)) +
           " and q dividing the leading "
           "coefficient " +
           numberHtml(candidates->integral.leading()) + ". The candidates: " + list + ".";
}

std::string synthetic(const Polynomial& p, const mpq_class& r) {
    std::string row;
    for (const auto& c : syntheticDivision(p, r))
        row += (row.empty() ? "" : " &nbsp; ") + numberHtml(c);
    return row;
}

// Steps that find the roots of p by testing candidates and dividing them out.
std::vector<std::string> rootHuntSteps(Polynomial p) {
    std::vector<std::string> steps{candidateStep(p)};
    const auto candidates = rationalRootCandidates(p);
    if (!candidates)
        return steps;
    auto ordered = candidates->candidates;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const mpq_class& a, const mpq_class& b) { return abs(a) < abs(b); });
    while (p.degree() > 2) {
        const auto root = std::find_if(ordered.begin(), ordered.end(),
                                       [&](const mpq_class& c) { return p.at(c) == 0; });
        if (root == ordered.end())
            break;
        steps.push_back("Try the candidates, smallest first: p(" + numberHtml(*root) +
                        ") = 0, so x = " + numberHtml(*root) + " is a root and (x &minus; " +
                        numberHtml(*root) + ") is a factor.");
        const Polynomial quotient = divide(p, Polynomial::linear(*root)).quotient;
        steps.push_back("Divide it out (synthetic division with " + numberHtml(*root) +
                        ", coefficients " + synthetic(p, *root) +
                        "; the last entry, the "
                        "remainder, is 0): the quotient is " +
                        quotient.html() + ".");
        p = quotient;
    }
    if (p.degree() == 2) {
        const auto roots = realRoots(factorOverRationals(p));
        const mpq_class a = p.coefficient(2), b = p.coefficient(1), c = p.coefficient(0);
        steps.push_back("Solve the quadratic " + p.html() +
                        " = 0: the discriminant is b&sup2; "
                        "&minus; 4ac = " +
                        numberHtml(b * b - 4 * a * c) + ", which gives " + rootList(roots, true) +
                        ".");
    }
    return steps;
}

} // namespace

Exercise rationalRootsExercise(kit::Seed seed) {
    Random random(seed);
    auto roots = distinctIntegers(random, 2, 5);
    const std::int64_t q = random.pick(std::vector<std::int64_t>{1, 1, 2, 3});
    mpq_class third(nonZero(random, 5).get_num(), q);
    third.canonicalize();
    std::vector<mpq_class> all = roots;
    all.push_back(random.chance(0.2) ? roots.front() : third);
    const Polynomial p = mpq_class(q) * productOfRoots(all);
    std::vector<mpq_class> distinct;
    for (const auto& r : all)
        if (std::find(distinct.begin(), distinct.end(), r) == distinct.end())
            distinct.push_back(r);
    std::sort(distinct.begin(), distinct.end());
    std::string answer;
    for (const auto& r : distinct)
        answer += (answer.empty() ? "" : ", ") + numberTyped(r);
    auto steps = rootHuntSteps(p);
    steps.push_back("So p(x) = " + factorizationHtml(factorOverRationals(p)) +
                    ", and its distinct roots are " + answer + ".");
    return kit::makeExercise(
        "rational-roots", "Find every real root of p(x) = " + p.html() + ". Write each root once.",
        "the roots separated by commas, fractions as 1/3", answer, expectRationalRoots(p, distinct),
        std::move(steps));
}

Exercise factorExercise(kit::Seed seed) {
    Random random(seed);
    Polynomial p;
    std::vector<std::string> steps;
    switch (random.between(0, 3)) {
    case 0: {
        const auto r = distinctIntegers(random, 2, 8);
        p = productOfRoots(r);
        steps.push_back("For x&sup2; + bx + c look for two numbers with product c = " +
                        numberHtml(p.coefficient(0)) +
                        " and sum b = " + numberHtml(p.coefficient(1)) + ": they are " +
                        numberHtml(-r[0]) + " and " + numberHtml(-r[1]) + ".");
        break;
    }
    case 1: {
        const mpq_class a = random.between(2, 3);
        const auto r = distinctIntegers(random, 2, 5);
        mpq_class s(r[1].get_num(), a.get_num());
        s.canonicalize();
        p = a * productOfRoots({r[0], s});
        steps.push_back(candidateStep(p));
        steps.push_back("Testing them finds the roots " + numberHtml(r[0]) + " and " +
                        numberHtml(s) + "; a root p/q gives the factor (qx &minus; p).");
        break;
    }
    case 2: {
        const mpq_class c = random.between(1, 3);
        const auto r = distinctIntegers(random, 2, 6);
        p = c * Polynomial({0, 1}) * productOfRoots(r);
        steps.push_back("Every term contains " + numberHtml(c) +
                        "x: take it out first, "
                        "p(x) = " +
                        numberHtml(c) + "x &middot; (" +
                        divide(p, c * Polynomial({0, 1})).quotient.html() + ").");
        break;
    }
    default: {
        const mpq_class r = nonZero(random, 5);
        const mpq_class k = random.between(1, 9);
        p = Polynomial::linear(r) * Polynomial({k, 0, 1});
        steps.push_back("Group the terms in pairs: " + p.html() + " = x&sup2;(x &minus; " +
                        numberHtml(r) + ") + " + numberHtml(k) + "(x &minus; " + numberHtml(r) +
                        ") = (x &minus; " + numberHtml(r) + ")(x&sup2; + " + numberHtml(k) + ").");
        steps.push_back("x&sup2; + " + numberHtml(k) +
                        " is positive for every x: it has no "
                        "real root, so it does not factor over the rationals.");
        break;
    }
    }
    const Factorization f = factorOverRationals(p);
    steps.push_back("Check by multiplying out, and that no factor splits further: " + p.html() +
                    " = " + factorizationHtml(f) + ".");
    return kit::makeExercise(
        "factor", "Factor p(x) = " + p.html() + " completely over the rationals.",
        "a product such as 2*(x - 1)*(x + 3)^2", factorizationTyped(f),
        [p](std::string_view typed) { return checkFactorisation(typed, p); }, std::move(steps));
}

Exercise quadraticFormulaExercise(kit::Seed seed) {
    Random random(seed);
    Polynomial p;
    mpq_class a, b, c, d;
    const int wanted = static_cast<int>(random.between(0, 9)); // 0-6 surds, 7 none, 8-9 rational
    for (;;) {
        a = random.pick(std::vector<std::int64_t>{1, 1, 2, 3, -1});
        b = random.between(-9, 9);
        c = nonZero(random, 9);
        d = b * b - 4 * a * c;
        const bool square = d >= 0 && mpz_perfect_square_p(d.get_num().get_mpz_t());
        if ((wanted <= 6 && d > 0 && !square) || (wanted == 7 && d < 0) ||
            (wanted >= 8 && square && d > 0))
            break;
    }
    p = Polynomial({c, b, a});
    const auto roots = realRoots(factorOverRationals(p));
    std::vector<std::string> steps{
        "For ax&sup2; + bx + c = 0 complete the square: x = (&minus;b &plusmn; &radic;(b&sup2; "
        "&minus; 4ac)) / 2a. Here a = " +
            numberHtml(a) + ", b = " + numberHtml(b) + ", c = " + numberHtml(c) + ".",
        "The discriminant b&sup2; &minus; 4ac = " + numberHtml(b * b) + " &minus; " +
            numberHtml(4 * a * c) + " = " + numberHtml(d) + "."};
    if (d < 0)
        steps.push_back("It is negative: the square root of a negative number is not real, so "
                        "there is no real root (the parabola does not meet the x-axis).");
    else
        steps.push_back("x = (" + numberHtml(-b) + " &plusmn; &radic;" + numberHtml(d) + ") / " +
                        numberHtml(2 * a) +
                        "; simplify the root and the fraction: " + rootList(roots, true) + ".");
    return kit::makeExercise(
        "quadratic-formula", "Solve " + p.html() + " = 0 exactly over the real numbers.",
        "exact roots separated by commas, such as (1 - sqrt(5))/2, (1 + sqrt(5))/2, "
        "or none",
        rootList(roots, false), expectExactRoots(roots), std::move(steps));
}

namespace {

Relation randomRelation(Random& random) {
    return random.pick(std::vector<Relation>{Relation::Less, Relation::LessEqual, Relation::Greater,
                                             Relation::GreaterEqual});
}

std::vector<std::string> inequalitySteps(const SignChart& chart, Relation relation,
                                         const SolutionSet& set, bool rational) {
    std::string points;
    for (const auto& p : chart.points)
        points += (points.empty() ? "" : ", ") + p.root.html +
                  (p.excluded() ? " (the denominator is 0: never in the set)" : "");
    std::vector<std::string> steps{
        "The critical points, where a factor is 0: " + points +
            ". Between them no factor "
            "changes sign, so neither does the " +
            std::string(rational ? "quotient" : "product") + ".",
        "The sign chart (a factor is positive right of its root; an even power never "
        "changes sign):<br>" +
            signChartHtml(chart)};
    const bool closed = relation == Relation::LessEqual || relation == Relation::GreaterEqual;
    steps.push_back(
        std::string("Take the intervals with sign ") +
        (relation == Relation::Less || relation == Relation::LessEqual ? "&minus;" : "+") +
        (closed ? ", and the zeros of the numerator because equality is allowed"
                : "; the zeros are left out because the inequality is strict") +
        (rational ? "; the zeros of the denominator are always left out" : "") + ": " +
        solutionHtml(set) + ".");
    return steps;
}

} // namespace

Exercise polynomialInequalityExercise(kit::Seed seed) {
    Random random(seed);
    const Relation relation = randomRelation(random);
    Polynomial p;
    std::string shown;
    if (random.chance(0.5)) {
        const auto r = distinctIntegers(random, 2, 6);
        p = mpq_class(random.chance(0.25) ? -1 : 1) * productOfRoots(r);
        shown = p.html();
    } else {
        auto r = distinctIntegers(random, 3, 5);
        if (random.chance(0.3))
            r[2] = r[1];
        p = productOfRoots(r);
        shown = factorizationHtml(factorOverRationals(p));
    }
    const Factorization f = factorOverRationals(p);
    const SignChart chart = signChart(f, Factorization{});
    const SolutionSet set = solve(chart, relation);
    auto steps = inequalitySteps(chart, relation, set, false);
    steps.insert(steps.begin(),
                 "Factor the left side: " + p.html() + " = " + factorizationHtml(f) + ".");
    return kit::makeExercise(
        "polynomial-inequality",
        "Solve " + shown + " " + relationHtml(relation) +
            " 0. Give the solution set "
            "in interval notation.",
        "intervals joined by U, such as (-inf, -2) U [1, 3]; {4} for one point; R; "
        "empty",
        solutionTyped(set), expectSolutionSet(set), std::move(steps));
}

Exercise rationalInequalityExercise(kit::Seed seed) {
    Random random(seed);
    const Relation relation = randomRelation(random);
    const auto r = distinctIntegers(random, 3, 6);
    Polynomial numerator, denominator = Polynomial::linear(r[2]);
    std::string prompt;
    std::vector<std::string> first;
    const int variant = static_cast<int>(random.between(0, 2));
    if (variant == 0) {
        numerator = Polynomial::linear(r[0]);
        prompt = bracketed(numerator) + " / " + bracketed(denominator) + " " +
                 relationHtml(relation) + " 0";
    } else if (variant == 1) {
        numerator = productOfRoots({r[0], r[1]});
        prompt = factorizationHtml(factorOverRationals(numerator)) + " / " +
                 bracketed(denominator) + " " + relationHtml(relation) + " 0";
    } else {
        const mpq_class k = random.pick(std::vector<std::int64_t>{1, 2, -1});
        const Polynomial top = Polynomial::linear(r[0]);
        numerator = top - k * denominator; // never zero: the roots of top and denominator differ
        prompt = bracketed(top) + " / " + bracketed(denominator) + " " + relationHtml(relation) +
                 " " + numberHtml(k);
        first.push_back("Do not multiply by " + denominator.html() +
                        ": its sign is unknown. "
                        "Bring " +
                        numberHtml(k) + " to the left and use one denominator: (" + top.html() +
                        " &minus; " + numberHtml(k) + "(" + denominator.html() + ")) / (" +
                        denominator.html() + ") = (" + numerator.html() + ") / (" +
                        denominator.html() + ") " + relationHtml(relation) + " 0.");
    }
    const SignChart chart =
        signChart(factorOverRationals(numerator), factorOverRationals(denominator));
    const SolutionSet set = solve(chart, relation);
    auto steps = inequalitySteps(chart, relation, set, true);
    steps.insert(steps.begin(), first.begin(), first.end());
    return kit::makeExercise("rational-inequality",
                             "Solve " + prompt + ". Give the solution set in interval notation.",
                             "intervals joined by U, such as (-inf, -2) U [1, 3); R; empty",
                             solutionTyped(set), expectSolutionSet(set), std::move(steps));
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"rational-roots", "Roots by the rational root theorem", rationalRootsExercise},
            {"factor", "Factor over the rationals", factorExercise},
            {"quadratic-formula", "The quadratic formula", quadraticFormulaExercise},
            {"polynomial-inequality", "Polynomial inequalities", polynomialInequalityExercise},
            {"rational-inequality", "Rational inequalities", rationalInequalityExercise}};
}

} // namespace equations
