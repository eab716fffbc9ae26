#include "signednumbers2/core/absolute_value_relation.h"

#include "signednumbers/core/integer_text.h"

#include <stdexcept>
#include <utility>

namespace signednumbers2 {
namespace {

using signednumbers::integerHtml;

std::string relationHtml(Relation relation) {
    switch (relation) {
    case Relation::Equal:
        return " = ";
    case Relation::Less:
        return " &lt; ";
    case Relation::LessOrEqual:
        return " &le; ";
    case Relation::Greater:
        return " &gt; ";
    case Relation::GreaterOrEqual:
        return " &ge; ";
    }
    return " = ";
}

std::string innerHtml(const AbsoluteValueProblem& p) {
    std::string text = p.a == 1 ? "x" : p.a == -1 ? "&minus;x" : integerHtml(p.a) + "x";
    if (p.b > 0)
        text += " + " + std::to_string(p.b);
    else if (p.b < 0)
        text += " &minus; " + std::to_string(-p.b);
    return text;
}

// The two x where a x + b = -c and a x + b = c, in increasing order.
std::pair<mpq_class, mpq_class> endPoints(const AbsoluteValueProblem& p) {
    mpq_class first(mpz_class(-p.c - p.b), mpz_class(p.a));
    mpq_class second(mpz_class(p.c - p.b), mpz_class(p.a));
    first.canonicalize();
    second.canonicalize();
    if (first > second)
        std::swap(first, second);
    return {first, second};
}

bool isLessKind(Relation r) {
    return r == Relation::Less || r == Relation::LessOrEqual;
}
bool includesEquality(Relation r) {
    return r == Relation::Equal || r == Relation::LessOrEqual || r == Relation::GreaterOrEqual;
}

} // namespace

std::string rationalHtml(const mpq_class& q) {
    if (q.get_den() == 1)
        return integerHtml(q.get_num());
    return (q < 0 ? "&minus;" : "") + mpz_class(abs(q.get_num())).get_str() + "/" +
           q.get_den().get_str();
}

bool satisfies(const AbsoluteValueProblem& problem, const mpq_class& x) {
    const mpq_class value = abs(mpq_class(problem.a) * x + problem.b);
    const mpq_class c(problem.c);
    switch (problem.relation) {
    case Relation::Equal:
        return value == c;
    case Relation::Less:
        return value < c;
    case Relation::LessOrEqual:
        return value <= c;
    case Relation::Greater:
        return value > c;
    case Relation::GreaterOrEqual:
        return value >= c;
    }
    return false;
}

SolutionSet solve(const AbsoluteValueProblem& problem) {
    if (problem.a == 0)
        throw std::invalid_argument("the coefficient of x must not be 0");
    SolutionSet set;
    const Relation r = problem.relation;
    if (problem.c < 0 || (problem.c == 0 && r == Relation::Less)) {
        // An absolute value is never negative.
        set.shape = isLessKind(r) || r == Relation::Equal ? SolutionSet::Shape::Empty
                                                          : SolutionSet::Shape::Everything;
        return set;
    }
    const auto [low, high] = endPoints(problem);
    if (problem.c == 0 && r == Relation::GreaterOrEqual) {
        set.shape = SolutionSet::Shape::Everything;
        return set;
    }
    if (r == Relation::Equal || (problem.c == 0 && r == Relation::LessOrEqual)) {
        set.shape = SolutionSet::Shape::Points;
        set.points.push_back(low);
        if (high != low)
            set.points.push_back(high);
        return set;
    }
    set.shape = isLessKind(r) ? SolutionSet::Shape::Between : SolutionSet::Shape::Outside;
    set.low = low;
    set.high = high;
    set.endsIncluded = includesEquality(r);
    return set;
}

bool contains(const SolutionSet& set, const mpq_class& x) {
    switch (set.shape) {
    case SolutionSet::Shape::Empty:
        return false;
    case SolutionSet::Shape::Everything:
        return true;
    case SolutionSet::Shape::Points:
        for (const auto& p : set.points)
            if (p == x)
                return true;
        return false;
    case SolutionSet::Shape::Between:
        return set.endsIncluded ? set.low <= x && x <= set.high : set.low < x && x < set.high;
    case SolutionSet::Shape::Outside:
        return set.endsIncluded ? x <= set.low || x >= set.high : x < set.low || x > set.high;
    }
    return false;
}

std::string problemHtml(const AbsoluteValueProblem& problem) {
    return "|" + innerHtml(problem) + "|" + relationHtml(problem.relation) + integerHtml(problem.c);
}

std::string solutionHtml(const SolutionSet& set) {
    const std::string lessSign = set.endsIncluded ? " &le; " : " &lt; ";
    const std::string greaterSign = set.endsIncluded ? " &ge; " : " &gt; ";
    switch (set.shape) {
    case SolutionSet::Shape::Empty:
        return "no solution";
    case SolutionSet::Shape::Everything:
        return "every real number x";
    case SolutionSet::Shape::Points:
        return set.points.size() == 1 ? "x = " + rationalHtml(set.points[0])
                                      : "x = " + rationalHtml(set.points[0]) +
                                            " or x = " + rationalHtml(set.points[1]);
    case SolutionSet::Shape::Between:
        return rationalHtml(set.low) + lessSign + "x" + lessSign + rationalHtml(set.high);
    case SolutionSet::Shape::Outside:
        return "x" + lessSign + rationalHtml(set.low) + " or x" + greaterSign +
               rationalHtml(set.high);
    }
    return "";
}

std::vector<std::string> solutionSteps(const AbsoluteValueProblem& problem) {
    std::vector<std::string> steps;
    const std::string inner = innerHtml(problem);
    const std::string c = integerHtml(problem.c);
    const Relation r = problem.relation;
    const SolutionSet set = solve(problem);
    if (problem.c < 0 || (problem.c == 0 && r != Relation::Equal && r != Relation::LessOrEqual)) {
        steps.push_back("An absolute value is never negative: |u| &ge; 0 for every u.");
        steps.push_back(problemHtml(problem) + " is therefore " +
                        (set.shape == SolutionSet::Shape::Everything ? "true for every x"
                         : set.shape == SolutionSet::Shape::Empty
                             ? "never true"
                             : "true except where " + inner + " = 0") +
                        ": " + solutionHtml(set) + ".");
        return steps;
    }
    steps.push_back("|u| is the distance of u from 0 on the number line.");
    if (problem.c == 0) {
        steps.push_back("Distance 0 means u = 0: " + inner + " = 0.");
    } else if (r == Relation::Equal) {
        steps.push_back("Distance " + c + " from 0 means u = " + c + " or u = &minus;" + c + ": " +
                        inner + " = " + c + " or " + inner + " = &minus;" + c + ".");
    } else if (isLessKind(r)) {
        steps.push_back(
            "Distance " +
            (r == Relation::Less ? std::string("less than ") : std::string("at most ")) + c +
            " from 0 means &minus;" + c + relationHtml(r) + inner + relationHtml(r) + c + ".");
    } else {
        steps.push_back(
            "Distance " +
            (r == Relation::Greater ? std::string("more than ") : std::string("at least ")) + c +
            " from 0 means " + inner + relationHtml(r) + c + " or " + inner +
            (r == Relation::Greater ? " &lt; " : " &le; ") + "&minus;" + c + ".");
    }
    const auto [low, high] = endPoints(problem);
    std::string ends = "Solve for x: subtract " + signednumbers::operandHtml(problem.b) +
                       " and divide by " + signednumbers::operandHtml(problem.a);
    if (problem.a < 0)
        ends += " (dividing by a negative number reverses the inequality signs)";
    steps.push_back(ends + "; the end points are " + rationalHtml(low) +
                    (high != low ? " and " + rationalHtml(high) : "") + ".");
    steps.push_back("Solution: " + solutionHtml(set) + ".");
    return steps;
}

} // namespace signednumbers2
