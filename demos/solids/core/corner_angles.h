#pragma once

#include "solids/core/mesh.h"
#include "solids/core/platonic.h"

#include <gmpxx.h>
#include <optional>
#include <string>
#include <vector>

namespace solids {

// The angle of a regular p-gon in degrees: 180 (p - 2) / p (108 for the pentagon).
mpq_class polygonAngle(int sides);
// The angles of the polygons that meet at one corner, added up.
mpq_class angleSum(const std::vector<int>& polygonSides);
// How much is missing to a full turn: 360 minus the angle sum (positive at a corner of a
// convex solid, 0 when the polygons lie flat, negative when they cannot meet without folding
// in and out).
mpq_class angleDefect(const std::vector<int>& polygonSides);

// q regular p-gons at a corner close up into a convex solid exactly when their angles add up to
// less than 360 degrees: q (p - 2) 180 / p < 360, that is (p - 2)(q - 2) < 4.
bool closesIntoSolid(Schlafli symbol);
// The convex regular solid with this symbol, if there is one.
std::optional<Solid> solidWith(Schlafli symbol);
// V, E and F from p F = 2 E, q V = 2 E and V - E + F = 2: with d = 4 - (p - 2)(q - 2),
// V = 4p / d, E = 2pq / d, F = 4q / d. Empty when the corners do not close up.
std::optional<Counts> countsFrom(Schlafli symbol);

// "108", "900/7", "-60": degrees written exactly.
std::string degreesText(const mpq_class& degrees);

} // namespace solids
