#include "fractiondrill/core/random_fraction.h"

namespace fractiondrill {

mpq_class randomProperFraction(kit::Random& random, long maxDenominator) {
    const long denominator = static_cast<long>(random.between(2, maxDenominator));
    const long numerator = static_cast<long>(random.between(1, denominator - 1));
    mpq_class value(numerator, denominator);
    value.canonicalize();
    return value;
}

mpq_class randomMixedNumber(kit::Random& random, long maxWhole, long maxDenominator) {
    const long whole = static_cast<long>(random.between(1, maxWhole));
    return mpq_class(whole + randomProperFraction(random, maxDenominator));
}

} // namespace fractiondrill
