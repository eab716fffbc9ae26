#pragma once

#include <gmpxx.h>

#include <string>

namespace signednumbers {

// An integer for the learner's eyes: a true minus sign, "&minus;12".
std::string integerHtml(const mpz_class& n);
std::string integerHtml(long n);

// The same, in parentheses when negative, for a number that follows an operation sign:
// "3 &minus; (&minus;2)".
std::string operandHtml(const mpz_class& n);
std::string operandHtml(long n);

} // namespace signednumbers
