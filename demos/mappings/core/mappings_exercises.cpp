#include "mappings/core/mappings_exercises.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"
#include "mappings/core/function_map.h"
#include "mappings/core/operation_table.h"
#include "mappings/core/pair_input.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace mappings {

namespace {

const char* const notYet = "Not correct yet. Try again, or show the solution step by step.";

std::string setText(int n) {
    return "A = {1, ..., " + std::to_string(n) + "}";
}

Relation randomRelation(kit::Random& random, int size, int pairs) {
    Relation r(size);
    while (r.pairCount() < pairs)
        r.set(static_cast<int>(random.between(1, size)), static_cast<int>(random.between(1, size)),
              true);
    return r;
}

std::string letterOf(bool holds, char letter) {
    return holds ? std::string(1, letter) : std::string();
}

std::string truePropertyLetters(const Relation& r) {
    std::string letters =
        letterOf(!reflexiveFailure(r), 'R') + letterOf(!symmetricFailure(r), 'S') +
        letterOf(!antisymmetricFailure(r), 'A') + letterOf(!transitiveFailure(r), 'T');
    return letters;
}

std::string spacedLetters(const std::string& letters) {
    if (letters.empty())
        return "none";
    std::string text;
    for (char c : letters)
        text += (text.empty() ? "" : ", ") + std::string(1, c);
    return text;
}

std::string propertyStep(const char* name, const std::optional<Counterexample>& failure,
                         const char* holdsBecause) {
    return std::string("<b>") + name + ":</b> " +
           (failure ? "no, " + failure->reason + "." : std::string("yes, ") + holdsBecause + ".");
}

kit::Exercise relationPropertiesExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int n = static_cast<int>(random.between(3, 4));
    Relation r = randomRelation(random, n, static_cast<int>(random.between(2, n * 2)));
    if (random.chance(0.4))
        r = reflexiveClosure(r);
    if (random.chance(0.3))
        r = symmetricClosure(r);
    if (random.chance(0.3))
        r = transitiveClosure(r);
    const std::string letters = truePropertyLetters(r);
    kit::Exercise e;
    e.kind = "relation-properties";
    e.prompt = "R = " + r.pairsText() + " is a relation on " + setText(n) +
               ". Which of the properties reflexive (R), symmetric (S), antisymmetric (A) and "
               "transitive (T) does it have?";
    e.answerHint = "the letters of the properties, e.g. R, T (or none)";
    e.expectedAnswer = spacedLetters(letters);
    e.check = [letters](std::string_view typed) { return checkPropertyLetters(letters, typed); };
    e.solutionSteps = {
        propertyStep("Reflexive", reflexiveFailure(r), "every (a,a) is in R"),
        propertyStep("Symmetric", symmetricFailure(r), "every pair appears with its reverse"),
        propertyStep("Antisymmetric", antisymmetricFailure(r),
                     "no two different elements are related both ways"),
        propertyStep("Transitive", transitiveFailure(r),
                     "whenever (a,b) and (b,c) are in R, so is (a,c)"),
        "So the properties are: <b>" + spacedLetters(letters) + "</b>."};
    return e;
}

kit::Exercise transitiveClosureExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int n = 4;
    Relation r(n);
    do
        r = randomRelation(random, n, static_cast<int>(random.between(3, 4)));
    while (!transitiveFailure(r) || transitiveClosure(r).pairCount() > 12);
    const Relation closure = transitiveClosure(r);
    kit::Exercise e;
    e.kind = "transitive-closure";
    e.prompt = "R = " + r.pairsText() + " is a relation on " + setText(n) +
               ". Type the transitive closure of R: the smallest transitive relation that "
               "contains R.";
    e.answerHint = "pairs such as (1,2), (2,3)";
    e.expectedAnswer = closure.pairsText();
    e.check = [closure](std::string_view typed) { return checkPairs(closure, typed); };
    e.solutionSteps.push_back(
        "Look for pairs (a,b) and (b,c) in the relation whose shortcut (a,c) is missing, add "
        "the shortcut, and repeat until nothing is missing.");
    Relation growing = r;
    while (const auto failure = transitiveFailure(growing)) {
        const auto& t = failure->elements;
        growing.set(t[0], t[2], true);
        e.solutionSteps.push_back(failure->reason + ": add (" + std::to_string(t[0]) + "," +
                                  std::to_string(t[2]) + ").");
    }
    e.solutionSteps.push_back("Nothing is missing any more, so the transitive closure is " +
                              closure.pairsText() + ".");
    return e;
}

