#include "grids2/core/eigen_analysis.h"

#include "kit/core/bounded_work.h"
#include "matrixkit/core/determinant.h"

#include <Eigen/Dense>
#include <Eigen/Eigenvalues>

#include <cmath>
#include <complex>
#include <cstdio>
#include <numeric>
#include <stdexcept>

namespace grids2 {

using matrixkit::Matrix;
using matrixkit::rationalHtml;

namespace {

constexpr const char* lambda = "&lambda;";

std::string decimal(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", std::abs(x) < 5e-5 ? 0.0 : x);
    std::string s = text;
    if (s.front() == '-')
        s = "&minus;" + s.substr(1);
    return s;
}

// p(x) / (x - r) by synthetic division (r a root, so the remainder is 0).
Vector dividedByRoot(const Vector& p, const mpq_class& r) {
    Vector q;
    mpq_class carry = 0;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        carry = carry * r + p[i];
        q.push_back(carry);
    }
    return q;
}

mpq_class valueAt(const Vector& p, const mpq_class& x) {
    mpq_class v = 0;
    for (const mpq_class& c : p)
        v = v * x + c;
    return v;
}

// The positive divisors of |n| by trial division; empty when the budget runs out.
std::vector<mpz_class> divisors(mpz_class n, kit::WorkBudget& budget) {
    n = abs(n);
    std::vector<mpz_class> small, large;
    for (mpz_class d = 1; d * d <= n; ++d) {
        if (!budget.spend())
            return {};
        if (n % d == 0) {
            small.push_back(d);
            if (d * d != n)
                large.push_back(n / d);
        }
    }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

// An eigenvector of the real number lambda for a 2 × 2 or 3 × 3 matrix, numerically: a row
// of A − λI is orthogonal to it, so for 3 × 3 it is the longest cross product of two rows.
std::vector<double> numericEigenvector(const Matrix& a, double value) {
    const int n = a.rows();
    std::vector<std::vector<double>> m(static_cast<std::size_t>(n),
                                       std::vector<double>(static_cast<std::size_t>(n)));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                a.at(i, j).get_d() - (i == j ? value : 0.0);
    std::vector<double> best(static_cast<std::size_t>(n), 0.0);
    double bestLength = -1;
    const auto consider = [&](std::vector<double> v) {
        double length = 0;
        for (double x : v)
            length += x * x;
        if (length > bestLength) {
            bestLength = length;
            best = v;
        }
    };
    if (n == 2) {
        for (int i = 0; i < 2; ++i)
            consider({m[static_cast<std::size_t>(i)][1], -m[static_cast<std::size_t>(i)][0]});
    } else {
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j) {
                const auto& r = m[static_cast<std::size_t>(i)];
                const auto& s = m[static_cast<std::size_t>(j)];
                consider({r[1] * s[2] - r[2] * s[1], r[2] * s[0] - r[0] * s[2],
                          r[0] * s[1] - r[1] * s[0]});
            }
    }
    const double length = std::sqrt(bestLength);
    if (length > 0)
        for (double& x : best)
            x /= length;
    return best;
}

// The roots of a monic real polynomial of degree 1 to 3 through its companion matrix.
std::vector<std::complex<double>> numericRoots(const Vector& p) {
    const int d = static_cast<int>(p.size()) - 1;
    Eigen::MatrixXd companion = Eigen::MatrixXd::Zero(d, d);
    for (int i = 1; i < d; ++i)
        companion(i, i - 1) = 1.0;
    for (int i = 0; i < d; ++i)
        companion(i, d - 1) = -mpq_class(p[static_cast<std::size_t>(d - i)] / p[0]).get_d();
    Eigen::EigenSolver<Eigen::MatrixXd> solver(companion, false);
    std::vector<std::complex<double>> roots;
    for (int i = 0; i < d; ++i)
        roots.push_back(solver.eigenvalues()(i));
    return roots;
}

void addRational(EigenAnalysis& e, const Matrix& a, const mpq_class& r) {
    for (Eigenvalue& v : e.values)
        if (v.rational && *v.rational == r) {
            ++v.multiplicity;
            return;
        }
    Eigenvalue v;
    v.rational = r;
    v.valueHtml = rationalHtml(r);
    v.approximate = r.get_d();
    v.exactVectors =
        nullSpace(matrixkit::subtract(a, matrixkit::scale(r, Matrix::identity(a.rows()))));
    e.values.push_back(v);
}

// The largest k with k^2 dividing n (n > 0), by trial up to a bound; 1 past it.
mpz_class squareFactor(const mpz_class& n) {
    mpz_class k = 1;
    for (mpz_class f = 2; f * f <= n && f <= 10000; ++f)
        while (n % (f * f * k * k) == 0 && f * f * k * k <= n)
            k *= f;
    return k;
}

// (p ± k√m)/q written as simply as the numbers allow: "1 &plusmn; &radic;2", "(1 &plusmn;
// &radic;5)/2".
std::string rootFormHtml(const mpq_class& centre2, const mpq_class& disc, int sign) {
    // roots = (centre2 ± √disc)/2 with centre2 = -b
    std::string radical;
    mpq_class outside = 1;
    if (disc.get_den() == 1) {
        const mpz_class size = abs(disc.get_num());
        const mpz_class k = squareFactor(size);
        outside = mpq_class(k);
        const mpz_class rest = size / (k * k);
        radical = rest == 1 ? "" : "&radic;" + rest.get_str();
    } else {
        radical = "&radic;(" + rationalHtml(abs(disc)) + ")";
    }
    if (disc < 0)
        radical += "i";
    mpq_class over = 2;
    if (mpq_class(centre2 / 2).get_den() == 1 && mpq_class(outside / 2).get_den() == 1) {
        outside /= 2;
        over = 1;
    }
    const mpq_class centre = over == 1 ? mpq_class(centre2 / 2) : centre2;
    std::string term = (outside == 1 && !radical.empty() ? "" : rationalHtml(outside)) + radical;
    std::string html;
    if (centre == 0)
        html = (sign < 0 ? "&minus;" : "") + term;
    else
        html = rationalHtml(centre) + (sign > 0 ? " + " : " &minus; ") + term;
    if (over == 1)
        return html;
    return (centre == 0 ? html : "(" + html + ")") + "/2";
}

void addQuadraticRoots(EigenAnalysis& e, const Matrix& a, const Vector& q) {
    // q = [q0, q1, q2]; the monic form λ² + bλ + c has the roots (−b ± √(b² − 4c))/2
    const mpq_class b = q[1] / q[0], c = q[2] / q[0];
    const mpq_class disc = b * b - 4 * c;
    e.steps.push_back("The factor " + polynomialHtml(q) + " has discriminant " +
                      rationalHtml(disc) +
                      (disc < 0 ? " &lt; 0: its roots are complex, not real."
                                : ", not the square of a rational: its roots are irrational.") +
                      " By the quadratic formula &lambda; = (" + rationalHtml(mpq_class(-b)) +
                      " &plusmn; &radic;(" + rationalHtml(disc) + "))/2.");
    const double centreValue = mpq_class(-b / 2).get_d();
    const double spread = std::sqrt(std::abs(disc.get_d())) / 2;
    for (int sign : {1, -1}) {
        Eigenvalue v;
        v.valueHtml = rootFormHtml(mpq_class(-b), disc, sign) + " &asymp; " +
                      (disc < 0 ? decimal(centreValue) + (sign > 0 ? " + " : " &minus; ") +
                                      decimal(spread) + "i"
                                : decimal(centreValue + sign * spread));
        if (disc < 0) {
            v.real = false;
            v.approximate = centreValue;
            v.imaginary = sign * spread;
        } else {
            v.approximate = centreValue + sign * spread;
            v.numericVectors.push_back(numericEigenvector(a, v.approximate));
        }
        e.values.push_back(v);
    }
}

void addNumericRoots(EigenAnalysis& e, const Matrix& a, const Vector& rest) {
    e.steps.push_back("The factor " + polynomialHtml(rest) +
                      " has no rational root, so its roots are found numerically.");
    for (const auto& z : numericRoots(rest)) {
        Eigenvalue v;
        v.real = std::abs(z.imag()) < 1e-9;
        v.approximate = z.real();
        v.imaginary = v.real ? 0.0 : z.imag();
        v.valueHtml =
            "&asymp; " + decimal(z.real()) +
            (v.real ? ""
                    : (z.imag() > 0 ? " + " : " &minus; ") + decimal(std::abs(z.imag())) + "i");
        if (v.real)
            v.numericVectors.push_back(numericEigenvector(a, v.approximate));
        e.values.push_back(v);
    }
}

// "A &minus; 3I", "A &minus; I", "A + 2I", "A"
std::string shiftedHtml(const mpq_class& value) {
    if (value == 0)
        return "A";
    const mpq_class size = abs(value);
    return std::string("A ") + (value > 0 ? "&minus; " : "+ ") +
           (size == 1 ? "" : rationalHtml(size)) + "I";
}

} // namespace

