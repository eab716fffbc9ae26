#include "collections/core/collections_exercises.h"

#include "collections/core/set_expression.h"
#include "collections/core/set_family.h"
#include "collections/core/subsets.h"

#include <algorithm>
#include <exception>

namespace collections {
namespace {

std::string counted(std::size_t n, const std::string& word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

Elements randomSubset(kit::Random& random, const Elements& universe, double chance) {
    Elements subset;
    for (long element : universe)
        if (random.chance(chance))
            subset.insert(element);
    return subset;
}

Elements range(long first, long last) {
    Elements elements;
    for (long e = first; e <= last; ++e)
        elements.insert(e);
    return elements;
}

std::string familyText(const SetFamily& family) {
    std::string text = "U = " + rosterText(family.universe);
    for (std::size_t set = 0; set < family.sets.size(); ++set)
        text += ", " + setName(static_cast<int>(set)) + " = " + rosterText(family.sets[set]);
    return text;
}

SetFamily randomFamily(kit::Random& random, int setCount) {
    SetFamily family;
    family.universe = range(1, random.between(8, 12));
    for (int set = 0; set < setCount; ++set)
        family.sets.push_back(randomSubset(random, family.universe, 0.45));
    return family;
}

const std::vector<std::string> twoSetExpressions{
    "A u B",   "A n B",    "A'",     "(A u B)'", "(A n B)'",
    "A' n B'", "A' u B",   "A \\ B", "B - A",    "(A \\ B) u (B \\ A)",
    "A n B'",  "(A' u B)'"};
const std::vector<std::string> threeSetExpressions{
    "(A u B) n C'", "A n (B u C)",  "(A n B) u C",        "A \\ (B u C)",
    "(A n B n C)'", "(A u B u C)'", "A' n B' n C",        "(A n B) u (A n C)",
    "(A u C) \\ B", "A n B' n C'",  "(A \\ B) u (B n C)", "(A u B)' u C"};

// Worked steps: the sets, then each operation of the expression with its elements.
std::vector<std::string> expressionSteps(const SetFamily& family, const SetExpression& parsed) {
    std::vector<std::string> steps{"Start from " + familyText(family) + "."};
    for (const ExpressionStep& step : parsed.steps) {
        std::string line = step.text + " = " + rosterText(elementsIn(family, step.regions));
        if (step.text.ends_with("\u2032"))
            line += " (the elements of U not in the set before the \u2032)";
        steps.push_back(line);
    }
    if (parsed.steps.empty())
        steps.push_back(parsed.text + " is one of the given sets.");
    return steps;
}

// True when the expression applies the complement only to single sets, as De Morgan's laws
// leave it.
bool complementsOnlySingleSets(const SetExpression& parsed) {
    return std::none_of(parsed.steps.begin(), parsed.steps.end(), [](const ExpressionStep& s) {
        return s.text.ends_with("\u2032") && s.text.starts_with("(");
    });
}

kit::AnswerCheck expectEquivalentExpression(RegionMask regions, int setCount) {
    return [regions, setCount](std::string_view typed) {
        try {
            const auto parsed = parseSetExpression(typed, setCount);
            if (!parsed.ok())
                return kit::Verdict{false, parsed.error().message};
            if (parsed.value().regions != regions)
                return kit::Verdict{false, parsed.value().text +
                                               " shades other regions: compare the diagrams "
                                               "region by region."};
            if (!complementsOnlySingleSets(parsed.value()))
                return kit::Verdict{false, parsed.value().text +
                                               " is the same set, but a complement still stands "
                                               "on a bracket: apply De Morgan's law to it."};
            return kit::Verdict{true, kit::correctMessage};
        } catch (const std::exception& error) {
            return kit::Verdict{false,
                                std::string("That answer could not be checked: ") + error.what()};
        }
    };
}

} // namespace

kit::AnswerCheck expectRoster(Elements expected) {
    return [expected = std::move(expected)](std::string_view typed) {
        try {
            const auto parsed = parseRoster(typed);
            if (!parsed.ok())
                return kit::Verdict{false, parsed.error().message};
            const Elements& given = parsed.value();
            if (given == expected)
                return kit::Verdict{true, kit::correctMessage};
            std::size_t missing = 0;
            for (long e : expected)
                missing += given.count(e) ? 0 : 1;
            std::size_t extra = 0;
            for (long e : given)
                extra += expected.count(e) ? 0 : 1;
            std::string message = "Not correct yet:";
            if (missing)
                message += " " + counted(missing, "element") + " missing";
            if (missing && extra)
                message += " and";
            if (extra)
                message += " " + counted(extra, "element") + " that " +
                           (extra == 1 ? "does" : "do") + " not belong";
            return kit::Verdict{false, message + "."};
        } catch (const std::exception& error) {
            return kit::Verdict{false,
                                std::string("That answer could not be checked: ") + error.what()};
        }
    };
}

kit::Exercise setExpressionExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int setCount = random.chance(0.4) ? 2 : 3;
    const SetFamily family = randomFamily(random, setCount);
    const std::string typed = random.pick(setCount == 2 ? twoSetExpressions : threeSetExpressions);
    const SetExpression parsed = parseSetExpression(typed, setCount).value();
    const Elements answer = elementsIn(family, parsed.regions);
    kit::Exercise exercise;
    exercise.kind = "set-expression";
    exercise.prompt = familyText(family) + ". List the elements of <b>" + parsed.text + "</b>.";
    exercise.answerHint = "a roster such as {1, 4, 7}, or {} for the empty set";
    exercise.expectedAnswer = answer.empty() ? "{}" : rosterText(answer);
    exercise.check = expectRoster(answer);
    exercise.solutionSteps = expressionSteps(family, parsed);
    exercise.solutionSteps.push_back("So " + parsed.text + " = " + rosterText(answer) + ".");
    return exercise;
}

kit::Exercise deMorganExercise(kit::Seed seed) {
    kit::Random random(seed);
    // (X op Y op ...)′ with literals X, Y, ... distinct sets, some of them complemented.
    std::vector<int> sets{0, 1, 2};
    const auto literalCount = static_cast<std::size_t>(random.between(2, 3));
    for (std::size_t i = 0; i + 1 < sets.size(); ++i)
        std::swap(sets[i],
                  sets[static_cast<std::size_t>(random.between(static_cast<std::int64_t>(i), 2))]);
    sets.resize(literalCount);
    const bool isUnion = random.chance(0.5);
    const std::string op = isUnion ? " u " : " n ";
    const std::string dualOp = isUnion ? " n " : " u ";
    std::string inner;
    std::string answerText;
    std::string reasons;
    int setCount = 2;
    for (int set : sets) {
        const bool primed = random.chance(0.35);
        const std::string name = setName(set);
        inner += (inner.empty() ? "" : op) + name + (primed ? "'" : "");
        answerText += (answerText.empty() ? "" : dualOp) + name + (primed ? "" : "'");
        if (primed)
            reasons += ", and " + name + "\u2032\u2032 = " + name;
        if (set == 2)
            setCount = 3;
    }
    const std::string typed = "(" + inner + ")'";
    const SetExpression question = parseSetExpression(typed, setCount).value();
    const SetExpression answer = parseSetExpression(answerText, setCount).value();
    const std::string law = isUnion ? "(X \u222a Y)\u2032 = X\u2032 \u2229 Y\u2032"
                                    : "(X \u2229 Y)\u2032 = X\u2032 \u222a Y\u2032";
    kit::Exercise exercise;
    exercise.kind = "de-morgan";
    exercise.prompt = "Use De Morgan's laws to write <b>" + question.text +
                      "</b> so that the complement \u2032 stands on single sets only.";
    exercise.answerHint =
        "a set expression, e.g. A' n B (u for \u222a, n for \u2229, ' for \u2032)";
    exercise.expectedAnswer = answerText;
    exercise.check = expectEquivalentExpression(question.regions, setCount);
    exercise.solutionSteps = {
        "De Morgan: the complement of a union is the intersection of the complements, and the "
        "complement of an intersection is the union of the complements.",
        "Here " + law +
            (literalCount == 3 ? ", used twice (first with Y the last set, then on the rest)"
                               : "") +
            ": every " + (isUnion ? "\u222a becomes \u2229" : "\u2229 becomes \u222a") +
            " and every set gets a \u2032" + reasons + ".",
        question.text + " = " + answer.text +
            ": both shade the same regions of the Venn diagram (try them in the explore area)."};
    return exercise;
}

kit::Exercise inclusionExclusionExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int setCount = random.chance(0.5) ? 2 : 3;
    SetFamily family;
    family.universe = range(1, 60);
    for (int set = 0; set < setCount; ++set)
        family.sets.push_back(randomSubset(random, family.universe, 0.3));
    std::vector<std::string> givens;
    const auto size = [&](const std::string& name, unsigned choice) {
        long count = 0;
        for (long e : family.universe)
            if ((static_cast<unsigned>(regionOf(family, e)) & choice) == choice)
                ++count;
        givens.push_back("|" + name + "| = " + std::to_string(count));
    };
    const std::string cap = " \u2229 ";
    size("A", 1);
    size("B", 2);
    if (setCount == 3)
        size("C", 4);
    size("A" + cap + "B", 3);
    if (setCount == 3) {
        size("A" + cap + "C", 5);
        size("B" + cap + "C", 6);
        size("A" + cap + "B" + cap + "C", 7);
    }
    std::string given;
    for (const auto& g : givens)
        given += (given.empty() ? "" : ", ") + g;
    const long answer = inclusionExclusionCount(family);
    const std::string unionText = setCount == 2 ? "A \u222a B" : "A \u222a B \u222a C";
    kit::Exercise exercise;
    exercise.kind = "inclusion-exclusion";
    exercise.prompt = "Given " + given + ", how many elements has <b>" + unionText + "</b>?";
    exercise.answerHint = "a whole number";
    exercise.expectedAnswer = std::to_string(answer);
    exercise.check = kit::expectInteger(mpz_class(answer));
    exercise.solutionSteps = {
        setCount == 2 ? "Adding |A| and |B| counts the elements of A \u2229 B twice, so take "
                        "them away once."
                      : "Adding |A|, |B| and |C| counts the elements in two sets twice and those "
                        "in all three three times; taking away the pairwise intersections "
                        "removes the triple ones three times, so add |A \u2229 B \u2229 C| back.",
        inclusionExclusionText(family) + "."};
    return exercise;
}