std::vector<std::vector<int>> randomPartition(kit::Random& random, int n) {
    const int blocks = static_cast<int>(random.between(2, 3));
    std::vector<std::vector<int>> partition(static_cast<std::size_t>(blocks));
    std::vector<int> elements(static_cast<std::size_t>(n));
    std::iota(elements.begin(), elements.end(), 1);
    for (int i = n - 1; i > 0; --i)
        std::swap(elements[static_cast<std::size_t>(i)],
                  elements[static_cast<std::size_t>(random.between(0, i))]);
    for (int i = 0; i < n; ++i)
        partition[static_cast<std::size_t>(i < blocks ? i : random.between(0, blocks - 1))]
            .push_back(elements[static_cast<std::size_t>(i)]);
    for (auto& block : partition)
        std::sort(block.begin(), block.end());
    std::sort(partition.begin(), partition.end());
    return partition;
}

std::string listText(const std::vector<int>& values) {
    std::string text;
    for (int v : values)
        text += (text.empty() ? "" : ", ") + std::to_string(v);
    return text;
}

std::vector<mpz_class> asIntegers(const std::vector<int>& values) {
    return {values.begin(), values.end()};
}

// A list of elements, with or without set braces; an empty place between commas is refused
// rather than skipped.
kit::AnswerCheck expectElements(const std::vector<int>& values, bool ordered) {
    return [check = kit::expectIntegerList(asIntegers(values), ordered)](std::string_view typed) {
        std::string text(typed);
        const auto first = text.find_first_not_of(" \t");
        const auto last = text.find_last_not_of(" \t");
        if (first != std::string::npos && text[first] == '{' && text[last] == '}' && last > first)
            text = text.substr(first + 1, last - first - 1);
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = text.find(',', start);
            const std::string item = text.substr(start, comma - start);
            const bool empty = item.find_first_not_of(" \t") == std::string::npos;
            if (empty && comma != std::string::npos)
                return kit::Verdict{false, "an element is missing before the comma at " +
                                               std::to_string(comma + 1)};
            if (empty && start > 0)
                return kit::Verdict{false, "an element is missing after the last comma"};
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
        return check(text);
    };
}

kit::Exercise equivalenceClassExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int n = 5;
    const auto partition = randomPartition(random, n);
    const Relation r = relationOfPartition(n, partition);
    const int a = static_cast<int>(random.between(1, n));
    std::vector<int> related;
    for (int b = 1; b <= n; ++b)
        if (r.holds(a, b))
            related.push_back(b);
    kit::Exercise e;
    e.kind = "equivalence-class";
    e.prompt = "The equivalence relation R on " + setText(n) + " is " + r.pairsText() +
               ". Type the equivalence class [" + std::to_string(a) + "].";
    e.answerHint = "the elements of the class, e.g. 1, 4";
    e.expectedAnswer = listText(related);
    e.check = expectElements(related, false);
    e.solutionSteps = {"[" + std::to_string(a) + "] is the set of all b with (" +
                           std::to_string(a) + ",b) in R: read the pairs that start with " +
                           std::to_string(a) + ".",
                       "They are the pairs with second elements " + listText(related) +
                           " (reflexivity puts " + std::to_string(a) + " in its own class).",
                       "So [" + std::to_string(a) + "] = {" + listText(related) +
                           "}. The classes together form the partition " +
                           partitionText(equivalenceClasses(r)) + "."};
    return e;
}

