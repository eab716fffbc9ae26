#include "signednumbers2/core/parity.h"

#include "signednumbers/core/integer_text.h"

namespace signednumbers2 {

using signednumbers::integerHtml;
using signednumbers::operandHtml;

bool isEven(const mpz_class& n) {
    return mpz_even_p(n.get_mpz_t()) != 0;
}

std::string parityWord(const mpz_class& n) {
    return isEven(n) ? "even" : "odd";
}

namespace {

std::string productHtml(const ProductTerm& term) {
    std::string text;
    for (std::size_t i = 0; i < term.factors.size(); ++i)
        text +=
            (i == 0 ? integerHtml(term.factors[i]) : " &middot; " + operandHtml(term.factors[i]));
    return text;
}

// Parity read off the last digit only.
bool lastDigitEven(const mpz_class& n) {
    const std::string digits = mpz_class(abs(n)).get_str();
    return (digits.back() - '0') % 2 == 0;
}

} // namespace

std::string sumOfProductsHtml(const std::vector<ProductTerm>& terms) {
    std::string text;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (i == 0)
            text += (terms[i].negative ? "&minus;" : "") + productHtml(terms[i]);
        else
            text += (terms[i].negative ? " &minus; " : " + ") + productHtml(terms[i]);
    }
    return text;
}

mpz_class sumOfProductsValue(const std::vector<ProductTerm>& terms) {
    mpz_class total = 0;
    for (const auto& term : terms) {
        mpz_class product = 1;
        for (const auto& factor : term.factors)
            product *= factor;
        total += term.negative ? mpz_class(-product) : product;
    }
    return total;
}

std::vector<std::string> parityReasoning(const std::vector<ProductTerm>& terms, bool& even) {
    std::vector<std::string> lines;
    int oddTerms = 0;
    for (const auto& term : terms) {
        bool allOdd = true;
        std::string line;
        for (const auto& factor : term.factors) {
            const bool factorEven = lastDigitEven(factor);
            allOdd = allOdd && !factorEven;
            line += (line.empty() ? "" : ", ") + integerHtml(factor) +
                    (factorEven ? " is even" : " is odd");
        }
        if (term.factors.size() > 1)
            line += allOdd ? ": every factor is odd, so " + productHtml(term) + " is odd"
                           : ": a factor is even, so " + productHtml(term) + " is even";
        lines.push_back(line + ".");
        if (allOdd)
            ++oddTerms;
    }
    even = oddTerms % 2 == 0;
    lines.push_back(
        "Subtracting has the same parity as adding (&minus;1 is odd). Odd + odd = even, "
        "so only the number of odd terms counts: there " +
        std::string(oddTerms == 1 ? "is 1 odd term"
                                  : "are " + std::to_string(oddTerms) + " odd terms") +
        ", an " + (even ? "even" : "odd") + " number.");
    lines.push_back(sumOfProductsHtml(terms) + " is " + (even ? "even." : "odd."));
    return lines;
}

} // namespace signednumbers2
