#pragma once

#include "addmult/core/finite_ring.h"

#include <string>
#include <vector>

namespace addmult {

// One ring axiom checked on a pair of tables by trying every element (every pair, every
// triple), with the first case that breaks it.
struct AxiomCheck {
    std::string name; // "Addition is associative"
    std::string law;  // "(a + b) + c = a + (b + c)"
    bool holds = false;
    std::string counterexample; // "(1 + 1) + 2 = 0 but 1 + (1 + 2) = 1"; empty when it holds
};

// The ring axioms in the order the lesson gives them: addition associative and commutative,
// a zero, additive inverses, multiplication associative, both distributive laws. Closure needs
// no check: every entry of a table is an element.
std::vector<AxiomCheck> checkRingAxioms(const FiniteRing& ring);

// The two extra properties a ring may have: commutative multiplication and a unity.
std::vector<AxiomCheck> checkExtraProperties(const FiniteRing& ring);

bool isRing(const FiniteRing& ring);

} // namespace addmult
