#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace equations {

// A polynomial in x with exact rational coefficients, lowest power first; no trailing zeros
// (the zero polynomial has no coefficients).
class Polynomial {
  public:
    Polynomial() = default;
    explicit Polynomial(std::vector<mpq_class> coefficients);
    // (x - root) with the given root, as a factor.
    static Polynomial linear(const mpq_class& root);

    int degree() const { return static_cast<int>(coefficients_.size()) - 1; } // -1 for zero
    bool isZero() const { return coefficients_.empty(); }
    const std::vector<mpq_class>& coefficients() const { return coefficients_; }
    mpq_class coefficient(int power) const;
    mpq_class leading() const { return isZero() ? mpq_class(0) : coefficients_.back(); }

    mpq_class at(const mpq_class& x) const;
    double at(double x) const;
    Polynomial derivative() const;

    friend Polynomial operator*(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator+(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator-(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator*(const mpq_class& c, const Polynomial& p);
    friend bool operator==(const Polynomial& a, const Polynomial& b) {
        return a.coefficients_ == b.coefficients_;
    }

    // Written as the learner types it: "2*x^3 - x + 1/2".
    std::string typed() const;
    // For the page: "2x<sup>3</sup> &minus; x + &frac12;"-like HTML, highest power first.
    std::string html() const;

  private:
    void trim();
    std::vector<mpq_class> coefficients_;
};

// Division with remainder: a = q b + r with deg r < deg b; b must not be zero.
struct Division {
    Polynomial quotient;
    Polynomial remainder;
};
Division divide(const Polynomial& a, const Polynomial& b);

// A rational number for the page: "&minus;3/4", "5".
std::string numberHtml(const mpq_class& q);
// A rational number as typed: "-3/4".
std::string numberTyped(const mpq_class& q);

} // namespace equations