kit::Exercise powerSetExercise(kit::Seed seed) {
    kit::Random random(seed);
    const long n = random.between(2, 7);
    Elements s;
    while (static_cast<long>(s.size()) < n)
        s.insert(random.between(1, 30));
    const int question = static_cast<int>(random.between(0, 2));
    const long k = random.between(1, n - 1);
    const mpz_class all = mpz_class(1) << static_cast<unsigned long>(n);
    kit::Exercise exercise;
    exercise.kind = "power-set";
    exercise.answerHint = "a whole number";
    exercise.solutionSteps.push_back("Making a subset is " + std::to_string(n) +
                                     " yes-or-no choices, one per element: in the subset or not.");
    mpz_class answer;
    if (question == 0) {
        answer = all;
        exercise.prompt = "How many elements has the power set P(S) of S = " + rosterText(s) + "?";
        exercise.solutionSteps.push_back("So |P(S)| = 2<sup>" + std::to_string(n) + "</sup> = " +
                                         all.get_str() + " (counting \u2205 and S itself).");
    } else if (question == 1) {
        answer = all - 1;
        exercise.prompt = "How many <i>proper</i> subsets has S = " + rosterText(s) + "?";
        exercise.solutionSteps.push_back("All subsets: 2<sup>" + std::to_string(n) +
                                         "</sup> = " + all.get_str() + ".");
        exercise.solutionSteps.push_back("A proper subset is any subset but S itself: " +
                                         all.get_str() + " \u2212 1 = " + answer.get_str() + ".");
    } else {
        answer = subsetsOfSize(static_cast<unsigned long>(n), static_cast<unsigned long>(k));
        exercise.prompt = "How many subsets with exactly " + std::to_string(k) +
                          " elements has S = " + rosterText(s) + "?";
        exercise.solutionSteps.back() = "Choose which " + std::to_string(k) + " of the " +
                                        std::to_string(n) + " elements are in the subset.";
        exercise.solutionSteps.push_back("C(" + std::to_string(n) + ", " + std::to_string(k) +
                                         ") = " + std::to_string(n) + "! / (" + std::to_string(k) +
                                         "! \u00b7 " + std::to_string(n - k) +
                                         "!) = " + answer.get_str() + ".");
    }
    exercise.expectedAnswer = answer.get_str();
    exercise.check = kit::expectInteger(answer);
    return exercise;
}

