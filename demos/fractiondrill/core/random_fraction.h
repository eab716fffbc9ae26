#pragma once

#include "kit/core/random.h"

#include <gmpxx.h>

namespace fractiondrill {

// A proper fraction n/d in lowest terms with 2 <= d <= maxDenominator and 0 < n < d.
mpq_class randomProperFraction(kit::Random& random, long maxDenominator);

// A positive mixed number w n/d with 1 <= w <= maxWhole and a proper fraction part.
mpq_class randomMixedNumber(kit::Random& random, long maxWhole, long maxDenominator);

} // namespace fractiondrill
