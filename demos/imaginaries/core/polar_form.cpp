#include "imaginaries/core/polar_form.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace imaginaries {

Polar toPolar(std::complex<double> z) {
    return {std::abs(z), std::arg(z)};
}

std::complex<double> fromPolar(const Polar& polar) {
    return std::polar(polar.modulus, polar.argument);
}

double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

double principalDegrees(double degreesValue) {
    double value = std::fmod(degreesValue, 360.0);
    if (value <= -180.0)
        value += 360.0;
    if (value > 180.0)
        value -= 360.0;
    return value;
}

std::string polarText(const Polar& polar) {
    char buffer[96];
    const double angle = degrees(polar.argument);
    std::snprintf(buffer, sizeof buffer, "%.4g (cos %.2f\xC2\xB0 + i sin %.2f\xC2\xB0)",
                  polar.modulus, angle, angle);
    return buffer;
}

std::string exponentialText(const Polar& polar) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4g e^(%.4f i)", polar.modulus, polar.argument);
    return buffer;
}

std::vector<std::complex<double>> nthRoots(std::complex<double> w, int n) {
    std::vector<std::complex<double>> roots;
    if (n < 1 || w == std::complex<double>(0, 0))
        return roots;
    const Polar polar = toPolar(w);
    const double modulus = std::pow(polar.modulus, 1.0 / n);
    for (int k = 0; k < n; ++k)
        roots.push_back(std::polar(modulus, (polar.argument + 2 * std::numbers::pi * k) / n));
    return roots;
}

} // namespace imaginaries
