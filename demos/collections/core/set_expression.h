#pragma once

#include "kit/core/parse_result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace collections {

// The regions of a Venn diagram of n sets (n = 1, 2 or 3) are numbered by membership: bit i of
// a region's number is set when its points lie in set i (A is bit 0, B bit 1, C bit 2). Region
// 0 is the part of the universe outside every set. A set expression shades some of the regions:
// a RegionMask has bit r set when region r is shaded.
using RegionMask = std::uint8_t;

inline constexpr int largestSetCount = 3;

// The mask of every region of a diagram of n sets.
RegionMask allRegions(int setCount);
// The regions inside set i (0 for A).
RegionMask regionsOfSet(int set, int setCount);

// One operation of a parsed expression, in the order it is worked out: its text, as the
// course writes it ("A ∪ B", "(A ∪ B)′"), and the regions it shades.
struct ExpressionStep {
    std::string text;
    RegionMask regions = 0;
};

// A typed set expression in A, B, C (as many as there are sets), U and ∅, with union,
// intersection, difference and complement. Intersection binds more tightly than union and
// difference, which are worked out from the left; the complement applies to what it follows.
// Spellings: ∪ or u or + or | for union, ∩ or n or & for intersection, \ or - for difference,
// ′ or ' or ^c for the complement, ∅ or {} for the empty set.
struct SetExpression {
    std::string text; // as the course writes it, with ∪, ∩, \ and ′
    RegionMask regions = 0;
    std::vector<ExpressionStep> steps; // each operation, innermost first
};

// The deepest nesting of brackets a typed expression may have.
inline constexpr int deepestNesting = 30;

// Errors name the fault and its position, counted in characters from 1: "unexpected ')' at 7",
// "C is not one of the 2 sets at 5".
kit::Parsed<SetExpression> parseSetExpression(std::string_view text, int setCount);

// The name of set i: "A", "B" or "C".
std::string setName(int set);

} // namespace collections
