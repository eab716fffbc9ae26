#include "fractiondrill/core/decimal_form.h"

namespace fractiondrill {
namespace {

mpz_class removeFactor(mpz_class n, unsigned long factor, unsigned long& count) {
    count = 0;
    while (n % factor == 0) {
        n /= factor;
        ++count;
    }
    return n;
}

} // namespace

std::optional<mpz_class> powerOfTenDenominator(const mpz_class& denominator) {
    if (denominator <= 0)
        return std::nullopt;
    unsigned long twos = 0;
    unsigned long fives = 0;
    const mpz_class rest = removeFactor(removeFactor(denominator, 2, twos), 5, fives);
    if (rest != 1)
        return std::nullopt;
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, std::max(twos, fives));
    return power;
}

bool hasTerminatingDecimal(const mpq_class& value) {
    return powerOfTenDenominator(value.get_den()).has_value();
}

std::optional<std::string> terminatingDecimal(const mpq_class& value) {
    const std::optional<mpz_class> power = powerOfTenDenominator(value.get_den());
    if (!power)
        return std::nullopt;
    const mpz_class scaled = abs(value.get_num()) * (*power / value.get_den());
    std::string digits = scaled.get_str();
    const std::size_t places = power->get_str().size() - 1;
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - places);
    if (places > 0)
        text += "." + digits.substr(digits.size() - places);
    return (sgn(value) < 0 ? "-" : "") + text;
}

} // namespace fractiondrill
