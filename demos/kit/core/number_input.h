#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>
#include <string_view>
#include <vector>

namespace kit {

// "-12", " 42 ", "+7": an optional sign and plain digits; at most maxIntegerDigits digits.
Parsed<mpz_class> parseInteger(std::string_view text);

// "3/4", "-6/8", "0.75", "1 3/4" (mixed), "2"; the value comes back canonical (6/8 -> 3/4).
Parsed<mpq_class> parseRational(std::string_view text);

// How a rational value was written, for checkers that care about the form.
enum class WrittenForm { Integer, Fraction, Mixed, Decimal };
struct TypedRational {
    mpq_class value;
    WrittenForm form = WrittenForm::Integer;
    mpz_class numerator;   // as typed (of the fraction part for a mixed number); 0 for decimals
    mpz_class denominator; // as typed; 1 for integers and decimals
};
Parsed<TypedRational> parseTypedRational(std::string_view text);

// True when the text is an integer, or a/b (or a mixed number) with gcd(a, b) = 1 and b > 0.
bool isLowestTerms(std::string_view text);

// "1, 2, 3" or "1 2 3" or "1; 2; 3": at most maxListLength integers.
Parsed<std::vector<mpz_class>> parseIntegerList(std::string_view text);

} // namespace kit
