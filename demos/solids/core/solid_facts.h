#pragma once

#include "solids/core/platonic.h"

#include <optional>
#include <string>
#include <string_view>

namespace solids {

// What the explore area writes beside the turning solid, all counted on its mesh: V, E and F,
// Euler's formula worked out, the face polygon, the faces at each corner, the angle sum and
// defect there, the symbol and the dual (simple HTML).
std::string factsHtml(Solid solid);

// The table of why there are exactly five: for p = 3 to 6 and q = 3 to 6 the angle sum of q
// regular p-gons and whether they close up into a corner; the given symbol's cell is marked.
std::string whyFiveHtml(std::optional<Schlafli> marked);

// A typed Schläfli symbol ("{4, 3}", "4,3", "5 3"): either the symbol or what is wrong with it.
struct TypedSymbol {
    std::optional<Schlafli> symbol;
    std::string error;
};
TypedSymbol readSymbol(std::string_view typed);

// What the typed symbol makes: a solid with its counts, a flat tiling, or nothing.
std::string symbolVerdictHtml(Schlafli symbol);

} // namespace solids
