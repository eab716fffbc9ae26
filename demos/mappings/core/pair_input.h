#pragma once

#include "kit/core/parse_result.h"
#include "mappings/core/relation.h"

#include <string_view>

namespace mappings {

// A relation typed as its pairs: "(1,2), (2,3)", with or without the braces "{...}", spaces
// anywhere; "{}" or "none" for the empty relation. Every element must lie in {1, ..., size}.
kit::Parsed<Relation> parsePairs(std::string_view text, int size);

} // namespace mappings
