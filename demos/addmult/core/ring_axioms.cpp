#include "addmult/core/ring_axioms.h"

#include "addmult/core/special_elements.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace addmult {

namespace {

using Triple = std::function<std::optional<std::string>(int, int, int)>;

// Runs the test over every triple (a, b, c) in order; the first failure is the counterexample.
AxiomCheck overTriples(const FiniteRing& ring, std::string name, std::string law, int arity,
                       const Triple& test) {
    AxiomCheck check{std::move(name), std::move(law), true, {}};
    const int k = ring.size();
    const int kb = arity >= 2 ? k : 1, kc = arity >= 3 ? k : 1;
    for (int a = 0; a < k; ++a)
        for (int b = 0; b < kb; ++b)
            for (int c = 0; c < kc; ++c)
                if (auto broken = test(a, b, c)) {
                    check.holds = false;
                    check.counterexample = *broken;
                    return check;
                }
    return check;
}

std::string equalityBroken(const std::string& left, const std::string& leftValue,
                           const std::string& right, const std::string& rightValue) {
    return left + " = " + leftValue + " but " + right + " = " + rightValue;
}

AxiomCheck additiveIdentity(const FiniteRing& ring, std::optional<int> zero) {
    AxiomCheck check{"There is a zero", "z + a = a + z = a for every a", zero.has_value(), {}};
    if (zero)
        return check;
    // Say why each candidate fails: the first a it does not leave alone.
    std::string reasons;
    const auto& n = ring.elements;
    for (int z = 0; z < ring.size(); ++z)
        for (int a = 0; a < ring.size(); ++a) {
            const int left = ring.sum(z, a), right = ring.sum(a, z);
            if (left != a || right != a) {
                reasons += (reasons.empty() ? "" : "; ") +
                           (left != a ? n[z] + " + " + n[a] + " = " + n[left]
                                      : n[a] + " + " + n[z] + " = " + n[right]);
                break;
            }
        }
    check.counterexample = "no element works as the zero: " + reasons;
    return check;
}

AxiomCheck additiveInverses(const FiniteRing& ring, std::optional<int> zero) {
    AxiomCheck check{"Every element has a negative", "a + (-a) = (-a) + a = 0", true, {}};
    if (!zero) {
        check.holds = false;
        check.counterexample = "without a zero there is nothing for a + (-a) to equal";
        return check;
    }
    for (int a = 0; a < ring.size(); ++a) {
        bool found = false;
        for (int b = 0; b < ring.size() && !found; ++b)
            found = ring.sum(a, b) == *zero && ring.sum(b, a) == *zero;
        if (!found) {
            check.holds = false;
            check.counterexample = ring.elements[a] + " has no negative: no b gives " +
                                   ring.elements[a] + " + b = b + " + ring.elements[a] + " = " +
                                   ring.elements[*zero];
            return check;
        }
    }
    return check;
}

} // namespace

std::vector<AxiomCheck> checkRingAxioms(const FiniteRing& ring) {
    const auto& n = ring.elements;
    const auto zero = findSpecialElements(ring).zero;
    std::vector<AxiomCheck> checks;
    checks.push_back(
        overTriples(ring, "Addition is associative", "(a + b) + c = a + (b + c)", 3,
                    [&](int a, int b, int c) -> std::optional<std::string> {
                        const int l = ring.sum(ring.sum(a, b), c), r = ring.sum(a, ring.sum(b, c));
                        if (l == r)
                            return std::nullopt;
                        return equalityBroken("(" + n[a] + " + " + n[b] + ") + " + n[c], n[l],
                                              n[a] + " + (" + n[b] + " + " + n[c] + ")", n[r]);
                    }));
    checks.push_back(overTriples(ring, "Addition is commutative", "a + b = b + a", 2,
                                 [&](int a, int b, int) -> std::optional<std::string> {
                                     const int l = ring.sum(a, b), r = ring.sum(b, a);
                                     if (l == r)
                                         return std::nullopt;
                                     return equalityBroken(n[a] + " + " + n[b], n[l],
                                                           n[b] + " + " + n[a], n[r]);
                                 }));
    checks.push_back(additiveIdentity(ring, zero));
    checks.push_back(additiveInverses(ring, zero));
    checks.push_back(overTriples(ring, "Multiplication is associative", "(a b) c = a (b c)", 3,
                                 [&](int a, int b, int c) -> std::optional<std::string> {
                                     const int l = ring.product(ring.product(a, b), c),
                                               r = ring.product(a, ring.product(b, c));
                                     if (l == r)
                                         return std::nullopt;
                                     return equalityBroken(
                                         "(" + n[a] + " \u00b7 " + n[b] + ") \u00b7 " + n[c], n[l],
                                         n[a] + " \u00b7 (" + n[b] + " \u00b7 " + n[c] + ")", n[r]);
                                 }));
    checks.push_back(overTriples(
        ring, "Left distributive law", "a (b + c) = a b + a c", 3,
        [&](int a, int b, int c) -> std::optional<std::string> {
            const int l = ring.product(a, ring.sum(b, c)),
                      r = ring.sum(ring.product(a, b), ring.product(a, c));
            if (l == r)
                return std::nullopt;
            return equalityBroken(n[a] + " \u00b7 (" + n[b] + " + " + n[c] + ")", n[l],
                                  n[a] + " \u00b7 " + n[b] + " + " + n[a] + " \u00b7 " + n[c],
                                  n[r]);
        }));
    checks.push_back(overTriples(
        ring, "Right distributive law", "(a + b) c = a c + b c", 3,
        [&](int a, int b, int c) -> std::optional<std::string> {
            const int l = ring.product(ring.sum(a, b), c),
                      r = ring.sum(ring.product(a, c), ring.product(b, c));
            if (l == r)
                return std::nullopt;
            return equalityBroken("(" + n[a] + " + " + n[b] + ") \u00b7 " + n[c], n[l],
                                  n[a] + " \u00b7 " + n[c] + " + " + n[b] + " \u00b7 " + n[c],
                                  n[r]);
        }));
    return checks;
}

std::vector<AxiomCheck> checkExtraProperties(const FiniteRing& ring) {
    const auto& n = ring.elements;
    std::vector<AxiomCheck> checks;
    checks.push_back(overTriples(
        ring, "Multiplication is commutative (a commutative ring)", "a b = b a", 2,
        [&](int a, int b, int) -> std::optional<std::string> {
            const int l = ring.product(a, b), r = ring.product(b, a);
            if (l == r)
                return std::nullopt;
            return equalityBroken(n[a] + " \u00b7 " + n[b], n[l], n[b] + " \u00b7 " + n[a], n[r]);
        }));
    const auto unity = findSpecialElements(ring).unity;
    AxiomCheck hasUnity{
        "There is a unity (a ring with unity)", "u a = a u = a for every a", unity.has_value(), {}};
    if (!unity)
        hasUnity.counterexample = "no element u other than the zero leaves every a alone";
    checks.push_back(hasUnity);
    return checks;
}

bool isRing(const FiniteRing& ring) {
    const auto checks = checkRingAxioms(ring);
    return std::all_of(checks.begin(), checks.end(), [](const AxiomCheck& c) { return c.holds; });
}

} // namespace addmult
