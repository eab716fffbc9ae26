#pragma once

#include "equations/core/polynomial_algebra.h"

#include "kit/core/verdict.h"

#include <functional>
#include <string_view>
#include <vector>

namespace equations {

using RootCheck = std::function<kit::Verdict(std::string_view)>;

// "-2, 1/3, 4": the distinct rational roots of p in any order, each once; a number that is not
// a root is named with the value of p there.
RootCheck expectRationalRoots(const Polynomial& p, std::vector<mpq_class> roots);

// "(1 - sqrt(5))/2, (1 + sqrt(5))/2" or "none": the distinct real roots as exact expressions
// (decimals refused as approximations).
RootCheck expectExactRoots(std::vector<RealRoot> roots);

} // namespace equations
