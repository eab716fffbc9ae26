#include "fieldsplus/core/characteristic.h"

#include "addmult/core/special_elements.h"

namespace fieldsplus {

CharacteristicRun characteristicOf(const addmult::FiniteRing& ring) {
    CharacteristicRun run;
    const auto special = addmult::findSpecialElements(ring);
    if (!special.unity || !special.zero)
        return run;
    const int one = *special.unity;
    int sum = one;
    for (int k = 1; k <= ring.size(); ++k) {
        run.sums.push_back(std::to_string(k) + " \u00b7 " + ring.elements[one] + " = " +
                           ring.elements[sum]);
        if (sum == *special.zero) {
            run.value = k;
            return run;
        }
        sum = ring.sum(sum, one);
    }
    return run; // not reached for a ring: k * 1 returns to 0 within size() steps
}

} // namespace fieldsplus
