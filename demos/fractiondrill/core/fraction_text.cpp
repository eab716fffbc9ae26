#include "fractiondrill/core/fraction_text.h"

namespace fractiondrill {

MixedNumber toMixed(const mpq_class& value) {
    MixedNumber mixed;
    mixed.negative = sgn(value) < 0;
    const mpz_class numerator = abs(value.get_num());
    mixed.denominator = value.get_den();
    mpz_fdiv_qr(mixed.whole.get_mpz_t(), mixed.numerator.get_mpz_t(), numerator.get_mpz_t(),
                mixed.denominator.get_mpz_t());
    return mixed;
}

std::string fractionText(const mpq_class& value) {
    return value.get_str();
}

std::string mixedText(const mpq_class& value) {
    const MixedNumber mixed = toMixed(value);
    std::string text = mixed.negative ? "-" : "";
    if (mixed.numerator == 0)
        return text + mixed.whole.get_str();
    if (mixed.whole != 0)
        text += mixed.whole.get_str() + " ";
    return text + mixed.numerator.get_str() + "/" + mixed.denominator.get_str();
}

std::string fractionHtml(const mpq_class& value) {
    if (value.get_den() == 1)
        return value.get_num().get_str();
    const std::string sign = sgn(value) < 0 ? "&minus;" : "";
    return sign + "<sup>" + mpz_class(abs(value.get_num())).get_str() + "</sup>&frasl;<sub>" +
           value.get_den().get_str() + "</sub>";
}

std::string unreducedText(const mpz_class& numerator, const mpz_class& denominator) {
    return numerator.get_str() + "/" + denominator.get_str();
}

} // namespace fractiondrill
