#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

namespace signednumbers {

// Which sign rule a product follows and why it must be so, then the product itself.
std::vector<std::string> productReasoning(const mpz_class& a, const mpz_class& b);

// The same for an exact quotient a / b (b != 0, b divides a): the sign that makes q &middot; b = a.
std::vector<std::string> quotientReasoning(const mpz_class& a, const mpz_class& b);

} // namespace signednumbers
