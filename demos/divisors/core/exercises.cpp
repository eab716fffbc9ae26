#include "divisors/core/exercises.h"

#include "divisors/core/divisor_functions.h"
#include "divisors/core/euclid.h"
#include "divisors/core/factorization.h"
#include "divisors/core/factorization_input.h"
#include "kit/core/answer_checks.h"
#include "kit/core/number_input.h"

#include <algorithm>

namespace divisors {

namespace {

using kit::Exercise;
using kit::Random;

const std::vector<std::int64_t> smallPrimes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

std::string str(const mpz_class& n) {
    return n.get_str();
}

Factorization factorOf(const mpz_class& n) {
    kit::WorkBudget budget(factoringBudget);
    return *factorize(n, budget); // exercise numbers are small: this always finishes
}

// A number made of two to four small prime powers, at most `largest`.
mpz_class numberWithFactors(Random& random, std::int64_t largest) {
    for (;;) {
        mpz_class n = 1;
        const auto primes = random.between(2, 4);
        for (int k = 0; k < primes; ++k) {
            const mpz_class p = random.pick(smallPrimes);
            n *= p;
            if (random.chance(0.5))
                n *= p;
        }
        if (n <= largest && n >= 12)
            return n;
    }
}

std::vector<std::string> euclidSteps(const EuclidRun& run) {
    std::vector<std::string> steps;
    steps.push_back(
        "Divide the larger number by the smaller and keep the remainder: a = q &middot; b + r "
        "with 0 &le; r &lt; b. Every common divisor of a and b also divides r = a &minus; qb, "
        "so gcd(a, b) = gcd(b, r).");
    for (const auto& line : run.lines)
        steps.push_back(lineText(line, true) + (line.r == 0 ? " &nbsp; (remainder 0: stop)" : ""));
    steps.push_back("The last non-zero remainder is the greatest common factor: gcd(" + str(run.a) +
                    ", " + str(run.b) + ") = " + str(run.gcd) + ".");
    return steps;
}

std::vector<std::string> divisionSteps(const mpz_class& n) {
    std::vector<std::string> steps{"Divide by the smallest prime that goes into the number, "
                                   "again and again, until 1 is left."};
    mpz_class rest = n;
    for (const auto& entry : factorOf(n))
        for (unsigned long e = 0; e < entry.exponent; ++e) {
            steps.push_back(str(rest) + " &divide; " + str(entry.prime) + " = " +
                            str(rest / entry.prime));
            rest /= entry.prime;
        }
    return steps;
}

std::string exponentsText(const Factorization& f, const char* pattern) {
    // pattern uses P for the prime and E for the exponent
    std::string text;
    for (const auto& entry : f) {
        std::string piece = pattern;
        const auto replace = [&](const std::string& key, const std::string& value) {
            for (auto at = piece.find(key); at != std::string::npos; at = piece.find(key))
                piece.replace(at, key.size(), value);
        };
        replace("E1", std::to_string(entry.exponent + 1));
        replace("E", std::to_string(entry.exponent));
        replace("P", str(entry.prime));
        text += (text.empty() ? "" : " &middot; ") + piece;
    }
    return text;
}

// Two numbers a > b > 1 with a chosen greatest common factor.
std::pair<mpz_class, mpz_class> pairWithGcd(Random& random, std::int64_t largestFactor,
                                            std::int64_t largestMultiplier) {
    for (;;) {
        const mpz_class g = random.between(1, largestFactor);
        const mpz_class m = random.between(2, largestMultiplier);
        const mpz_class k = random.between(2, largestMultiplier);
        if (m == k || gcd(m, k) != 1)
            continue;
        const mpz_class a = g * std::max(m, k), b = g * std::min(m, k);
        if (euclid(a, b).lines.size() >= 2)
            return {a, b};
    }
}

} // namespace

Exercise gcdExercise(kit::Seed seed) {
    Random random(seed);
    const auto [a, b] = pairWithGcd(random, 30, 40);
    const EuclidRun run = euclid(a, b);
    return kit::makeExercise("gcd-euclid",
                             "Use the Euclidean algorithm to find the greatest common factor gcd(" +
                                 str(a) + ", " + str(b) + ").",
                             "a whole number", str(run.gcd), kit::expectInteger(run.gcd),
                             euclidSteps(run));
}

Exercise factorizeExercise(kit::Seed seed) {
    Random random(seed);
    const mpz_class n = numberWithFactors(random, 5000);
    const Factorization f = factorOf(n);
    auto steps = divisionSteps(n);
    steps.push_back("Collect equal primes as powers: " + str(n) + " = " +
                    factorizationText(f, true) + ".");
    return kit::makeExercise("factorise", "Write " + str(n) + " as a product of primes.",
                             "the primes with * between them, powers as 2^3 (for example 2^3 * 5)",
                             factorizationText(f, false), expectFactorization(n), std::move(steps));
}

Exercise divisorCountExercise(kit::Seed seed) {
    Random random(seed);
    const mpz_class n = numberWithFactors(random, 3000);
    const Factorization f = factorOf(n);
    const mpz_class count = divisorCount(f);
    std::vector<std::string> steps{
        "Factorise: " + str(n) + " = " + factorizationText(f, true) + ".",
        "A divisor takes each prime p<sup>e</sup> between 0 and e times: e + 1 choices for each "
        "prime, chosen independently.",
        "Multiply the choices: " + exponentsText(f, "(E + 1)") + " = " + str(count) + "."};
    if (count <= 24) {
        std::string list;
        for (const auto& d : listDivisors(f))
            list += (list.empty() ? "" : ", ") + str(d);
        steps.push_back("Check by listing them: " + list + ".");
    }
    return kit::makeExercise(
        "divisor-count",
        "How many divisors does " + str(n) + " have (1 and " + str(n) + " included)?",
        "a whole number", str(count), kit::expectInteger(count), std::move(steps));
}

Exercise divisorSumExercise(kit::Seed seed) {
    Random random(seed);
    const mpz_class n = numberWithFactors(random, 1000);
    const Factorization f = factorOf(n);
    const mpz_class sum = divisorSum(f);
    std::vector<std::string> steps{
        "Factorise: " + str(n) + " = " + factorizationText(f, true) + ".",
        "Every divisor appears exactly once when the product " +
            exponentsText(f, "(1 + P + &hellip; + P<sup>E</sup>)") + " is multiplied out.",
        "Each bracket is a geometric sum (p<sup>e+1</sup> &minus; 1)/(p &minus; 1): " +
            exponentsText(f, "(P<sup>E1</sup> &minus; 1)/(P &minus; 1)") + " = " + str(sum) + "."};
    return kit::makeExercise("divisor-sum",
                             "What is the sum of all the divisors of " + str(n) + " (1 and " +
                                 str(n) + " included)?",
                             "a whole number", str(sum), kit::expectInteger(sum), std::move(steps));
}

Exercise divisorListExercise(kit::Seed seed) {
    Random random(seed);
    mpz_class n;
    do
        n = random.between(12, 150);
    while (divisorCount(factorOf(n)) < 4);
    const auto all = listDivisors(factorOf(n));
    std::vector<std::string> steps{"Try 1, 2, 3, &hellip; up to &radic;" + str(n) +
                                   ": each divisor d found gives its partner " + str(n) + "/d."};
    std::string list;
    for (const auto& pair : divisorPairs(n, all))
        steps.push_back(str(n) + " = " + str(pair.small) + " &middot; " + str(pair.large));
    for (const auto& d : all)
        list += (list.empty() ? "" : ", ") + str(d);
    steps.push_back("All the divisors: " + list + ".");
    return kit::makeExercise("divisor-list", "List all the divisors of " + str(n) + ".",
                             "the numbers separated by commas, in any order", list,
                             kit::expectIntegerList(all, false), std::move(steps));
}

Exercise lcmExercise(kit::Seed seed) {
    Random random(seed);
    const auto [a, b] = pairWithGcd(random, 12, 20);
    const EuclidRun run = euclid(a, b);
    const mpz_class l = leastCommonMultiple(a, b);
    std::vector<std::string> steps = euclidSteps(run);
    steps.push_back("gcd &middot; lcm = a &middot; b, because the gcd takes the smaller and the "
                    "lcm the larger power of every prime.");
    steps.push_back("lcm(" + str(a) + ", " + str(b) + ") = " + str(a) + " &middot; " + str(b) +
                    " / " + str(run.gcd) + " = " + str(l) + ".");
    return kit::makeExercise("lcm",
                             "Find the least common multiple lcm(" + str(a) + ", " + str(b) + ").",
                             "a whole number", str(l), kit::expectInteger(l), std::move(steps));
}

std::function<kit::Verdict(std::string_view)> expectBezoutPair(mpz_class a, mpz_class b) {
    const mpz_class g = gcd(a, b);
    return [a, b, g](std::string_view typed) -> kit::Verdict {
        const auto pair = kit::parseIntegerList(typed);
        if (!pair.ok())
            return {false, pair.error().message};
        if (pair.value().size() != 2)
            return {false, "type two numbers x and y, separated by a comma"};
        const mpz_class& x = pair.value()[0];
        const mpz_class& y = pair.value()[1];
        const mpz_class value = a * x + b * y;
        if (value == g)
            return {true, kit::correctMessage};
        return {false, str(a) + " \u00b7 " + str(x) + " + " + str(b) + " \u00b7 " +
                           (y < 0 ? "(" + str(y) + ")" : str(y)) + " = " + str(value) + ", not " +
                           str(g)};
    };
}

Exercise bezoutExercise(kit::Seed seed) {
    Random random(seed);
    const auto [a, b] = pairWithGcd(random, 9, 25);
    const EuclidRun run = euclid(a, b);
    std::vector<std::string> steps = euclidSteps(run);
    steps.push_back("Keep each remainder as a combination of " + str(a) + " and " + str(b) +
                    ", working down the lines:");
    for (const auto& line : run.lines)
        if (line.r != 0)
            steps.push_back(str(line.r) + " = " + str(line.a) + " &minus; " + str(line.q) +
                            " &middot; " + str(line.b) + " = " + str(line.s) + " &middot; " +
                            str(a) + " + " + (line.t < 0 ? "(" + str(line.t) + ")" : str(line.t)) +
                            " &middot; " + str(b));
    steps.push_back("So " + str(run.gcd) + " = " + str(a) + " &middot; " +
                    (run.x < 0 ? "(" + str(run.x) + ")" : str(run.x)) + " + " + str(b) +
                    " &middot; " + (run.y < 0 ? "(" + str(run.y) + ")" : str(run.y)) +
                    ". Other pairs work too: add " + str(b / run.gcd) + " to x and take " +
                    str(a / run.gcd) + " from y.");
    return kit::makeExercise("bezout",
                             "Find whole numbers x and y with " + str(a) + "x + " + str(b) +
                                 "y = gcd(" + str(a) + ", " + str(b) + ").",
                             "x and y separated by a comma, for example 3, -2",
                             str(run.x) + ", " + str(run.y), expectBezoutPair(a, b),
                             std::move(steps));
}

Exercise coprimeExercise(kit::Seed seed) {
    Random random(seed);
    mpz_class a, b;
    if (random.chance(0.5)) {
        const auto pair = pairWithGcd(random, 1, 60);
        a = pair.first;
        b = pair.second;
    } else {
        const auto pair = pairWithGcd(random, 12, 15);
        a = pair.first;
        b = pair.second;
    }
    const EuclidRun run = euclid(a, b);
    const bool coprime = run.gcd == 1;
    std::vector<std::string> steps = euclidSteps(run);
    steps.push_back(coprime ? "The only common divisor is 1, so " + str(a) + " and " + str(b) +
                                  " are relatively prime."
                            : str(run.gcd) + " divides both, so " + str(a) + " and " + str(b) +
                                  " are not relatively prime.");
    return kit::makeExercise("coprime",
                             "Are " + str(a) + " and " + str(b) +
                                 " relatively prime (is their only common "
                                 "divisor 1)?",
                             "yes or no", coprime ? "yes" : "no",
                             kit::expectChoice(coprime ? std::vector<std::string>{"yes", "y"}
                                                       : std::vector<std::string>{"no", "n"}),
                             std::move(steps));
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {
        {"gcd-euclid", "Greatest common factor by Euclid", gcdExercise},
        {"factorise", "Prime factorisation", factorizeExercise},
        {"divisor-count", "Number of divisors", divisorCountExercise},
        {"divisor-sum", "Sum of divisors", divisorSumExercise},
        {"divisor-list", "All the divisors of n", divisorListExercise},
        {"lcm", "Least common multiple", lcmExercise},
        {"bezout", "B\u00e9zout's coefficients", bezoutExercise},
        {"coprime", "Relatively prime?", coprimeExercise},
    };
}

} // namespace divisors
