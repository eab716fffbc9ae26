#include "continuity/core/limit_exercises.h"

#include "equations/core/polynomial.h"
#include "kit/core/answer_checks.h"
#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <algorithm>
#include <optional>

namespace continuity {

namespace {

using kit::Exercise;
using kit::Random;

std::string html(const mpq_class& q) {
    return equations::numberHtml(q);
}

std::string html(long k) {
    return html(mpq_class(k));
}

// " + 3", " &minus; 3" (nothing for 0).
std::string signedHtml(long k) {
    if (k == 0)
        return "";
    return (k < 0 ? " &minus; " : " + ") + std::to_string(std::labs(k));
}

// x &minus; a as written on the page: "x + 2", "x".
std::string factorHtml(long a) {
    return "x" + signedHtml(-a);
}

// x^2 + p x + q with integer coefficients.
std::string quadraticHtml(long p, long q) {
    std::string text = "x<sup>2</sup>";
    if (p == 1 || p == -1)
        text += p < 0 ? " &minus; x" : " + x";
    else if (p != 0)
        text += signedHtml(p) + "x";
    return text + signedHtml(q);
}

// a x^n + b with a != 0, n in {1, 2}.
std::string monomialPlusHtml(long a, int n, long b) {
    std::string text = a == 1 ? "" : (a == -1 ? "&minus;" : html(a));
    text += n == 1 ? "x" : "x<sup>" + std::to_string(n) + "</sup>";
    return text + signedHtml(b);
}

long nonZeroBetween(Random& random, long lo, long hi) {
    long k = 0;
    while (k == 0)
        k = static_cast<long>(random.between(lo, hi));
    return k;
}

std::optional<LimitAnswer> infinityWord(std::string text) {
    for (const std::string& minus : {std::string("\u2212"), std::string("-")})
        if (text.rfind(minus, 0) == 0) {
            const auto rest = infinityWord(text.substr(minus.size()));
            if (rest == LimitAnswer::PlusInfinity)
                return LimitAnswer::MinusInfinity;
            return std::nullopt;
        }
    if (!text.empty() && text[0] == '+')
        text = text.substr(1);
    for (const char* word : {"infinity", "inf", "oo", "\u221e"})
        if (text == word)
            return LimitAnswer::PlusInfinity;
    return std::nullopt;
}

} // namespace

kit::Verdict checkLimitAnswer(std::string_view typed, LimitAnswer kind, const mpq_class& value) {
    const std::string text = kit::squeezedLowercase(typed);
    if (const auto word = infinityWord(text)) {
        if (*word == kind)
            return {true, kit::correctMessage};
        if (kind == LimitAnswer::Number)
            return {false, "the values settle at a number: this limit is finite"};
        return {false, "mind the sign: which way do the values run off?"};
    }
    if (kind != LimitAnswer::Number) {
        const auto number = kit::parseRational(typed);
        if (!number.ok())
            return {false, number.error().message};
        return {false, "the values grow without bound: type infinity or -infinity"};
    }
    return kit::expectRational(value, kit::FractionForm::AnyEquivalent)(typed);
}

Exercise cancellationExercise(kit::Seed seed) {
    Random random(seed);
    const long a = random.between(-5, 5);
    long b = a, c = a;
    while (b == a)
        b = random.between(-6, 6);
    while (c == a || c == b)
        c = random.between(-6, 6);
    const std::string numerator = quadraticHtml(-(a + b), a * b);
    const std::string denominator = quadraticHtml(-(a + c), a * c);
    mpq_class canonical(a - b, a - c);
    canonical.canonicalize();
    std::string prompt =
        "Find lim<sub>x&rarr;" + html(a) + "</sub> (" + numerator + ") / (" + denominator + ").";
    return kit::makeExercise(
        "limit-cancel", prompt, "a number, e.g. 3/4", canonical.get_str(),
        [canonical](std::string_view typed) {
            return checkLimitAnswer(typed, LimitAnswer::Number, canonical);
        },
        {"At x = " + html(a) +
             " both numerator and denominator are 0: the form 0/0 "
             "says nothing yet, so simplify first.",
         "Both have the factor (" + factorHtml(a) + "): " + numerator + " = (" + factorHtml(a) +
             ")(" + factorHtml(b) + ") and " + denominator + " = (" + factorHtml(a) + ")(" +
             factorHtml(c) + ").",
         "For x &ne; " + html(a) + " cancel it: the quotient equals (" + factorHtml(b) + ")/(" +
             factorHtml(c) + "), which is continuous at " + html(a) + ".",
         "Substitute: (" + html(a) + signedHtml(-b) + ")/(" + html(a) + signedHtml(-c) +
             ") = " + html(mpq_class(a - b)) + "/" + html(mpq_class(a - c)) + " = " +
             html(canonical) + "."});
}

Exercise infinityExercise(kit::Seed seed) {
    Random random(seed);
    const int m = static_cast<int>(random.between(1, 2));
    const int n = static_cast<int>(random.between(1, 2));
    const long p = nonZeroBetween(random, -6, 6), s = nonZeroBetween(random, -6, 6);
    const long q = random.between(-9, 9), u = nonZeroBetween(random, -9, 9);
    const bool towardsMinus = random.chance(0.3);
    const std::string top = monomialPlusHtml(p, m, q), bottom = monomialPlusHtml(s, n, u);
    LimitAnswer kind = LimitAnswer::Number;
    mpq_class value(0);
    std::string expected, reason;
    if (m == n) {
        value = mpq_class(p, s);
        value.canonicalize();
        expected = value.get_str();
        reason = "The degrees are equal: the limit is the quotient of the leading coefficients, " +
                 html(p) + "/" + html(s) + " = " + html(value) + ".";
    } else if (m < n) {
        expected = "0";
        reason = "The denominator has the higher degree: the quotient behaves like " + html(p) +
                 "/(" + html(s) + "x) and tends to 0.";
    } else {
        // p x^2 / (s x): the sign is that of p/s times the sign of x.
        const bool positive = (p > 0) == (s > 0) ? !towardsMinus : towardsMinus;
        kind = positive ? LimitAnswer::PlusInfinity : LimitAnswer::MinusInfinity;
        expected = positive ? "infinity" : "-infinity";
        reason = "The numerator has the higher degree: the quotient behaves like (" + html(p) +
                 "/" + html(s) + ")x, which runs off to " + (positive ? "+" : "&minus;") +
                 "&infin;.";
    }
    const std::string direction = towardsMinus ? "&minus;&infin;" : "&infin;";
    std::string prompt =
        "Find lim<sub>x&rarr;" + direction + "</sub> (" + top + ") / (" + bottom + ").";
    const std::string power = "x<sup>" + std::to_string(std::max(m, n)) + "</sup>";
    return kit::makeExercise(
        "limit-infinity", prompt, "a number, or infinity / -infinity", expected,
        [kind, value](std::string_view typed) { return checkLimitAnswer(typed, kind, value); },
        {"Divide numerator and denominator by the highest power in the denominator, " +
             std::string(n == 1 ? "x" : "x<sup>2</sup>") +
             ": every term with x in a denominator tends to 0.",
         "So only the leading terms count: " + monomialPlusHtml(p, m, 0) + " over " +
             monomialPlusHtml(s, n, 0) + " (the highest power overall is " + power + ").",
         reason});
}

Exercise oneSidedExercise(kit::Seed seed) {
    Random random(seed);
    const long a = random.between(-4, 4), c = random.between(-5, 5);
    const long k = nonZeroBetween(random, -4, 4);
    const bool fromLeft = random.chance(0.5);
    const long answer = fromLeft ? c - k : c + k;
    const std::string size = std::labs(k) == 1 ? "" : std::to_string(std::labs(k));
    const std::string jump = size + "|" + factorHtml(a) + "|/(" + factorHtml(a) + ")";
    const std::string f =
        c == 0 ? (k < 0 ? "&minus;" : "") + jump : html(c) + (k < 0 ? " &minus; " : " + ") + jump;
    std::string prompt = "f(x) = " + f + ". Find lim<sub>x&rarr;" + html(a) +
                         (fromLeft ? "<sup>&minus;</sup>" : "<sup>+</sup>") + "</sub> f(x).";
    return kit::makeExercise(
        "one-sided", prompt, "an integer", std::to_string(answer), kit::expectInteger(answer),
        {std::string("For x ") + (fromLeft ? "&lt; " : "&gt; ") + html(a) + " the number " +
             factorHtml(a) + " is " + (fromLeft ? "negative" : "positive") + ", so |" +
             factorHtml(a) +
             "| = " + (fromLeft ? "&minus;(" + factorHtml(a) + ")" : factorHtml(a)) + ".",
         std::string("Then |") + factorHtml(a) + "|/(" + factorHtml(a) +
             ") = " + (fromLeft ? "&minus;1" : "1") + " on that whole side: f is constant there.",
         "f(x) = " + html(c) + signedHtml(fromLeft ? -k : k) + " = " + html(answer) +
             " for every such x, so the one-sided limit is " + html(answer) + "."});
}

Exercise discontinuityExercise(kit::Seed seed) {
    Random random(seed);
    const long a = nonZeroBetween(random, -5, 5);
    const long b = nonZeroBetween(random, 1, 4);
    const int which = static_cast<int>(random.between(0, 2));
    std::string f, answer;
    std::vector<std::string> steps;
    if (which == 0) {
        f = "(" + quadraticHtml(b - a, -a * b) + ")/(" + factorHtml(a) + ")";
        answer = "removable";
        steps = {"At x = " + html(a) + " the denominator is 0, so f(" + html(a) +
                     ") is not defined: f is discontinuous there.",
                 "The numerator factors as (" + factorHtml(a) + ")(x + " + html(b) +
                     "); for x &ne; " + html(a) + " f(x) = x + " + html(b) + ".",
                 "Both one-sided limits are " + html(a + b) +
                     ": the limit exists, only the "
                     "value is missing. The discontinuity is removable."};
    } else if (which == 1) {
        f = "x + " + html(b) + "|" + factorHtml(a) + "|/(" + factorHtml(a) + ")";
        answer = "jump";
        steps = {"|" + factorHtml(a) + "|/(" + factorHtml(a) + ") is &minus;1 to the left of " +
                     html(a) + " and 1 to the right.",
                 "So the limit from the left is " + html(a - b) + " and from the right " +
                     html(a + b) + ".",
                 "Both are finite but different: a jump discontinuity (of height " + html(2 * b) +
                     ")."};
    } else {
        f = "(x + " + html(b) + ")/(" + factorHtml(a) + ")<sup>2</sup>";
        answer = "infinite";
        steps = {"At x = " + html(a) + " the denominator is 0 but the numerator is " + html(a + b) +
                     ", not 0.",
                 "A nonzero number divided by a square tending to 0 (and positive) grows without "
                 "bound.",
                 "The one-sided limits are infinite: an infinite discontinuity, with the "
                 "vertical asymptote x = " +
                     html(a) + "."};
    }
    if (which == 2 && a + b == 0)
        return discontinuityExercise(seed + 0x9e3779b97f4a7c15ULL);
    std::string prompt =
        "f(x) = " + f + ". What kind of discontinuity does f have at x = " + html(a) + "?";
    return kit::makeExercise("discontinuity-kind", prompt, "removable, jump or infinite", answer,
                             kit::expectChoice({answer, answer + " discontinuity"}), steps);
}

Exercise epsilonDeltaExercise(kit::Seed seed) {
    Random random(seed);
    const long m = nonZeroBetween(random, -6, 6), b = random.between(-5, 5);
    const long a = random.between(-3, 3);
    const mpq_class epsilon(1, random.between(2, 20));
    const mpq_class delta = epsilon / std::labs(m);
    const std::string line = monomialPlusHtml(m, 1, b);
    std::string prompt = "f(x) = " + line + " tends to L = " + html(m * a + b) + " as x &rarr; " +
                         html(a) + ". For &epsilon; = " + html(epsilon) +
                         ", what is the largest &delta; such that 0 &lt; |" + factorHtml(a) +
                         "| &lt; &delta; guarantees |f(x) &minus; L| &lt; &epsilon;?";
    return kit::makeExercise(
        "epsilon-delta", prompt, "a fraction a/b", delta.get_str(),
        kit::expectRational(delta, kit::FractionForm::AnyEquivalent),
        {"|f(x) &minus; L| = |" + line + " &minus; (" + html(m * a + b) +
             ")| = " + html(std::labs(m)) + "|" + factorHtml(a) + "|.",
         "So |f(x) &minus; L| &lt; " + html(epsilon) + " exactly when |" + factorHtml(a) +
             "| &lt; " + html(epsilon) + "/" + html(std::labs(m)) + ".",
         "The largest &delta; is " + html(delta) +
             ": any larger one lets in x with |f(x) &minus; L| &ge; &epsilon;."});
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"limit-cancel", "Limit of the form 0/0", cancellationExercise},
            {"limit-infinity", "Limit at infinity", infinityExercise},
            {"one-sided", "One-sided limit", oneSidedExercise},
            {"discontinuity-kind", "Kind of discontinuity", discontinuityExercise},
            {"epsilon-delta", "Largest \u03b4 for an \u03b5", epsilonDeltaExercise}};
}

} // namespace continuity
