#pragma once

#include "collections/core/roster.h"
#include "collections/core/set_expression.h"

#include <string>
#include <vector>

namespace collections {

// A universe and one to three sets of its elements, as the Venn diagram shows them.
struct SetFamily {
    Elements universe;
    std::vector<Elements> sets; // A, B, C
};

// The region an element lies in (its membership bits), or nullopt when it is outside U.
int regionOf(const SetFamily& family, long element);
// The elements of U lying in the shaded regions.
Elements elementsIn(const SetFamily& family, RegionMask regions);
// The elements of the sets that are not in U, which a family must not have.
Elements outsideUniverse(const SetFamily& family);

// |A ∪ B| or |A ∪ B ∪ C| by inclusion–exclusion, written out with the numbers of the family:
// "|A ∪ B| = |A| + |B| − |A ∩ B| = 5 + 4 − 2 = 7".
std::string inclusionExclusionText(const SetFamily& family);

// The size of the union worked out by inclusion–exclusion (sums of intersections with signs).
long inclusionExclusionCount(const SetFamily& family);

} // namespace collections