kit::Exercise cartesianProductExercise(kit::Seed seed) {
    kit::Random random(seed);
    Elements a;
    while (a.size() < static_cast<std::size_t>(random.between(2, 4)) || a.empty())
        a.insert(random.between(1, 9));
    Elements b;
    const auto bSize = static_cast<std::size_t>(random.between(2, 3));
    while (b.size() < bSize)
        b.insert(random.between(1, 9));
    const bool listPairs = random.chance(0.5);
    const auto pairs = cartesianProduct(a, b);
    kit::Exercise exercise;
    exercise.kind = "cartesian-product";
    std::string listed;
    for (const auto& pair : pairs)
        listed += (listed.empty() ? "" : ", ") + pairText(pair);
    exercise.solutionSteps.push_back(
        "A \u00d7 B is the set of ordered pairs (a, b) with a in A and b in B: each of the " +
        std::to_string(a.size()) + " first elements goes with each of the " +
        std::to_string(b.size()) + " second ones.");
    exercise.solutionSteps.push_back("A \u00d7 B = {" + listed + "}");
    if (listPairs) {
        // Ask for the second elements paired with one first element: a roster answer.
        const long first = random.pick(std::vector<long>(a.begin(), a.end()));
        exercise.prompt = "A = " + rosterText(a) + ", B = " + rosterText(b) +
                          ". Which numbers y make (" + std::to_string(first) +
                          ", y) an element of <b>A \u00d7 B</b>?";
        exercise.answerHint = "a roster such as {1, 4, 7}";
        exercise.expectedAnswer = rosterText(b);
        exercise.check = expectRoster(b);
        exercise.solutionSteps.push_back("The pairs starting with " + std::to_string(first) +
                                         " have every element of B second: y \u2208 " +
                                         rosterText(b) + ".");
    } else {
        const std::size_t count = pairs.size();
        exercise.prompt = "A = " + rosterText(a) + ", B = " + rosterText(b) +
                          ". How many elements has <b>A \u00d7 B</b>?";
        exercise.answerHint = "a whole number";
        exercise.expectedAnswer = std::to_string(count);
        exercise.check = kit::expectInteger(mpz_class(static_cast<unsigned long>(count)));
        exercise.solutionSteps.push_back(
            "|A \u00d7 B| = |A| \u00b7 |B| = " + std::to_string(a.size()) + " \u00b7 " +
            std::to_string(b.size()) + " = " + std::to_string(count) + ".");
    }
    return exercise;
}

std::vector<kit::ExerciseKind> collectionsExerciseKinds() {
    return {{"set-expression", "Elements of a set expression", setExpressionExercise},
            {"de-morgan", "De Morgan's laws", deMorganExercise},
            {"inclusion-exclusion", "Inclusion and exclusion", inclusionExclusionExercise},
            {"power-set", "Subsets and the power set", powerSetExercise},
            {"cartesian-product", "The Cartesian product", cartesianProductExercise}};
}

} // namespace collections
