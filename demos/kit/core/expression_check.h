#pragma once

#include "kit/core/parse_result.h"

#include <string>
#include <string_view>
#include <vector>

namespace kit {

// Checks a typed expression against the grammar the demonstrations accept and writes it out
// fully parenthesised with explicit '*', the form handed to GiNaC's parser. Errors name the
// fault and the character position (from 1).
Parsed<std::string> checkExpression(std::string_view text,
                                    const std::vector<std::string>& variables);

} // namespace kit
