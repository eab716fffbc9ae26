#pragma once

#include <complex>
#include <string>
#include <vector>

namespace imaginaries {

// z = r(cos θ + i sin θ) = r·e^{iθ} with r = |z| and θ the principal argument in (−π, π].
struct Polar {
    double modulus = 0;
    double argument = 0; // radians
};

Polar toPolar(std::complex<double> z);
std::complex<double> fromPolar(const Polar& polar);

double degrees(double radians);
// The principal argument in degrees, in (−180, 180].
double principalDegrees(double degreesValue);

// "5 (cos 53.13° + i sin 53.13°)" and "5 e^(0.9273 i)".
std::string polarText(const Polar& polar);
std::string exponentialText(const Polar& polar);

// The n solutions of z^n = w (w non-zero, n >= 1): |w|^(1/n)·cis((θ + 2πk)/n) for k = 0..n−1,
// the corners of a regular n-gon around 0.
std::vector<std::complex<double>> nthRoots(std::complex<double> w, int n);

} // namespace imaginaries
