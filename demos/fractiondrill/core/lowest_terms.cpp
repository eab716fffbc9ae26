#include "fractiondrill/core/lowest_terms.h"

#include "fractiondrill/core/fraction_text.h"

namespace fractiondrill {

std::vector<EuclidLine> euclidLines(const mpz_class& a, const mpz_class& b) {
    std::vector<EuclidLine> lines;
    // The larger first, so the first line already divides (gcd(a, b) = gcd(b, a)).
    mpz_class x = abs(a) >= abs(b) ? abs(a) : abs(b);
    mpz_class y = abs(a) >= abs(b) ? abs(b) : abs(a);
    while (y != 0) {
        EuclidLine line{x, y, x / y, x % y};
        lines.push_back(line);
        x = y;
        y = line.remainder;
    }
    return lines;
}

std::vector<std::string> reductionSteps(const mpz_class& numerator, const mpz_class& denominator) {
    std::vector<std::string> steps;
    const std::string written = unreducedText(numerator, denominator);
    steps.push_back("Find the greatest common factor of " + mpz_class(abs(numerator)).get_str() +
                    " and " + mpz_class(abs(denominator)).get_str() + " by Euclid's algorithm:");
    std::string lines;
    for (const EuclidLine& line : euclidLines(numerator, denominator))
        lines += line.a.get_str() + " = " + line.quotient.get_str() + " &middot; " +
                 line.b.get_str() + " + " + line.remainder.get_str() + "<br>";
    const mpz_class divisor = gcd(numerator, denominator);
    steps.push_back(lines + "The last non-zero remainder is " + divisor.get_str() + ".");
    const mpq_class value(numerator, denominator);
    mpq_class reduced = value;
    reduced.canonicalize();
    if (divisor == 1) {
        steps.push_back("The greatest common factor is 1, so " + written +
                        " is already in lowest terms.");
    } else {
        steps.push_back("Divide numerator and denominator by " + divisor.get_str() + ": " +
                        written + " = (" + numerator.get_str() + " &divide; " + divisor.get_str() +
                        ")/(" + denominator.get_str() + " &divide; " + divisor.get_str() +
                        ") = " + fractionText(reduced) + ".");
    }
    return steps;
}

} // namespace fractiondrill
