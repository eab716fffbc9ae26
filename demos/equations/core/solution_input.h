#pragma once

#include "equations/core/sign_chart.h"

#include "kit/core/parse_result.h"
#include "kit/core/verdict.h"

#include <functional>
#include <string_view>

namespace equations {

// A set typed in interval notation with rational endpoints: "(-inf, -2) U [1/2, 3]", "{4}",
// "R", "empty". Pieces are joined by U, u or the union sign; infinity is inf, oo or the sign.
struct TypedPiece {
    bool lowInfinite = false, highInfinite = false;
    mpq_class low, high;
    bool lowClosed = false, highClosed = false;
};
using TypedSet = std::vector<TypedPiece>;
kit::Parsed<TypedSet> parseTypedSet(std::string_view text);

// The same set written with its pieces in order and touching pieces joined.
TypedSet canonical(TypedSet set);

// Checks a typed set against the solution set (whose finite endpoints must be rational);
// says when only the brackets are wrong.
std::function<kit::Verdict(std::string_view)> expectSolutionSet(const SolutionSet& expected);

} // namespace equations
