#include "equations/core/polynomial_algebra.h"

#include "kit/core/answer_checks.h"
#include "kit/core/expression_input.h"
#include "kit/core/ginac_access.h"

#include <Eigen/Eigenvalues>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace equations {

namespace {

mpq_class toRational(const GiNaC::numeric& n) {
    std::ostringstream num, den;
    num << n.numer();
    den << n.denom();
    mpq_class q(mpz_class(num.str()), mpz_class(den.str()));
    q.canonicalize();
    return q;
}

GiNaC::numeric toNumeric(const mpq_class& q) {
    return GiNaC::numeric(q.get_num().get_str().c_str()) /
           GiNaC::numeric(q.get_den().get_str().c_str());
}

GiNaC::ex toGinac(const Polynomial& p, const GiNaC::symbol& x) {
    GiNaC::ex sum = 0;
    for (int k = 0; k <= p.degree(); ++k)
        sum += toNumeric(p.coefficient(k)) * GiNaC::pow(x, k);
    return sum;
}

// The coefficients of a polynomial GiNaC expression, or nullopt when one is not rational.
std::optional<Polynomial> fromGinac(const GiNaC::ex& e, const GiNaC::symbol& x) {
    const GiNaC::ex expanded = GiNaC::expand(e);
    std::vector<mpq_class> coefficients;
    const int degree = expanded.is_zero() ? -1 : expanded.degree(x);
    for (int k = 0; k <= degree; ++k) {
        const GiNaC::ex c = expanded.coeff(x, k);
        if (!GiNaC::is_a<GiNaC::numeric>(c) || !GiNaC::ex_to<GiNaC::numeric>(c).is_rational())
            return std::nullopt;
        coefficients.push_back(toRational(GiNaC::ex_to<GiNaC::numeric>(c)));
    }
    return Polynomial(std::move(coefficients));
}

// The factor written with coprime integer coefficients and a positive leading coefficient;
// returns the number it was divided by.
mpq_class makePrimitive(Polynomial& p) {
    mpz_class denominators = 1, numerators = 0;
    for (const auto& c : p.coefficients()) {
        denominators = lcm(denominators, c.get_den());
        numerators = gcd(numerators, c.get_num());
    }
    mpq_class content(numerators, denominators);
    content.canonicalize();
    if (p.leading() < 0)
        content = -content;
    p = mpq_class(1 / content) * p;
    return content;
}

bool factorOrder(const Factor& a, const Factor& b) {
    if (a.polynomial.degree() != b.polynomial.degree())
        return a.polynomial.degree() < b.polynomial.degree();
    const auto& ca = a.polynomial.coefficients();
    const auto& cb = b.polynomial.coefficients();
    if (a.polynomial.degree() == 1)
        return -ca[0] / ca[1] < -cb[0] / cb[1];
    return std::lexicographical_compare(ca.rbegin(), ca.rend(), cb.rbegin(), cb.rend());
}

std::string factorText(const Factor& f, bool html, bool alone) {
    std::string inner = html ? f.polynomial.html() : f.polynomial.typed();
    const bool bare = f.polynomial.degree() == 1 && f.polynomial.coefficient(0) == 0 &&
                      f.polynomial.leading() == 1;
    if (!bare && !(alone && f.multiplicity == 1))
        inner = "(" + inner + ")";
    if (f.multiplicity > 1)
        inner += html ? "<sup>" + std::to_string(f.multiplicity) + "</sup>"
                      : "^" + std::to_string(f.multiplicity);
    return inner;
}

std::string factorizationText(const Factorization& f, bool html) {
    std::string text;
    const bool alone = f.factors.size() == 1 && f.constant == 1;
    for (const auto& factor : f.factors)
        text += (text.empty() || html ? "" : "*") + factorText(factor, html, alone);
    if (text.empty())
        return html ? numberHtml(f.constant) : numberTyped(f.constant);
    if (f.constant == -1)
        return (html ? "&minus;" : "-") + text;
    if (f.constant != 1) {
        const std::string c = html ? numberHtml(f.constant) : numberTyped(f.constant);
        return (f.constant.get_den() != 1 && !html ? "(" + c + ")" : c) + (html ? " " : "*") + text;
    }
    return text;
}

std::string decimalText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text = buffer;
    return text == "-0" ? "0" : text;
}

