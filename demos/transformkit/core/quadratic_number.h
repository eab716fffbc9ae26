#pragma once

#include <gmpxx.h>
#include <optional>
#include <string>

namespace transformkit {

// r + s·√d with rational r and s and d = 1, 2 or 3: the cosines and sines of multiples of 30°
// and 45°, and the coordinates of rational points turned through those angles.
struct QuadraticNumber {
    mpq_class r;
    mpq_class s;
    int d = 1;

    double approximate() const;
    bool isRational() const { return d == 1 || s == 0; }
    mpq_class rationalValue() const { return d == 1 ? mpq_class(r + s) : r; }
};

QuadraticNumber operator+(const QuadraticNumber& p, const QuadraticNumber& q);
QuadraticNumber operator*(const mpq_class& k, const QuadraticNumber& q);

// "−1/2 + 3√3/2", "√2", "5".
std::string quadraticText(const QuadraticNumber& q);

// cos and sin of an angle in degrees when it is a multiple of 30° or 45°; nullopt otherwise.
struct CosineSine {
    QuadraticNumber cosine;
    QuadraticNumber sine;
};
std::optional<CosineSine> specialCosineSine(const mpq_class& degrees);

} // namespace transformkit
