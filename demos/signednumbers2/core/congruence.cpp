#include "signednumbers2/core/congruence.h"

#include "signednumbers2/core/division_algorithm.h"

#include "signednumbers/core/integer_text.h"

namespace signednumbers2 {

using signednumbers::integerHtml;
using signednumbers::operandHtml;

mpz_class leastResidue(const mpz_class& a, const mpz_class& n) {
    mpz_class r;
    mpz_fdiv_r(r.get_mpz_t(), a.get_mpz_t(), n.get_mpz_t());
    return r;
}

bool congruent(const mpz_class& a, const mpz_class& b, const mpz_class& n) {
    return mpz_divisible_p(mpz_class(a - b).get_mpz_t(), n.get_mpz_t()) != 0;
}

std::vector<std::string> residueSteps(const mpz_class& a, const mpz_class& n) {
    const DivisionWithRemainder division = divideWithRemainder(a, n);
    std::vector<std::string> steps;
    steps.push_back("Divide by " + n.get_str() + " with a remainder in 0, 1, &hellip;, " +
                    mpz_class(n - 1).get_str() + ": " + integerHtml(a) + " = " +
                    operandHtml(division.quotient) + " &middot; " + n.get_str() + " + " +
                    division.remainder.get_str() + ".");
    const mpz_class turns = abs(division.quotient);
    steps.push_back("On a clock with " + n.get_str() + " hours, " + integerHtml(a) + " is " +
                    turns.get_str() + (turns == 1 ? " full turn " : " full turns ") +
                    (division.quotient < 0 ? "backwards" : "forwards") + " from 0, then " +
                    division.remainder.get_str() + " hours on.");
    steps.push_back("So " + integerHtml(a) + " &equiv; " + division.remainder.get_str() + " (mod " +
                    n.get_str() + ").");
    return steps;
}

std::vector<std::string> congruenceSteps(const mpz_class& a, const mpz_class& b,
                                         const mpz_class& n) {
    std::vector<std::string> steps;
    const mpz_class difference = a - b;
    const bool same = congruent(a, b, n);
    steps.push_back(integerHtml(a) + " &minus; " + operandHtml(b) + " = " +
                    integerHtml(difference) + (same ? ", a multiple of " : ", not a multiple of ") +
                    n.get_str() + ".");
    steps.push_back("Residues: " + integerHtml(a) + " &equiv; " + leastResidue(a, n).get_str() +
                    " and " + integerHtml(b) + " &equiv; " + leastResidue(b, n).get_str() +
                    " (mod " + n.get_str() + ")" +
                    (same ? ", the same hour on the clock." : ", different hours on the clock."));
    steps.push_back(integerHtml(a) + (same ? " &equiv; " : " &#8802; ") + integerHtml(b) +
                    " (mod " + n.get_str() + ").");
    return steps;
}

} // namespace signednumbers2
