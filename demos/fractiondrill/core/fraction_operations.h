#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

namespace fractiondrill {

enum class Operation { Add, Subtract, Multiply, Divide };

std::string operationSymbol(Operation operation); // "+", "&minus;", "&times;", "&divide;"

// a op b, or nothing when dividing by zero.
std::optional<mpq_class> apply(Operation operation, const mpq_class& a, const mpq_class& b);

// The least common denominator of two fractions in lowest terms.
mpz_class commonDenominator(const mpq_class& a, const mpq_class& b);

// The worked solution of a op b (b non-zero for division), each step in rich text; the last
// step gives the answer in lowest terms and, when it is more than one, as a mixed number.
std::vector<std::string> operationSteps(Operation operation, const mpq_class& a,
                                        const mpq_class& b);

} // namespace fractiondrill
