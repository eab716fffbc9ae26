#include "addmult/core/ring_exercises.h"

#include "addmult/core/element_set_check.h"
#include "addmult/core/finite_ring.h"
#include "addmult/core/special_elements.h"
#include "kit/core/answer_checks.h"

#include <numeric>
#include <string>

namespace addmult {

namespace {

using kit::Exercise;
using kit::Random;

std::string num(int n) {
    return std::to_string(n);
}

std::string zn(int n) {
    return "Z<sub>" + num(n) + "</sub>";
}

std::string listText(const std::vector<int>& values) {
    if (values.empty())
        return "none";
    std::string text;
    for (int v : values)
        text += (text.empty() ? "" : ", ") + num(v);
    return text;
}

// "17 = 2 &middot; 6 + 5, so 17 is 5 in Z_6"
std::string reduction(int value, int n) {
    if (value < n)
        return num(value) + " is already an element of " + zn(n);
    return num(value) + " = " + num(value / n) + " &middot; " + num(n) + " + " + num(value % n) +
           ", so " + num(value) + " is " + num(value % n) + " in " + zn(n);
}

const char* const setHint = "the elements separated by commas, in any order (or none)";

} // namespace

Exercise arithmeticExercise(kit::Seed seed) {
    Random random(seed);
    const int n = static_cast<int>(random.between(5, 24));
    const int a = static_cast<int>(random.between(1, n - 1));
    const int b = static_cast<int>(random.between(1, n - 1));
    const int c = static_cast<int>(random.between(2, n - 1));
    const int form = static_cast<int>(random.between(0, 2));
    std::vector<std::string> steps{"Work with ordinary whole numbers, then replace the result "
                                   "by its remainder on division by " +
                                   num(n) + ": that remainder is the element of " + zn(n) + "."};
    std::string expression;
    int answer = 0;
    if (form == 0) {
        expression = "(" + num(a) + " + " + num(b) + ") &middot; " + num(c);
        steps.push_back(num(a) + " + " + num(b) + " = " + num(a + b) + "; " + reduction(a + b, n) +
                        ".");
        const int sum = (a + b) % n;
        steps.push_back(num(sum) + " &middot; " + num(c) + " = " + num(sum * c) + "; " +
                        reduction(sum * c, n) + ".");
        answer = (sum * c) % n;
    } else if (form == 1) {
        expression = num(a) + " &middot; " + num(c) + " + " + num(b);
        steps.push_back(num(a) + " &middot; " + num(c) + " = " + num(a * c) + "; " +
                        reduction(a * c, n) + ".");
        const int product = (a * c) % n;
        steps.push_back(num(product) + " + " + num(b) + " = " + num(product + b) + "; " +
                        reduction(product + b, n) + ".");
        answer = (product + b) % n;
    } else {
        const int small = std::min(a, b), large = std::max(a, b);
        expression = num(small) + " &minus; " + num(large);
        steps.push_back("Subtracting means adding the negative: &minus;" + num(large) + " is " +
                        num((n - large) % n) + ", because " + num(large) + " + " +
                        num((n - large) % n) + " = " + num(n) + " = 0 in " + zn(n) + ".");
        steps.push_back(num(small) + " + " + num((n - large) % n) + " = " +
                        num(small + (n - large) % n) + "; " +
                        reduction(small + (n - large) % n, n) + ".");
        answer = ((small - large) % n + n) % n;
    }
    steps.push_back("In " + zn(n) + ": " + expression + " = <b>" + num(answer) + "</b>.");
    return kit::makeExercise("zn-arithmetic", "Compute " + expression + " in " + zn(n) + ".",
                             "an element of Z_n: a number from 0 to n - 1", num(answer),
                             expectElement(answer, n), std::move(steps));
}

Exercise unitsExercise(kit::Seed seed) {
    Random random(seed);
    const int n = static_cast<int>(random.between(6, 20));
    const auto special = findSpecialElements(integersModulo(n));
    std::vector<std::string> steps{
        "A unit is an element a with an inverse: some b with a &middot; b = 1. In " + zn(n) +
        " that happens exactly when gcd(a, " + num(n) + ") = 1 (B&eacute;zout gives a x + " +
        num(n) + " y = 1, so a x = 1 in " + zn(n) + ")."};
    std::string coprime, notCoprime;
    for (int a = 1; a < n; ++a) {
        const int g = std::gcd(a, n);
        if (g == 1)
            coprime += (coprime.empty() ? "" : ", ") + num(a) + "&middot;" +
                       num(*inverseOf(integersModulo(n), a, 1)) + " = 1";
        else
            notCoprime += (notCoprime.empty() ? "" : ", ") + num(a) + " (gcd " + num(g) + ")";
    }
    steps.push_back("Not units, because they share a factor with " + num(n) + ": " +
                    (notCoprime.empty() ? "none" : notCoprime) + ". (0 is never a unit.)");
    steps.push_back("Units, each with its inverse: " + coprime + ".");
    steps.push_back("The units of " + zn(n) + ": <b>" + listText(special.units) + "</b>.");
    return kit::makeExercise("zn-units", "List all the units of " + zn(n) + ".", setHint,
                             listText(special.units), expectElementSet(special.units, n),
                             std::move(steps));
}

Exercise zeroDivisorsExercise(kit::Seed seed) {
    Random random(seed);
    const std::vector<int> moduli{4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 20, 21, 7, 11, 13};
    const int n = random.pick(moduli);
    const auto special = findSpecialElements(integersModulo(n));
    std::vector<std::string> steps{
        "A zero divisor is an element a &ne; 0 with a &middot; b = 0 for some b &ne; 0. In " +
        zn(n) + " that is every a &ne; 0 sharing a factor g &gt; 1 with " + num(n) +
        ": a &middot; (" + num(n) + "/g) is a multiple of " + num(n) + "."};
    std::string witnesses;
    for (int a : special.zeroDivisors) {
        const int g = std::gcd(a, n);
        witnesses += (witnesses.empty() ? "" : ", ") + num(a) + "&middot;" + num(n / g) + " = 0";
    }
    if (special.zeroDivisors.empty())
        steps.push_back(num(n) + " is prime, so every a from 1 to " + num(n - 1) + " has gcd(a, " +
                        num(n) +
                        ") = 1: a is a unit, and a unit is never a zero divisor (a b = 0 gives "
                        "b = a<sup>-1</sup> a b = 0).");
    else
        steps.push_back("Each with a partner: " + witnesses + ".");
    steps.push_back("The zero divisors of " + zn(n) + ": <b>" + listText(special.zeroDivisors) +
                    "</b>.");
    return kit::makeExercise("zn-zero-divisors", "List all the zero divisors of " + zn(n) + ".",
                             setHint, listText(special.zeroDivisors),
                             expectElementSet(special.zeroDivisors, n), std::move(steps));
}

Exercise idempotentsExercise(kit::Seed seed) {
    Random random(seed);
    const std::vector<int> moduli{6, 10, 12, 14, 15, 18, 20, 21, 22, 24, 8, 9};
    const int n = random.pick(moduli);
    const auto special = findSpecialElements(integersModulo(n));
    std::vector<std::string> steps{
        "An idempotent is an element e with e &middot; e = e. 0 and 1 always are; look for "
        "others by squaring each element of " +
        zn(n) + "."};
    std::string squares;
    for (int a = 2; a < n; ++a)
        squares += (squares.empty() ? "" : ", ") + num(a) + "&sup2; = " + num((a * a) % n);
    steps.push_back(squares + ".");
    steps.push_back("e &middot; e = e means e(e &minus; 1) = 0: " + num(n) +
                    " must divide e(e &minus; 1); e and e &minus; 1 share no factor, so the prime "
                    "powers of " +
                    num(n) + " split between them.");
    steps.push_back("The idempotents of " + zn(n) + ": <b>" + listText(special.idempotents) +
                    "</b>.");
    return kit::makeExercise(
        "zn-idempotents", "List all the idempotents of " + zn(n) + " (e &middot; e = e).", setHint,
        listText(special.idempotents), expectElementSet(special.idempotents, n), std::move(steps));
}

Exercise matrixProductExercise(kit::Seed seed) {
    Random random(seed);
    const FiniteRing ring = matricesOverZ2();
    int x = 0, y = 0;
    do {
        x = static_cast<int>(random.between(1, 15));
        y = static_cast<int>(random.between(1, 15));
    } while (ring.product(x, y) == ring.product(y, x) && !random.chance(0.2));
    const auto e = [](int m, int k) { return (m >> (3 - k)) & 1; };
    const auto matrix = [&](int m) {
        return "[" + num(e(m, 0)) + " " + num(e(m, 1)) + "; " + num(e(m, 2)) + " " + num(e(m, 3)) +
               "]";
    };
    const auto typed = [&](int m) {
        return num(e(m, 0)) + " " + num(e(m, 1)) + " " + num(e(m, 2)) + " " + num(e(m, 3));
    };
    const int p = ring.product(x, y), q = ring.product(y, x);
    std::vector<std::string> steps{
        "Multiply as usual, row of A times column of B, then reduce modulo 2 (1 + 1 = 0)."};
    const char* names[] = {"top left", "top right", "bottom left", "bottom right"};
    for (int k = 0; k < 4; ++k) {
        const int r = k / 2, c = k % 2;
        const int a0 = e(x, 2 * r), a1 = e(x, 2 * r + 1), b0 = e(y, c), b1 = e(y, 2 + c);
        steps.push_back(std::string(names[k]) + ": " + num(a0) + "&middot;" + num(b0) + " + " +
                        num(a1) + "&middot;" + num(b1) + " = " + num(a0 * b0 + a1 * b1) + " = " +
                        num((a0 * b0 + a1 * b1) % 2) + " in Z<sub>2</sub>.");
    }
    steps.push_back(
        "A B = <b>" + matrix(p) + "</b>, typed " + typed(p) + "." +
        (p != q ? " In the other order B A = " + matrix(q) + ": this ring is not commutative."
                : std::string(" Here B A is the same, but not for every pair.")));
    std::vector<mpz_class> expected{e(p, 0), e(p, 1), e(p, 2), e(p, 3)};
    return kit::makeExercise(
        "matrix-product",
        "In the ring of 2 &times; 2 matrices over Z<sub>2</sub>, compute A B for A = " + matrix(x) +
            " and B = " + matrix(y) + " (rows separated by ;).",
        "the four entries row by row, for example 1 0 0 1", typed(p),
        kit::expectIntegerList(expected, true), std::move(steps));
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {
        {"zn-arithmetic", "Arithmetic in Z_n", arithmeticExercise},
        {"zn-units", "Units of Z_n", unitsExercise},
        {"zn-zero-divisors", "Zero divisors of Z_n", zeroDivisorsExercise},
        {"zn-idempotents", "Idempotents of Z_n", idempotentsExercise},
        {"matrix-product", "Matrices over Z_2", matrixProductExercise},
    };
}

} // namespace addmult
