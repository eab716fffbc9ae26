#pragma once

#include "addmult/core/finite_ring.h"
#include "kit/core/parse_result.h"

#include <string>
#include <vector>

namespace addmult {

inline constexpr int smallestOwnTable = 2;
inline constexpr int largestOwnTable = 6;

// The learner's own tables: cells[row][column] as typed, each the number of an element
// 0..k-1. The first bad cell is reported: "multiplication table, row 2, column 3: \"7\" is not
// an element (use 0 to 3)".
kit::Parsed<FiniteRing> parseOwnTables(const std::vector<std::vector<std::string>>& addCells,
                                       const std::vector<std::vector<std::string>>& mulCells);

} // namespace addmult
