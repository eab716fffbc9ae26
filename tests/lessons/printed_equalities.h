#pragma once

#include "printed_expression.h"

#include <string>
#include <string_view>
#include <vector>

namespace lesson_tests {

// One "=" of a text with a calculation on either side, as printed.
struct PrintedEquality {
    std::string left;
    std::string right;
    Interval leftValue;
    Interval rightValue;

    // Both sides agree to the places printed.
    bool holds() const { return leftValue.overlaps(rightValue); }
};

// Every "=" of a text whose neighbouring sides read as calculations; a chain "a = b = c"
// gives a = b and b = c. The words around a calculation are left out, so in
// "so n(S) = 9C3 = 84 and n(E) = 5C3 = 10" the equalities are 9C3 = 84 and 5C3 = 10. A side
// that runs on into an operator ("1 - P(A)") or out of one ("mean^2") is no calculation.
std::vector<PrintedEquality> printedEqualities(std::string_view text);

} // namespace lesson_tests
