#pragma once

#include "kit/core/answer_checks.h"
#include "kit/core/bounded_work.h"
#include "kit/core/parse_result.h"

#include <gmpxx.h>
#include <optional>
#include <string>
#include <string_view>

namespace kit {

// coefficient·√radicand with a square-free radicand (1 for a rational): 5, 2√3, 3√5/2.
struct Surd {
    mpq_class coefficient;
    mpz_class radicand = 1;
    mpq_class square() const { return coefficient * coefficient * radicand; }
    double approximate() const;
};

// The exact square root of a non-negative rational: √(p/q) = √(pq)/q with the square factors
// of pq taken out. nullopt when the square-free part cannot be found within the budget.
std::optional<Surd> exactSquareRoot(const mpq_class& value, WorkBudget& budget);

// "5", "2√3", "√3/2", "3√5/2", "√2" (the root sign is U+221A).
std::string surdText(const Surd& s);

// What a learner types for a length: "5", "5/2", "2√3", "2sqrt(3)", "2*sqrt3", "√12", "3√5/2",
// "sqrt(45)/2". typedRadicand is what was under the root as typed (1 without a root).
struct TypedSurd {
    mpq_class coefficient;
    mpz_class typedRadicand = 1;
};
Parsed<TypedSurd> parseSurd(std::string_view text);

// A typed length compared exactly with √square; an unsimplified root ("√12" for 2√3) and a
// negative length are refused with the reason.
AnswerCheck expectSquareRoot(mpq_class square);

} // namespace kit