// sqrt(d) = k sqrt(m) with m free of the squares of small primes.
std::pair<mpz_class, mpz_class> splitSquare(mpz_class d) {
    mpz_class k = 1;
    for (unsigned long p = 2; p <= 100000 && p * p <= d; ++p)
        while (d % (p * p) == 0) {
            d /= p * p;
            k *= p;
        }
    if (mpz_perfect_square_p(d.get_mpz_t())) {
        k *= sqrt(d);
        d = 1;
    }
    return {k, d};
}

RealRoot rationalRoot(const mpq_class& r, int multiplicity) {
    RealRoot root;
    root.value = r.get_d();
    root.html = numberHtml(r);
    root.typed = numberTyped(r);
    root.exact = true;
    root.rational = r;
    root.multiplicity = multiplicity;
    return root;
}

// The two roots (-b -+ k sqrt(m)) / 2a of an irreducible quadratic with integer coefficients.
std::vector<RealRoot> surdRoots(const mpz_class& a, const mpz_class& b, const mpz_class& k,
                                const mpz_class& m, int multiplicity) {
    const mpz_class g = gcd(gcd(b, k), 2 * a);
    const mpz_class u = -b / g, v = k / g, l = 2 * a / g;
    const double offset = v.get_d() * std::sqrt(m.get_d());
    std::vector<RealRoot> roots;
    for (const int sign : {-1, 1}) {
        const std::string radicalHtml = (v == 1 ? "" : v.get_str()) + "&radic;" + m.get_str();
        const std::string radicalTyped =
            (v == 1 ? "" : v.get_str() + "*") + "sqrt(" + m.get_str() + ")";
        std::string html, typed;
        if (u == 0) {
            html = (sign < 0 ? "&minus;" : "") + radicalHtml;
            typed = (sign < 0 ? "-" : "") + radicalTyped;
        } else {
            html = numberHtml(u) + (sign < 0 ? " &minus; " : " + ") + radicalHtml;
            typed = u.get_str() + (sign < 0 ? " - " : " + ") + radicalTyped;
        }
        if (l != 1) {
            html = (u == 0 ? html : "(" + html + ")") + "/" + l.get_str();
            typed = "(" + typed + ")/" + l.get_str();
        }
        RealRoot root;
        root.value = (u.get_d() + sign * offset) / l.get_d();
        root.html = html;
        root.typed = typed;
        root.exact = true;
        root.multiplicity = multiplicity;
        roots.push_back(root);
    }
    return roots;
}

double newtonPolish(const Polynomial& p, double x) {
    const Polynomial d = p.derivative();
    for (int step = 0; step < 50; ++step) {
        const double slope = d.at(x);
        if (slope == 0 || !std::isfinite(slope))
            break;
        const double next = x - p.at(x) / slope;
        if (!std::isfinite(next) || next == x)
            break;
        x = next;
    }
    return x;
}

std::vector<RealRoot> numericRoots(const Polynomial& p, int multiplicity) {
    const int n = p.degree();
    Eigen::MatrixXd companion = Eigen::MatrixXd::Zero(n, n);
    const double lead = p.leading().get_d();
    for (int row = 1; row < n; ++row)
        companion(row, row - 1) = 1.0;
    for (int row = 0; row < n; ++row)
        companion(row, n - 1) = -p.coefficient(row).get_d() / lead;
    Eigen::EigenSolver<Eigen::MatrixXd> solver(companion, false);
    std::vector<double> values;
    for (const auto& lambda : solver.eigenvalues())
        if (std::abs(lambda.imag()) <= 1e-7 * (1.0 + std::abs(lambda.real())))
            values.push_back(newtonPolish(p, lambda.real()));
    std::sort(values.begin(), values.end());
    std::vector<RealRoot> roots;
    for (const double value : values) {
        RealRoot root;
        root.value = value;
        root.typed = decimalText(value);
        root.html = "&asymp; " + (value < 0 ? "&minus;" + root.typed.substr(1) : root.typed);
        root.multiplicity = multiplicity;
        roots.push_back(root);
    }
    return roots;
}

