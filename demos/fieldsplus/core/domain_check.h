#pragma once

#include "addmult/core/finite_ring.h"

#include <string>

namespace fieldsplus {

// What separates a ring from an integral domain and a field, found in its tables, with an
// example of each property that fails.
struct DomainCheck {
    bool commutative = false;
    bool hasUnity = false;
    bool noZeroDivisors = false;
    bool nonzeroAreUnits = false;   // every element other than 0 has an inverse
    std::string zeroDivisorExample; // "2 · 3 = 0"
    std::string nonUnitExample;     // "2 has no inverse"
    bool integralDomain() const { return commutative && hasUnity && noZeroDivisors; }
    bool field() const { return commutative && hasUnity && nonzeroAreUnits; }
};

DomainCheck checkDomain(const addmult::FiniteRing& ring);

} // namespace fieldsplus
