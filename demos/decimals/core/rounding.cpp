#include "decimals/core/rounding.h"

#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"

#include <cstdlib>
#include <string>

namespace decimals {
namespace {

mpq_class powerOfTen(long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    return exponent >= 0 ? mpq_class(power) : mpq_class(1 / mpq_class(power));
}

// floor(log10 |x|) for x non-zero.
long decimalExponent(const mpq_class& x) {
    const mpq_class magnitude = abs(x);
    long exponent = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 10)) -
                    static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 10));
    while (magnitude >= powerOfTen(exponent + 1))
        ++exponent;
    while (magnitude < powerOfTen(exponent))
        --exponent;
    return exponent;
}

} // namespace

mpq_class roundToPlaces(const mpq_class& x, int places) {
    const mpq_class scale = powerOfTen(places);
    const mpq_class shifted = abs(x) * scale + mpq_class(1, 2);
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), shifted.get_num_mpz_t(), shifted.get_den_mpz_t());
    const mpq_class rounded = mpq_class(whole) / scale;
    return sgn(x) < 0 ? mpq_class(-rounded) : rounded;
}

std::string fixedText(const mpq_class& x, int places) {
    const mpq_class rounded = roundToPlaces(x, places);
    const mpq_class scaled = abs(rounded) * powerOfTen(places);
    std::string digits = scaled.get_num().get_str();
    const auto count = static_cast<std::size_t>(places);
    if (digits.size() <= count)
        digits.insert(0, count + 1 - digits.size(), '0');
    std::string text = sgn(rounded) < 0 ? "-" : "";
    text += digits.substr(0, digits.size() - count);
    if (count > 0)
        text += "." + digits.substr(digits.size() - count);
    return text;
}

Scientific toScientific(const mpq_class& x, int significantFigures) {
    long exponent = decimalExponent(x);
    mpq_class mantissa = roundToPlaces(x / powerOfTen(exponent), significantFigures - 1);
    if (abs(mantissa) >= 10) { // 9.996 to three figures is 10.0: one more power of ten
        ++exponent;
        mantissa = roundToPlaces(x / powerOfTen(exponent), significantFigures - 1);
    }
    return {mantissa, exponent};
}

std::string scientificHtml(const Scientific& value, int significantFigures) {
    return fixedText(value.mantissa, significantFigures - 1) + " &times; 10<sup>" +
           std::to_string(value.exponent) + "</sup>";
}

kit::Parsed<Scientific> parseScientific(std::string_view text) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the input is too long", kit::maxInputLength};
    std::string written(text);
    // The times sign × is two bytes in UTF-8; turn it into a plain x.
    for (std::size_t at = written.find("\xC3\x97"); at != std::string::npos;
         at = written.find("\xC3\x97"))
        written.replace(at, 2, "x");
    std::size_t split = std::string::npos;
    std::size_t exponentStart = 0;
    for (const std::string marker : {"x10^", "*10^", "X10^"}) {
        std::string compact;
        for (char c : written)
            if (c != ' ')
                compact.push_back(c);
        const std::size_t at = compact.find(marker);
        if (at != std::string::npos) {
            written = compact;
            split = at;
            exponentStart = at + marker.size();
            break;
        }
    }
    if (split == std::string::npos) {
        split = written.find_first_of("eE");
        if (split == std::string::npos)
            return kit::ParseError{"expected the form m &times; 10^k, for example 3.2e5",
                                   written.size()};
        exponentStart = split + 1;
    }
    const kit::Parsed<mpq_class> mantissa = kit::parseRational(written.substr(0, split));
    if (!mantissa.ok())
        return kit::ParseError{"in the mantissa: " + mantissa.error().message,
                               mantissa.error().position};
    const kit::Parsed<mpz_class> exponent = kit::parseInteger(written.substr(exponentStart));
    if (!exponent.ok())
        return kit::ParseError{"in the exponent: " + exponent.error().message,
                               exponentStart + exponent.error().position};
    if (abs(exponent.value()) > kit::maxExponent)
        return kit::ParseError{"the exponent is larger than " + std::to_string(kit::maxExponent) +
                                   " in size",
                               exponentStart};
    return Scientific{mantissa.value(), exponent.value().get_si()};
}

} // namespace decimals