mpz_class integerCoefficient(const Polynomial& p, int k) {
    return p.coefficient(k).get_num(); // a primitive factor has integer coefficients
}

} // namespace

kit::Parsed<Polynomial> parsePolynomial(std::string_view text) {
    const auto parsed = kit::Expression::parse(text, {"x"});
    if (!parsed.ok())
        return parsed.error();
    try {
        const GiNaC::ex& e = kit::ginacExpression(parsed.value());
        const GiNaC::symbol& x = kit::ginacSymbols(parsed.value()).front();
        const GiNaC::ex expanded = GiNaC::expand(e);
        if (!expanded.is_polynomial(x))
            return kit::ParseError{"this is not a polynomial: x may only appear with whole "
                                   "exponents 0, 1, 2, ..., never in a denominator, a root or "
                                   "a function",
                                   0};
        if (expanded.degree(x) > maxDegree)
            return kit::ParseError{"the degree is " + std::to_string(expanded.degree(x)) +
                                       "; at most " + std::to_string(maxDegree) + " here",
                                   0};
        const auto p = fromGinac(expanded, x);
        if (!p)
            return kit::ParseError{"the coefficients must be exact rational numbers (such as "
                                   "3, -1/2 or 0.25); roots and functions of numbers are not "
                                   "allowed here",
                                   0};
        return *p;
    } catch (const std::exception&) {
        return kit::ParseError{"the expression could not be worked out", 0};
    }
}

Factorization factorOverRationals(const Polynomial& p) {
    Factorization result;
    if (p.degree() <= 0) {
        result.constant = p.leading();
        return result;
    }
    GiNaC::symbol x("x");
    const GiNaC::ex factored = GiNaC::factor(toGinac(p, x));
    const auto take = [&](const GiNaC::ex& piece) {
        GiNaC::ex base = piece;
        int exponent = 1;
        if (GiNaC::is_a<GiNaC::power>(piece) && GiNaC::is_a<GiNaC::numeric>(piece.op(1))) {
            base = piece.op(0);
            exponent = GiNaC::ex_to<GiNaC::numeric>(piece.op(1)).to_int();
        }
        auto polynomial = fromGinac(base, x);
        if (!polynomial || polynomial->isZero())
            return;
        if (polynomial->degree() == 0) {
            for (int k = 0; k < exponent; ++k)
                result.constant *= polynomial->leading();
            return;
        }
        const mpq_class content = makePrimitive(*polynomial);
        for (int k = 0; k < exponent; ++k)
            result.constant *= content;
        for (auto& known : result.factors)
            if (known.polynomial == *polynomial) {
                known.multiplicity += exponent;
                return;
            }
        result.factors.push_back({*polynomial, exponent});
    };
    if (GiNaC::is_a<GiNaC::mul>(factored))
        for (const auto& piece : factored)
            take(piece);
    else
        take(factored);
    std::sort(result.factors.begin(), result.factors.end(), factorOrder);
    return result;
}

Polynomial expand(const Factorization& f) {
    Polynomial product({f.constant});
    for (const auto& factor : f.factors)
        for (int k = 0; k < factor.multiplicity; ++k)
            product = product * factor.polynomial;
    return product;
}

std::string factorizationHtml(const Factorization& f) {
    return factorizationText(f, true);
}

std::string factorizationTyped(const Factorization& f) {
    return factorizationText(f, false);
}

std::vector<RealRoot> rootsOfFactor(const Polynomial& factor, int multiplicity) {
    if (factor.degree() == 1)
        return {rationalRoot(-factor.coefficient(0) / factor.coefficient(1), multiplicity)};
    if (factor.degree() == 2) {
        const mpz_class a = integerCoefficient(factor, 2), b = integerCoefficient(factor, 1),
                        c = integerCoefficient(factor, 0);
        const mpz_class d = b * b - 4 * a * c;
        if (d < 0)
            return {};
        const auto [k, m] = splitSquare(d);
        if (m == 1) { // not irreducible after all: two rational roots
            std::vector<RealRoot> roots;
            for (const int sign : {-1, 1}) {
                mpq_class r(-b + sign * k, 2 * a);
                r.canonicalize();
                roots.push_back(rationalRoot(r, multiplicity));
            }
            return roots;
        }
        return surdRoots(a, b, k, m, multiplicity);
    }
    return factor.degree() > 2 ? numericRoots(factor, multiplicity) : std::vector<RealRoot>{};
}