FunctionMap randomFunction(kit::Random& random, int domain, int codomain) {
    FunctionMap f{codomain, {}};
    for (int a = 1; a <= domain; ++a)
        f.image.push_back(static_cast<int>(random.between(1, codomain)));
    return f;
}

kit::Exercise compositionExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int n = static_cast<int>(random.between(3, 5));
    const int m = static_cast<int>(random.between(3, 5));
    const FunctionMap f = randomFunction(random, n, m);
    const FunctionMap g = randomFunction(random, m, n);
    const FunctionMap gf = *compose(g, f);
    kit::Exercise e;
    e.kind = "composition";
    e.prompt = "f maps A = {1, ..., " + std::to_string(n) + "} to B = {1, ..., " +
               std::to_string(m) + "} by " + valuesText(f, "f") + ", and g maps B to A by " +
               valuesText(g, "g") +
               ". Type the values of g &#8728; f, that is (g &#8728; f)(1), "
               "..., (g &#8728; f)(" +
               std::to_string(n) + ").";
    e.answerHint = "the values in order, e.g. 2, 1, 3";
    e.expectedAnswer = listText(gf.image);
    e.check = expectElements(gf.image, true);
    e.solutionSteps.push_back("(g &#8728; f)(a) = g(f(a)): apply f first, then g to the result.");
    for (int a = 1; a <= n; ++a)
        e.solutionSteps.push_back("(g &#8728; f)(" + std::to_string(a) + ") = g(f(" +
                                  std::to_string(a) + ")) = g(" + std::to_string(f(a)) +
                                  ") = " + std::to_string(gf(a)));
    return e;
}

// Addition modulo n with its elements renamed by a shuffle, so the identity is not always 1.
OperationTable shuffledGroup(kit::Random& random, int n, std::vector<int>& nameOf) {
    nameOf.resize(static_cast<std::size_t>(n));
    std::iota(nameOf.begin(), nameOf.end(), 1);
    for (int i = n - 1; i > 0; --i)
        std::swap(nameOf[static_cast<std::size_t>(i)],
                  nameOf[static_cast<std::size_t>(random.between(0, i))]);
    OperationTable t(n);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            t.setEntry(nameOf[static_cast<std::size_t>(x)], nameOf[static_cast<std::size_t>(y)],
                       nameOf[static_cast<std::size_t>((x + y) % n)]);
    return t;
}

