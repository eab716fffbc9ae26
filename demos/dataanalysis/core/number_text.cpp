#include "dataanalysis/core/number_text.h"

#include <cmath>
#include <cstdio>

namespace dataanalysis {

std::string decimalText(double value, int places) {
    if (!std::isfinite(value))
        return "undefined";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string decimalText(const mpq_class& value, int places) {
    // Round half away from zero exactly, then print the scaled integer.
    mpz_class scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    const mpq_class scaled = abs(value) * scale + mpq_class(1, 2);
    const mpz_class whole = scaled.get_num() / scaled.get_den();
    std::string digits = whole.get_str();
    if (places > 0) {
        if (digits.size() <= static_cast<std::size_t>(places))
            digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
        while (digits.back() == '0')
            digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
    }
    if (value < 0 && digits != "0")
        digits.insert(0, "-");
    return digits;
}

std::string fractionText(const mpq_class& value) {
    return value.get_str();
}

std::string exactText(const mpq_class& value, int places) {
    if (value.get_den() == 1)
        return value.get_str();
    mpz_class scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    const bool terminates = mpq_class(value * scale).get_den() == 1;
    return value.get_str() + (terminates ? " = " : " &asymp; ") + decimalText(value, places);
}

std::string pValueText(double p) {
    if (p < 0.0001)
        return "&lt; 0.0001";
    return decimalText(p, 4);
}

} // namespace dataanalysis