std::vector<RealRoot> realRoots(const Factorization& f) {
    std::vector<RealRoot> roots;
    for (const auto& factor : f.factors)
        for (auto& root : rootsOfFactor(factor.polynomial, factor.multiplicity))
            roots.push_back(std::move(root));
    std::sort(roots.begin(), roots.end(),
              [](const RealRoot& a, const RealRoot& b) { return a.value < b.value; });
    return roots;
}

std::vector<std::string> nonRealQuadraticRootsHtml(const Factorization& f) {
    std::vector<std::string> texts;
    for (const auto& factor : f.factors) {
        if (factor.polynomial.degree() != 2)
            continue;
        const mpz_class a = integerCoefficient(factor.polynomial, 2),
                        b = integerCoefficient(factor.polynomial, 1),
                        c = integerCoefficient(factor.polynomial, 0);
        const mpz_class d = b * b - 4 * a * c;
        if (d >= 0)
            continue;
        const auto [k, m] = splitSquare(-d);
        const mpz_class g = gcd(gcd(b, k), 2 * a);
        const mpz_class u = -b / g, v = k / g, l = 2 * a / g;
        std::string text = (u == 0 ? "" : numberHtml(u) + " ") + "&plusmn; " +
                           (v == 1 ? "" : v.get_str()) + (m == 1 ? "" : "&radic;" + m.get_str()) +
                           "<i>i</i>";
        if (l != 1)
            text = "(" + text + ")/" + l.get_str();
        texts.push_back(text + " &nbsp;(from " + factor.polynomial.html() + ")");
    }
    return texts;
}

namespace {

// Why one typed factor is not finished, or an empty text when it is.
std::string unfinishedFactor(const GiNaC::ex& piece, const GiNaC::symbol& x) {
    GiNaC::ex base = piece;
    if (GiNaC::is_a<GiNaC::power>(piece))
        base = piece.op(0);
    const auto polynomial = fromGinac(base, x);
    if (!polynomial)
        return "a factor is not a polynomial with rational coefficients";
    if (polynomial->degree() < 2)
        return "";
    const Factorization split = factorOverRationals(*polynomial);
    if (split.factors.size() > 1 || split.factors.front().multiplicity > 1)
        return polynomial->typed() + " can still be factored";
    return "";
}

} // namespace

kit::Verdict checkFactorisation(std::string_view typed, const Polynomial& p) {
    const auto parsed = kit::Expression::parse(typed, {"x"});
    if (!parsed.ok())
        return {false, parsed.error().message};
    try {
        const GiNaC::ex& e = kit::ginacExpression(parsed.value());
        const GiNaC::symbol& x = kit::ginacSymbols(parsed.value()).front();
        const GiNaC::ex expanded = GiNaC::expand(e);
        const auto value = expanded.is_polynomial(x) ? fromGinac(expanded, x) : std::nullopt;
        if (!value)
            return {false, "that is not a polynomial with rational coefficients"};
        if (!(*value == p))
            return {false, "that multiplies out to " + value->typed() + ", not to " + p.typed()};
        if (GiNaC::is_a<GiNaC::add>(e))
            return {false, "that is the polynomial again, written as a sum: write it as a "
                           "product of factors"};
        std::vector<GiNaC::ex> pieces;
        if (GiNaC::is_a<GiNaC::mul>(e))
            pieces.assign(e.begin(), e.end());
        else
            pieces.push_back(e);
        for (const auto& piece : pieces)
            if (const std::string why = unfinishedFactor(piece, x); !why.empty())
                return {false, "right value, not finished: " + why};
        return {true, kit::correctMessage};
    } catch (const std::exception&) {
        return {false, "that could not be worked out"};
    }
}

} // namespace equations
