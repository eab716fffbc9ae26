#pragma once

#include "kit/core/answer_checks.h"
#include "kit/core/parse_result.h"

#include <gmpxx.h>
#include <string_view>

namespace planesurface {

// A multiple of π as a learner types it: "9π", "9pi", "9 * pi", "π", "25π/2", "25/2 π",
// "12.5pi", "(25/2)π". The value is the coefficient of π.
kit::Parsed<mpq_class> parsePiMultiple(std::string_view typed);

// An answer that must be coefficient·π written with π; a decimal approximation is refused
// with the reason.
kit::AnswerCheck expectPiMultiple(mpq_class coefficient);

} // namespace planesurface
