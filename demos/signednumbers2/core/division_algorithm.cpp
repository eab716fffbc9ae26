#include "signednumbers2/core/division_algorithm.h"

#include "signednumbers/core/integer_text.h"

#include <stdexcept>

namespace signednumbers2 {

using signednumbers::integerHtml;
using signednumbers::operandHtml;

DivisionWithRemainder divideWithRemainder(const mpz_class& a, const mpz_class& b) {
    if (b == 0)
        throw std::invalid_argument("the divisor must not be 0");
    const mpz_class size = abs(b);
    DivisionWithRemainder result;
    mpz_fdiv_r(result.remainder.get_mpz_t(), a.get_mpz_t(), size.get_mpz_t());
    result.quotient = (a - result.remainder) / b;

    auto& steps = result.steps;
    steps.push_back("Look for q and r with " + integerHtml(a) + " = q &middot; " + operandHtml(b) +
                    " + r and 0 &le; r &lt; |" + integerHtml(b) + "| = " + size.get_str() + ".");
    mpz_class truncated;
    mpz_tdiv_q(truncated.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    const mpz_class truncatedRest = a - truncated * b;
    steps.push_back("Dividing and dropping the fraction gives " + integerHtml(truncated) + ": " +
                    operandHtml(truncated) + " &middot; " + operandHtml(b) + " = " +
                    integerHtml(truncated * b) + ", which leaves " + integerHtml(a) + " &minus; " +
                    operandHtml(truncated * b) + " = " + integerHtml(truncatedRest) + ".");
    if (truncatedRest < 0) {
        steps.push_back("A remainder may not be negative, so take one more " + size.get_str() +
                        " away from the multiple: q = " + integerHtml(result.quotient) +
                        ", q &middot; " + operandHtml(b) + " = " +
                        integerHtml(result.quotient * b) +
                        " and r = " + integerHtml(truncatedRest) + " + " + size.get_str() + " = " +
                        result.remainder.get_str() + ".");
    } else {
        steps.push_back("That remainder already lies in 0 &le; r &lt; " + size.get_str() +
                        ", so q = " + integerHtml(result.quotient) +
                        " and r = " + result.remainder.get_str() + ".");
    }
    steps.push_back("Check: " + operandHtml(result.quotient) + " &middot; " + operandHtml(b) +
                    " + " + result.remainder.get_str() + " = " + integerHtml(a) + ".");
    return result;
}

} // namespace signednumbers2
