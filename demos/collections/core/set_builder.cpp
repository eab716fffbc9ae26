#include "collections/core/set_builder.h"

namespace collections {
namespace {

bool isPrime(long x) {
    if (x < 2)
        return false;
    for (long d = 2; d * d <= x; ++d)
        if (x % d == 0)
            return false;
    return true;
}

bool isSquare(long x) {
    if (x < 0)
        return false;
    long r = 0;
    while ((r + 1) * (r + 1) <= x)
        ++r;
    return r * r == x;
}

} // namespace

const std::vector<BuilderCondition>& builderConditions() {
    static const std::vector<BuilderCondition> conditions{
        {"x is even", [](long x) { return x % 2 == 0; }},
        {"x is odd", [](long x) { return x % 2 != 0; }},
        {"x is a multiple of 3", [](long x) { return x % 3 == 0; }},
        {"x is prime", isPrime},
        {"x is a perfect square", isSquare},
        {"x > 10", [](long x) { return x > 10; }},
        {"x\u00b2 < 30", [](long x) { return x * x < 30; }},
        {"x divides 36", [](long x) { return x != 0 && 36 % x == 0; }},
        {"x = 2k + 1 for a whole number k with 1 \u2264 k \u2264 4",
         [](long x) { return x % 2 != 0 && x >= 3 && x <= 9; }},
        {"x < 0", [](long x) { return x < 0; }}};
    return conditions;
}

Elements buildSet(const Elements& universe, const BuilderCondition& condition) {
    Elements result;
    for (long x : universe)
        if (condition.holds(x))
            result.insert(x);
    return result;
}

std::string builderText(long first, long last, const BuilderCondition& condition) {
    std::string universe;
    if (last - first <= 3) {
        for (long x = first; x <= last; ++x)
            universe += (universe.empty() ? "" : ", ") + std::to_string(x);
    } else {
        universe = std::to_string(first) + ", " + std::to_string(first + 1) + ", \u2026, " +
                   std::to_string(last);
    }
    return "{x \u2208 {" + universe + "} : " + condition.text + "}";
}

} // namespace collections
