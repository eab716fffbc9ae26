#pragma once

#include "kit/core/verdict.h"

#include <functional>
#include <gmpxx.h>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// Checkers for typed answers. Each compares exact values, never throws, and says what is
// wrong in the learner's terms.
enum class FractionForm { AnyEquivalent, LowestTerms };

using AnswerCheck = std::function<Verdict(std::string_view)>;

AnswerCheck expectInteger(mpz_class expected);
// AnyEquivalent takes 3/4, 6/8, 0.75 alike; LowestTerms refuses 6/8 and 0.75 with a reason.
AnswerCheck expectRational(mpq_class expected, FractionForm form);
// A list of integers; unordered lists compare as collections with repetition.
AnswerCheck expectIntegerList(std::vector<mpz_class> expected, bool ordered);
// One of the accepted words, ignoring case and surrounding spaces.
AnswerCheck expectChoice(std::vector<std::string> accepted);

inline constexpr const char* correctMessage = "Correct.";

} // namespace kit
