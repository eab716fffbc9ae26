#include "imaginaries/core/quadratic.h"

namespace imaginaries {
namespace {

constexpr unsigned long squareFactorSearchLimit = 100000;

std::string rootText(const mpq_class& factor, const mpz_class& radicand, bool imaginary) {
    if (radicand == 0)
        return "0";
    std::string text = radicand == 1
                           ? factor.get_str()
                           : (factor == 1 ? "" : factor.get_str()) + "&radic;" + radicand.get_str();
    if (!imaginary)
        return text;
    if (radicand == 1 && factor == 1)
        return "i";
    return text + "i";
}

} // namespace

void simplifySquareRoot(const mpq_class& value, mpq_class& factor, mpz_class& radicand) {
    mpz_class n = value.get_num() * value.get_den();
    mpz_class outside = 1;
    if (mpz_perfect_square_p(n.get_mpz_t())) {
        outside = sqrt(n);
        n = n == 0 ? 0 : 1;
    } else {
        for (unsigned long d = 2; d <= squareFactorSearchLimit && mpz_class(d) * d <= n; ++d) {
            const mpz_class square = mpz_class(d) * d;
            while (n % square == 0) {
                n /= square;
                outside *= d;
            }
        }
    }
    factor = mpq_class(outside, value.get_den());
    factor.canonicalize();
    radicand = n;
}

QuadraticRoots solveQuadratic(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    QuadraticRoots roots;
    roots.discriminant = b * b - 4 * a * c;
    roots.realPart = -b / (2 * a);
    mpq_class factor;
    simplifySquareRoot(abs(roots.discriminant), factor, roots.offsetRadicand);
    roots.offsetFactor = abs(factor / (2 * a));
    return roots;
}

std::vector<ExactComplex> exactRoots(const QuadraticRoots& roots) {
    if (!roots.exact())
        return {};
    const mpq_class offset = roots.offsetRadicand == 0 ? mpq_class(0) : roots.offsetFactor;
    if (sgn(roots.discriminant) < 0)
        return {{roots.realPart, offset}, {roots.realPart, -offset}};
    return {{roots.realPart + offset, 0}, {roots.realPart - offset, 0}};
}

std::vector<std::string> quadraticSteps(const mpq_class& a, const mpq_class& b,
                                        const mpq_class& c) {
    const QuadraticRoots roots = solveQuadratic(a, b, c);
    const bool imaginary = sgn(roots.discriminant) < 0;
    std::vector<std::string> steps;
    steps.push_back("The discriminant is D = b<sup>2</sup> &minus; 4ac = (" + b.get_str() +
                    ")<sup>2</sup> &minus; 4&middot;(" + a.get_str() + ")&middot;(" + c.get_str() +
                    ") = " + roots.discriminant.get_str() + ".");
    if (imaginary)
        steps.push_back(
            "D &lt; 0, so there is no real root; since i<sup>2</sup> = &minus;1, "
            "&radic;D = i&radic;" +
            mpq_class(-roots.discriminant).get_str() + " = " +
            rootText(mpq_class(2 * abs(a) * roots.offsetFactor), roots.offsetRadicand, true) + ".");
    steps.push_back("x = (&minus;b &plusmn; &radic;D)/(2a) = " + roots.realPart.get_str() +
                    " &plusmn; " + rootText(roots.offsetFactor, roots.offsetRadicand, imaginary) +
                    ".");
    if (imaginary)
        steps.push_back("The two roots are complex conjugates: the coefficients are real, so "
                        "conjugating a root gives a root.");
    return steps;
}

} // namespace imaginaries
