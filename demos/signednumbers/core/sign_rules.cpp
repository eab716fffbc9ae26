#include "signednumbers/core/sign_rules.h"

#include "signednumbers/core/integer_text.h"

#include <stdexcept>

namespace signednumbers {
namespace {

std::string signWord(const mpz_class& n) {
    return n < 0 ? "negative" : "positive";
}

} // namespace

std::vector<std::string> productReasoning(const mpz_class& a, const mpz_class& b) {
    std::vector<std::string> lines;
    const mpz_class product = a * b;
    const std::string shown = operandHtml(a) + " &times; " + operandHtml(b);
    const mpz_class absA = abs(a);
    const mpz_class absB = abs(b);
    if (a == 0 || b == 0) {
        lines.push_back("A product with a factor 0 is 0, whatever the sign of the other factor: "
                        "a &middot; 0 = a &middot; (0 + 0) = a &middot; 0 + a &middot; 0, so "
                        "a &middot; 0 = 0.");
    } else if (a > 0 && b > 0) {
        lines.push_back("Both factors are positive, so the product is positive.");
    } else if ((a < 0) != (b < 0)) {
        lines.push_back("One factor is positive and one negative: unlike signs give a negative "
                        "product.");
        lines.push_back("Why: " +
                        (a < 0 ? absB.get_str() + " times " + integerHtml(a)
                               : absA.get_str() + " times " + integerHtml(b)) +
                        " is that many steps of the same size to the left of 0.");
    } else {
        lines.push_back("Both factors are negative: like signs give a positive product.");
        lines.push_back("Why: " + operandHtml(a) + " &times; " + absB.get_str() + " = " +
                        integerHtml(-(absA * absB)) + ", and " + operandHtml(a) + " &times; " +
                        operandHtml(b) + " + " + operandHtml(a) + " &times; " + absB.get_str() +
                        " = " + operandHtml(a) + " &times; 0 = 0 by the distributive law, so " +
                        shown + " is the opposite of " + integerHtml(-(absA * absB)) + ".");
    }
    lines.push_back("The size is " + absA.get_str() + " &times; " + absB.get_str() + " = " +
                    mpz_class(absA * absB).get_str() + ", so " + shown + " = " +
                    integerHtml(product) + ".");
    return lines;
}

std::vector<std::string> quotientReasoning(const mpz_class& a, const mpz_class& b) {
    if (b == 0)
        throw std::invalid_argument("division by zero has no quotient");
    std::vector<std::string> lines;
    const mpz_class quotient = a / b;
    const mpz_class absA = abs(a);
    const mpz_class absB = abs(b);
    const std::string shown = operandHtml(a) + " &divide; " + operandHtml(b);
    lines.push_back(shown + " is the number q with q &times; " + operandHtml(b) + " = " +
                    integerHtml(a) + ".");
    if (a == 0)
        lines.push_back("0 &times; " + operandHtml(b) + " = 0, so q = 0.");
    else
        lines.push_back("The dividend is " + signWord(a) + " and the divisor " + signWord(b) +
                        ": " +
                        ((a < 0) == (b < 0) ? "like signs give a positive quotient."
                                            : "unlike signs give a negative quotient."));
    lines.push_back("The size is " + absA.get_str() + " &divide; " + absB.get_str() + " = " +
                    mpz_class(abs(quotient)).get_str() + "; check: " + operandHtml(quotient) +
                    " &times; " + operandHtml(b) + " = " + integerHtml(a) + ". So " + shown +
                    " = " + integerHtml(quotient) + ".");
    return lines;
}

} // namespace signednumbers
