#pragma once

#include "addmult/core/finite_ring.h"

#include <optional>
#include <vector>

namespace addmult {

// The elements a ring's tables single out, found by searching the tables.
struct SpecialElements {
    std::optional<int> zero;       // z + a = a + z = a for every a
    std::optional<int> unity;      // u a = a u = a for every a (and u differs from the zero)
    std::vector<int> units;        // a with some b: a b = b a = unity
    std::vector<int> zeroDivisors; // a != 0 with some b != 0: a b = 0 or b a = 0
    std::vector<int> idempotents;  // a a = a
    bool commutative = false;      // a b = b a for every a, b
};

SpecialElements findSpecialElements(const FiniteRing& ring);

// The element b with a b = b a = unity, if there is one.
std::optional<int> inverseOf(const FiniteRing& ring, int a, int unity);

} // namespace addmult
