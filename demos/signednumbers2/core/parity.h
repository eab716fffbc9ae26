#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace signednumbers2 {

bool isEven(const mpz_class& n);
std::string parityWord(const mpz_class& n); // "even" or "odd"

// A sum of signed products such as 347 &middot; 128 + 95 &minus; 13 &middot; 7.
struct ProductTerm {
    bool negative = false;
    std::vector<mpz_class> factors;
};

std::string sumOfProductsHtml(const std::vector<ProductTerm>& terms);
mpz_class sumOfProductsValue(const std::vector<ProductTerm>& terms);

// Decides the parity from the parity rules alone (never multiplying out):
// a product is odd only when every factor is odd; a sum is odd when it has an odd number of
// odd terms. Returns the reasoning; the last line names the parity.
std::vector<std::string> parityReasoning(const std::vector<ProductTerm>& terms, bool& even);

} // namespace signednumbers2