std::string tableHtml(const OperationTable& t) {
    std::string html = "<table border=\"1\" cellpadding=\"3\"><tr><th>*</th>";
    for (int b = 1; b <= t.size(); ++b)
        html += "<th>" + std::to_string(b) + "</th>";
    html += "</tr>";
    for (int a = 1; a <= t.size(); ++a) {
        html += "<tr><th>" + std::to_string(a) + "</th>";
        for (int b = 1; b <= t.size(); ++b)
            html += "<td>" + std::to_string(t.entry(a, b)) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

kit::Exercise groupInverseExercise(kit::Seed seed) {
    kit::Random random(seed);
    const int n = static_cast<int>(random.between(4, 6));
    std::vector<int> nameOf;
    const OperationTable t = shuffledGroup(random, n, nameOf);
    const int identity = *identityElement(t);
    int a = identity;
    while (a == identity)
        a = static_cast<int>(random.between(1, n));
    const int inverse = *inverseOf(t, a, identity);
    kit::Exercise e;
    e.kind = "group-inverse";
    e.prompt = "The table shows a group operation * on S = {1, ..., " + std::to_string(n) +
               "}. Find the inverse of " + std::to_string(a) + "." + tableHtml(t);
    e.answerHint = "an element of S";
    e.expectedAnswer = std::to_string(inverse);
    e.check = kit::expectInteger(inverse);
    e.solutionSteps = {
        "First find the identity e: the row of e repeats the column headings and its column "
        "repeats the row headings. Here e = " +
            std::to_string(identity) + ".",
        "The inverse of " + std::to_string(a) + " is the b with " + std::to_string(a) +
            " * b = e: look along row " + std::to_string(a) + " for the entry " +
            std::to_string(identity) + ". It stands in column " + std::to_string(inverse) + ".",
        "Check the other order as well: " + std::to_string(inverse) + " * " + std::to_string(a) +
            " = " + std::to_string(t.entry(inverse, a)) + " = e. So the inverse is " +
            std::to_string(inverse) + "."};
    return e;
}

} // namespace

kit::Verdict checkPairs(const Relation& expected, std::string_view typed) {
    try {
        const auto parsed = parsePairs(typed, expected.size());
        if (!parsed.ok())
            return {false, parsed.error().message};
        const Relation& given = parsed.value();
        if (given == expected)
            return {true, kit::correctMessage};
        for (int a = 1; a <= expected.size(); ++a)
            for (int b = 1; b <= expected.size(); ++b)
                if (given.holds(a, b) && !expected.holds(a, b))
                    return {false, "(" + std::to_string(a) + "," + std::to_string(b) +
                                       ") does not belong to the answer."};
        return {false, "Some pairs are still missing (" + std::to_string(given.pairCount()) +
                           " typed, " + std::to_string(expected.pairCount()) + " needed)."};
    } catch (const std::exception&) {
        return {false, "That could not be read as pairs."};
    }
}

kit::Verdict checkPropertyLetters(const std::string& expectedLetters, std::string_view typed) {
    std::string letters;
    bool none = false;
    std::string word;
    for (std::size_t i = 0; i <= typed.size(); ++i) {
        const char c = i < typed.size() ? typed[i] : ' ';
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            continue;
        }
        if (!word.empty()) {
            if (word == "NONE")
                none = true;
            else if (word.size() == 1 && std::string("RSAT").find(word) != std::string::npos)
                letters += word;
            else
                return {false, "\"" + word + "\" is not one of the letters R, S, A, T."};
            word.clear();
        }
        if (i < typed.size() && c != ',' && !std::isspace(static_cast<unsigned char>(c)))
            return {false, std::string("unexpected '") + c + "': type letters separated by commas"};
    }
    if (letters.empty() && !none)
        return {false, "Type the letters of the properties, or none."};
    if (none && !letters.empty())
        return {false, "none cannot stand beside property letters."};
    std::string sorted;
    for (char c : std::string("RSAT"))
        if (letters.find(c) != std::string::npos)
            sorted += c;
    if (sorted == expectedLetters)
        return {true, kit::correctMessage};
    for (char c : sorted)
        if (expectedLetters.find(c) == std::string::npos)
            return {false, std::string(1, c) + " does not hold: look for a counterexample."};
    return {false, notYet};
}

kit::ExerciseKind relationPropertiesKind() {
    return {"relation-properties", "Properties of a relation", relationPropertiesExercise};
}
kit::ExerciseKind transitiveClosureKind() {
    return {"transitive-closure", "Transitive closure", transitiveClosureExercise};
}
kit::ExerciseKind equivalenceClassKind() {
    return {"equivalence-class", "Equivalence class", equivalenceClassExercise};
}
kit::ExerciseKind compositionKind() {
    return {"composition", "Composition of functions", compositionExercise};
}
kit::ExerciseKind groupInverseKind() {
    return {"group-inverse", "Inverse in a group table", groupInverseExercise};
}

std::vector<kit::ExerciseKind> mappingsExerciseKinds() {
    return {relationPropertiesKind(), transitiveClosureKind(), equivalenceClassKind(),
            compositionKind(), groupInverseKind()};
}

} // namespace mappings
