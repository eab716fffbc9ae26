#pragma once

#include <string>

namespace angles {

enum class WaveKind { Sine, Cosine, Tangent };

// y = A·f(b(x − c)) + d for f = sin, cos or tan, x in radians.
struct Sinusoid {
    WaveKind kind = WaveKind::Sine;
    double amplitude = 1; // A
    double frequency = 1; // b, never 0
    double phase = 0;     // c: the graph of f moved right by c
    double shift = 0;     // d: moved up by d
};

double valueAt(const Sinusoid& s, double x);
// 2π/|b| for sine and cosine, π/|b| for the tangent.
double period(const Sinusoid& s);
// The formula in the kit's typed grammar: "2*sin(3*(x - 0.5)) + 1".
std::string typedFormula(const Sinusoid& s);
// "y = 2 sin(3(x − 0.5)) + 1" with the facts: amplitude, period, phase shift, range.
std::string factsHtml(const Sinusoid& s);

} // namespace angles
