#include "addmult/core/special_elements.h"

namespace addmult {

namespace {

std::optional<int> identityOf(const std::vector<std::vector<int>>& table) {
    const int k = static_cast<int>(table.size());
    for (int e = 0; e < k; ++e) {
        bool works = true;
        for (int a = 0; a < k && works; ++a)
            works = table[e][a] == a && table[a][e] == a;
        if (works)
            return e;
    }
    return std::nullopt;
}

bool isZeroDivisor(const FiniteRing& ring, int a, int zero) {
    if (a == zero)
        return false;
    for (int b = 0; b < ring.size(); ++b)
        if (b != zero && (ring.product(a, b) == zero || ring.product(b, a) == zero))
            return true;
    return false;
}

} // namespace

std::optional<int> inverseOf(const FiniteRing& ring, int a, int unity) {
    for (int b = 0; b < ring.size(); ++b)
        if (ring.product(a, b) == unity && ring.product(b, a) == unity)
            return b;
    return std::nullopt;
}

SpecialElements findSpecialElements(const FiniteRing& ring) {
    SpecialElements found;
    found.zero = identityOf(ring.add);
    found.unity = identityOf(ring.mul);
    if (found.unity && found.zero && *found.unity == *found.zero && ring.size() > 1)
        found.unity.reset();
    found.commutative = true;
    for (int a = 0; a < ring.size(); ++a) {
        for (int b = 0; b < ring.size(); ++b)
            found.commutative = found.commutative && ring.product(a, b) == ring.product(b, a);
        if (found.unity && inverseOf(ring, a, *found.unity))
            found.units.push_back(a);
        if (found.zero && isZeroDivisor(ring, a, *found.zero))
            found.zeroDivisors.push_back(a);
        if (ring.product(a, a) == a)
            found.idempotents.push_back(a);
    }
    return found;
}

} // namespace addmult
