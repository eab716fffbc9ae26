#include "equations/core/polynomial.h"

#include <stdexcept>

namespace equations {

Polynomial::Polynomial(std::vector<mpq_class> coefficients)
    : coefficients_(std::move(coefficients)) {
    for (auto& c : coefficients_)
        c.canonicalize();
    trim();
}

Polynomial Polynomial::linear(const mpq_class& root) {
    return Polynomial({-root, mpq_class(1)});
}

void Polynomial::trim() {
    while (!coefficients_.empty() && coefficients_.back() == 0)
        coefficients_.pop_back();
}

mpq_class Polynomial::coefficient(int power) const {
    if (power < 0 || power > degree())
        return 0;
    return coefficients_[static_cast<std::size_t>(power)];
}

mpq_class Polynomial::at(const mpq_class& x) const {
    mpq_class value = 0;
    for (auto c = coefficients_.rbegin(); c != coefficients_.rend(); ++c)
        value = value * x + *c;
    return value;
}

double Polynomial::at(double x) const {
    double value = 0;
    for (auto c = coefficients_.rbegin(); c != coefficients_.rend(); ++c)
        value = value * x + c->get_d();
    return value;
}

Polynomial Polynomial::derivative() const {
    std::vector<mpq_class> d;
    for (std::size_t k = 1; k < coefficients_.size(); ++k)
        d.push_back(coefficients_[k] * static_cast<long>(k));
    return Polynomial(std::move(d));
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
    if (a.isZero() || b.isZero())
        return {};
    std::vector<mpq_class> product(a.coefficients_.size() + b.coefficients_.size() - 1);
    for (std::size_t i = 0; i < a.coefficients_.size(); ++i)
        for (std::size_t j = 0; j < b.coefficients_.size(); ++j)
            product[i + j] += a.coefficients_[i] * b.coefficients_[j];
    return Polynomial(std::move(product));
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
    std::vector<mpq_class> sum(std::max(a.coefficients_.size(), b.coefficients_.size()));
    for (std::size_t k = 0; k < sum.size(); ++k)
        sum[k] = a.coefficient(static_cast<int>(k)) + b.coefficient(static_cast<int>(k));
    return Polynomial(std::move(sum));
}

Polynomial operator-(const Polynomial& a, const Polynomial& b) {
    return a + mpq_class(-1) * b;
}

Polynomial operator*(const mpq_class& c, const Polynomial& p) {
    std::vector<mpq_class> scaled = p.coefficients_;
    for (auto& k : scaled)
        k *= c;
    return Polynomial(std::move(scaled));
}

Division divide(const Polynomial& a, const Polynomial& b) {
    if (b.isZero())
        throw std::invalid_argument("division by the zero polynomial");
    std::vector<mpq_class> quotient(
        static_cast<std::size_t>(std::max(0, a.degree() - b.degree() + 1)));
    Polynomial rest = a;
    while (!rest.isZero() && rest.degree() >= b.degree()) {
        const int shift = rest.degree() - b.degree();
        const mpq_class factor = rest.leading() / b.leading();
        quotient[static_cast<std::size_t>(shift)] = factor;
        std::vector<mpq_class> term(static_cast<std::size_t>(shift) + 1);
        term.back() = factor;
        rest = rest - Polynomial(term) * b;
    }
    return {Polynomial(std::move(quotient)), rest};
}

std::string numberTyped(const mpq_class& q) {
    return q.get_str();
}

std::string numberHtml(const mpq_class& q) {
    std::string text = mpq_class(abs(q)).get_str();
    return q < 0 ? "&minus;" + text : text;
}

namespace {

// One term c x^k written with its sign handled by the caller (c > 0 here).
std::string termText(const mpq_class& c, std::size_t k, bool html) {
    std::string number = html ? numberHtml(c) : numberTyped(c);
    if (k == 0)
        return number;
    std::string power =
        k == 1 ? "x" : (html ? "x<sup>" + std::to_string(k) + "</sup>" : "x^" + std::to_string(k));
    if (c == 1)
        return power;
    if (c.get_den() != 1)
        number = html ? number : "(" + number + ")";
    return number + (html ? "" : "*") + power;
}

std::string written(const std::vector<mpq_class>& coefficients, bool html) {
    if (coefficients.empty())
        return "0";
    std::string text;
    for (std::size_t k = coefficients.size(); k-- > 0;) {
        const mpq_class& c = coefficients[k];
        if (c == 0)
            continue;
        const std::string minus = html ? " &minus; " : " - ";
        if (text.empty())
            text = (c < 0 ? (html ? "&minus;" : "-") : "") + termText(mpq_class(abs(c)), k, html);
        else
            text += (c < 0 ? minus : std::string(" + ")) + termText(mpq_class(abs(c)), k, html);
    }
    return text;
}

} // namespace

std::string Polynomial::typed() const {
    return written(coefficients_, false);
}

std::string Polynomial::html() const {
    return written(coefficients_, true);
}

} // namespace equations
