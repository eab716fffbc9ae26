#include "fieldsplus/core/domain_check.h"

#include "addmult/core/special_elements.h"

#include <algorithm>

namespace fieldsplus {

DomainCheck checkDomain(const addmult::FiniteRing& ring) {
    DomainCheck check;
    const auto s = addmult::findSpecialElements(ring);
    check.commutative = s.commutative;
    check.hasUnity = s.unity.has_value();
    check.noZeroDivisors = s.zeroDivisors.empty();
    if (!check.noZeroDivisors && s.zero) {
        const int a = s.zeroDivisors.front();
        for (int b = 0; b < ring.size(); ++b)
            if (b != *s.zero && ring.product(a, b) == *s.zero) {
                check.zeroDivisorExample = ring.elements[a] + " \u00b7 " + ring.elements[b] +
                                           " = " + ring.elements[*s.zero];
                break;
            }
    }
    check.nonzeroAreUnits = check.hasUnity && s.zero;
    for (int a = 0; a < ring.size() && check.nonzeroAreUnits; ++a)
        if (a != *s.zero && !std::binary_search(s.units.begin(), s.units.end(), a)) {
            check.nonzeroAreUnits = false;
            check.nonUnitExample = ring.elements[a] + " has no inverse";
        }
    return check;
}

} // namespace fieldsplus