Vector characteristicPolynomial(const Matrix& a) {
    if (!a.isSquare() || a.rows() < 2 || a.rows() > 3)
        throw std::invalid_argument(
            "eigenvalues here are for 2 \u00d7 2 and 3 \u00d7 3 matrices; this one is " +
            matrixkit::sizeText(a));
    mpq_class trace = 0;
    for (int i = 0; i < a.rows(); ++i)
        trace += a.at(i, i);
    const mpq_class det = matrixkit::determinantByCofactors(a);
    if (a.rows() == 2)
        return {1, -trace, det};
    mpq_class minors = 0;
    for (int i = 0; i < 3; ++i)
        minors += matrixkit::determinantByCofactors(a.without(i, i));
    return {1, -trace, minors, -det};
}

std::string polynomialHtml(const Vector& p) {
    const int degree = static_cast<int>(p.size()) - 1;
    std::string html;
    for (int k = 0; k <= degree; ++k) {
        const mpq_class& c = p[static_cast<std::size_t>(k)];
        const int power = degree - k;
        if (c == 0)
            continue;
        const mpq_class size = abs(c);
        std::string term = power == 0 || size != 1 ? rationalHtml(size) : "";
        if (power >= 1)
            term += lambda;
        if (power >= 2)
            term += "<sup>" + std::to_string(power) + "</sup>";
        html +=
            html.empty() ? (c < 0 ? "&minus;" : "") + term : (c < 0 ? " &minus; " : " + ") + term;
    }
    return html.empty() ? "0" : html;
}

