#include "planesurface/core/amount.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace planesurface {

namespace {

// The decimal digits of q when its denominator has no prime factors but 2 and 5 and the
// expansion ends within maxPlaces places.
bool terminatingDecimal(const mpq_class& q, std::string& text) {
    constexpr int maxPlaces = 6;
    mpz_class scale = 1;
    for (int places = 0; places <= maxPlaces; ++places) {
        const mpq_class scaled = q * scale;
        if (scaled.get_den() == 1) {
            mpz_class digits = abs(scaled.get_num());
            std::string s = digits.get_str();
            if (places > 0) {
                if (s.size() <= static_cast<std::size_t>(places))
                    s.insert(0, static_cast<std::size_t>(places) - s.size() + 1, '0');
                s.insert(s.size() - static_cast<std::size_t>(places), ".");
            }
            text = (q < 0 ? "-" : "") + s;
            return true;
        }
        scale *= 10;
    }
    return false;
}

} // namespace

std::string numberText(const mpq_class& q) {
    std::string text;
    if (terminatingDecimal(q, text))
        return text;
    return q.get_str();
}

std::string piText(const mpq_class& coefficient) {
    const std::string pi = "\u03c0";
    if (coefficient == 1)
        return pi;
    std::string decimal;
    if (terminatingDecimal(coefficient, decimal))
        return decimal + pi;
    const mpz_class& num = coefficient.get_num();
    return (num == 1 ? "" : num.get_str()) + pi + "/" + coefficient.get_den().get_str();
}

std::string roundedText(double value) {
    char buffer[64];
    if (std::fabs(value) >= 1.0 || value == 0.0)
        std::snprintf(buffer, sizeof buffer, "%.2f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%#.4g", value);
    return buffer;
}

Amount rationalAmount(const mpq_class& q) {
    Amount a;
    a.value = q.get_d();
    std::string decimal;
    a.exactIsDecimal = terminatingDecimal(q, decimal);
    a.exact = a.exactIsDecimal ? decimal : q.get_str();
    return a;
}

Amount surdAmount(const kit::Surd& s) {
    if (s.radicand == 1 || s.coefficient == 0)
        return rationalAmount(s.coefficient);
    return {s.approximate(), kit::surdText(s), false};
}

Amount piAmount(const mpq_class& coefficient) {
    if (coefficient == 0)
        return rationalAmount(0);
    return {coefficient.get_d() * std::numbers::pi, piText(coefficient), false};
}

Amount sumAmount(const mpq_class& q, const kit::Surd& s) {
    if (s.radicand == 1 || s.coefficient == 0)
        return rationalAmount(q + s.coefficient);
    if (q == 0)
        return surdAmount(s);
    return {q.get_d() + s.approximate(), numberText(q) + " + " + kit::surdText(s), false};
}

Amount sumPiAmount(const mpq_class& q, const mpq_class& coefficient) {
    if (coefficient == 0)
        return rationalAmount(q);
    if (q == 0)
        return piAmount(coefficient);
    return {q.get_d() + coefficient.get_d() * std::numbers::pi,
            numberText(q) + " + " + piText(coefficient), false};
}

Amount decimalAmount(double value) {
    return {value, std::string(), false};
}

std::string amountText(const Amount& amount) {
    if (amount.exact.empty())
        return "\u2248 " + roundedText(amount.value);
    if (amount.exactIsDecimal)
        return amount.exact;
    return amount.exact + " \u2248 " + roundedText(amount.value);
}

} // namespace planesurface
