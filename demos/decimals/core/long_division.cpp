#include "decimals/core/long_division.h"

#include <map>

namespace decimals {

DecimalExpansion longDivision(const mpz_class& p, const mpz_class& q, kit::WorkBudget& budget) {
    DecimalExpansion expansion;
    const mpz_class numerator = abs(p);
    const mpz_class denominator = abs(q);
    expansion.negative = sgn(p) * sgn(q) < 0;
    mpz_class remainder;
    mpz_fdiv_qr(expansion.integerPart.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(),
                denominator.get_mpz_t());
    std::map<mpz_class, std::size_t> firstSeen;
    std::string digits;
    while (remainder != 0) {
        const auto seen = firstSeen.find(remainder);
        if (seen != firstSeen.end()) {
            expansion.preperiod = digits.substr(0, seen->second);
            expansion.period = digits.substr(seen->second);
            return expansion;
        }
        if (!budget.spend()) {
            expansion.complete = false;
            expansion.preperiod = digits;
            return expansion;
        }
        firstSeen.emplace(remainder, digits.size());
        DivisionStep step;
        step.remainder = remainder;
        const mpz_class shifted = remainder * 10;
        mpz_class digit;
        mpz_fdiv_qr(digit.get_mpz_t(), step.nextRemainder.get_mpz_t(), shifted.get_mpz_t(),
                    denominator.get_mpz_t());
        step.digit = static_cast<unsigned>(digit.get_ui());
        digits.push_back(static_cast<char>('0' + step.digit));
        remainder = step.nextRemainder;
        expansion.steps.push_back(std::move(step));
    }
    expansion.preperiod = digits;
    return expansion;
}

std::string expansionText(const DecimalExpansion& expansion) {
    std::string text = expansion.negative ? "-" : "";
    text += expansion.integerPart.get_str();
    if (expansion.preperiod.empty() && expansion.period.empty())
        return text;
    text += "." + expansion.preperiod;
    if (!expansion.period.empty())
        text += "(" + expansion.period + ")";
    if (!expansion.complete)
        text += "...";
    return text;
}

} // namespace decimals
