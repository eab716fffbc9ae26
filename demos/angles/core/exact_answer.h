#pragma once

#include "kit/core/answer_checks.h"

#include <string>

namespace angles {

// A typed exact number ("-sqrt(3)/2", "√2/2", "5pi/6", "1/2") compared with the expected one
// written in the kit's grammar: equal by algebra, or equal to 12 digits when written without a
// decimal point (1/√2 for √2/2). A decimal approximation is refused with the reason.
kit::AnswerCheck expectExactNumber(std::string expectedTyped);

// For a value that does not exist (tan 90°): "undefined" and its synonyms.
kit::AnswerCheck expectUndefined();

} // namespace angles
