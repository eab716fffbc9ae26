#include "signednumbers2/core/ordered_domain.h"

#include "signednumbers/core/integer_text.h"

namespace signednumbers2 {
namespace {

using signednumbers::integerHtml;
using signednumbers::operandHtml;

std::string n(long value) {
    return integerHtml(value);
}
std::string o(long value) {
    return operandHtml(value);
}

// The two sides of a law, worked out separately.
bool same(long left, long right) {
    return left == right;
}

std::string compareSign(long x, long y) {
    return x < y ? " &lt; " : x == y ? " = " : " &gt; ";
}

LawInstance commutative(long a, long b) {
    return {"Commutative laws", "a + b = b + a and ab = ba",
            n(a) + " + " + o(b) + " = " + n(a + b) + " = " + n(b) + " + " + o(a) + "; " + o(a) +
                " &middot; " + o(b) + " = " + n(a * b) + " = " + o(b) + " &middot; " + o(a),
            same(a + b, b + a) && same(a * b, b * a)};
}

LawInstance associative(long a, long b, long c) {
    return {"Associative law", "(a + b) + c = a + (b + c)",
            "(" + n(a) + " + " + o(b) + ") + " + o(c) + " = " + n((a + b) + c) + " and " + n(a) +
                " + (" + n(b) + " + " + o(c) + ") = " + n(a + (b + c)),
            (a + b) + c == a + (b + c)};
}

LawInstance distributive(long a, long b, long c) {
    return {"Distributive law", "a(b + c) = ab + ac",
            o(a) + "(" + n(b) + " + " + o(c) + ") = " + o(a) + " &middot; " + o(b + c) + " = " +
                n(a * (b + c)) + " and " + n(a * b) + " + " + o(a * c) + " = " + n(a * b + a * c),
            a * (b + c) == a * b + a * c};
}

LawInstance inverse(long a) {
    return {"Additive inverse", "a + (&minus;a) = 0", n(a) + " + " + o(-a) + " = " + n(a + (-a)),
            a + (-a) == 0};
}

LawInstance noZeroDivisors(long a, long b) {
    const long product = a * b;
    std::string instance = o(a) + " &middot; " + o(b) + " = " + n(product);
    instance += product == 0 ? ", and indeed " + std::string(a == 0 ? "a = 0" : "b = 0")
                             : " &ne; 0, as a &ne; 0 and b &ne; 0";
    return {"No divisors of zero", "ab = 0 only when a = 0 or b = 0", instance,
            (product == 0) == (a == 0 || b == 0)};
}

LawInstance cancellation(long a, long b, long c) {
    std::string instance;
    bool holds = true;
    if (c == 0) {
        instance = "c = 0, so the law says nothing (0 &middot; a = 0 &middot; b for every a, b)";
    } else {
        const bool productsEqual = a * c == b * c;
        instance = o(a) + " &middot; " + o(c) + " = " + n(a * c) +
                   (productsEqual ? " = " : " &ne; ") + n(b * c) + " = " + o(b) + " &middot; " +
                   o(c) + (productsEqual ? ", and a = b" : ", and a &ne; b");
        holds = productsEqual == (a == b);
    }
    return {"Cancellation", "if c &ne; 0 and ac = bc then a = b", instance, holds};
}

LawInstance trichotomy(long a, long b) {
    const int count = (a < b ? 1 : 0) + (a == b ? 1 : 0) + (a > b ? 1 : 0);
    return {"Trichotomy", "exactly one of a &lt; b, a = b, a &gt; b holds",
            n(a) + compareSign(a, b) + n(b) + ", and neither of the other two", count == 1};
}

LawInstance additionKeepsOrder(long a, long b, long c) {
    return {"Adding keeps the order", "if a &lt; b then a + c &lt; b + c",
            a < b
                ? n(a) + " &lt; " + n(b) + " and " + n(a + c) + compareSign(a + c, b + c) + n(b + c)
                : "a &lt; b is false here (" + n(a) + compareSign(a, b) + n(b) + ")",
            !(a < b) || a + c < b + c};
}

LawInstance multiplicationAndOrder(long a, long b, long c) {
    std::string instance;
    bool holds = true;
    if (!(a < b)) {
        instance = "a &lt; b is false here (" + n(a) + compareSign(a, b) + n(b) + ")";
    } else if (c == 0) {
        instance = "c = 0: both products are 0";
    } else {
        instance = n(a) + " &lt; " + n(b) + ", c = " + n(c) + (c > 0 ? " &gt; 0: " : " &lt; 0: ") +
                   n(a * c) + compareSign(a * c, b * c) + n(b * c);
        holds = c > 0 ? a * c < b * c : a * c > b * c;
    }
    return {"Multiplying and the order",
            "if a &lt; b and c &gt; 0 then ac &lt; bc; if c &lt; 0 then ac &gt; bc", instance,
            holds};
}

} // namespace

std::vector<LawInstance> orderedDomainLaws(long a, long b, long c) {
    return {commutative(a, b), associative(a, b, c),        distributive(a, b, c),
            inverse(a),        noZeroDivisors(a, b),        cancellation(a, b, c),
            trichotomy(a, b),  additionKeepsOrder(a, b, c), multiplicationAndOrder(a, b, c)};
}

} // namespace signednumbers2
