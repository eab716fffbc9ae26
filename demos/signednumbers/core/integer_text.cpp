#include "signednumbers/core/integer_text.h"

namespace signednumbers {

std::string integerHtml(const mpz_class& n) {
    if (n < 0) {
        const mpz_class magnitude = -n;
        return "&minus;" + magnitude.get_str();
    }
    return n.get_str();
}

std::string integerHtml(long n) {
    return integerHtml(mpz_class(n));
}

std::string operandHtml(const mpz_class& n) {
    return n < 0 ? "(" + integerHtml(n) + ")" : integerHtml(n);
}

std::string operandHtml(long n) {
    return operandHtml(mpz_class(n));
}

} // namespace signednumbers
