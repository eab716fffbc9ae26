#pragma once

#include "addmult/core/finite_ring.h"

#include <optional>
#include <string>
#include <vector>

namespace fieldsplus {

// The characteristic of a ring with unity: the least k >= 1 with 1 + 1 + ... + 1 (k ones) = 0.
// In a finite ring it always exists. The sums are kept to show the count.
struct CharacteristicRun {
    std::optional<int> value;      // empty when the ring has no unity
    std::vector<std::string> sums; // "1", "1 + 1 = 2", ... in the ring's element names
};

CharacteristicRun characteristicOf(const addmult::FiniteRing& ring);

} // namespace fieldsplus