RationalRoots rationalRoots(const Vector& coefficients) {
    RationalRoots result;
    result.rest = coefficients;
    Vector& p = result.rest;
    while (p.size() > 1 && p.back() == 0) {
        result.roots.push_back(0);
        p.pop_back();
    }
    if (p.size() <= 1)
        return result;
    // Integer coefficients with the same roots: multiply by the common denominator.
    mpz_class common = 1;
    for (const mpq_class& c : p)
        common = lcm(common, c.get_den());
    kit::WorkBudget budget(4'000'000);
    const auto leading = divisors(mpz_class(p.front() * common), budget);
    const auto constant = divisors(mpz_class(p.back() * common), budget);
    if (budget.exhausted()) {
        result.searched = false;
        return result;
    }
    for (const mpz_class& num : constant)
        for (const mpz_class& den : leading)
            for (int sign : {1, -1}) {
                const mpq_class candidate(sign * num, den);
                while (p.size() > 1 && valueAt(p, candidate) == 0) {
                    result.roots.push_back(candidate);
                    p = dividedByRoot(p, candidate);
                }
            }
    return result;
}

EigenAnalysis analyseEigen(const Matrix& a) {
    EigenAnalysis e;
    e.polynomial = characteristicPolynomial(a);
    e.steps.push_back("The eigenvalues are the roots of the characteristic polynomial det(" +
                      std::string(lambda) + "I &minus; A) = " + polynomialHtml(e.polynomial) +
                      (a.rows() == 2
                           ? " (" + std::string(lambda) + "<sup>2</sup> &minus; trace&middot;" +
                                 lambda + " + det)."
                           : "."));
    const RationalRoots found = rationalRoots(e.polynomial);
    if (!found.searched)
        e.steps.push_back("Its coefficients are too large to try every rational candidate.");
    else if (!found.roots.empty()) {
        std::string list;
        for (const mpq_class& r : found.roots)
            list += (list.empty() ? "" : ", ") + rationalHtml(r);
        e.steps.push_back("By the rational root theorem, a rational root p/q has p dividing the "
                          "constant term and q dividing the leading coefficient; trying these "
                          "candidates gives the roots " +
                          list + ".");
    }
    for (const mpq_class& r : found.roots)
        addRational(e, a, r);
    if (found.rest.size() == 3)
        addQuadraticRoots(e, a, found.rest);
    else if (found.rest.size() >= 2)
        addNumericRoots(e, a, found.rest);
    for (const Eigenvalue& v : e.values) {
        if (!v.rational)
            continue;
        std::string basis;
        for (const Vector& x : v.exactVectors)
            basis += (basis.empty() ? "" : ", ") + vectorHtml(x);
        e.steps.push_back(
            std::string(lambda) + " = " + v.valueHtml +
            (v.multiplicity > 1 ? " (a root " + std::to_string(v.multiplicity) + " times)" : "") +
            ": solve (" + shiftedHtml(*v.rational) +
            ")v = 0 by row reduction; the "
            "eigenvectors are the non-zero combinations of " +
            basis + ".");
    }
    return e;
}

} // namespace grids2
