#include "fractiondrill/core/fraction_operations.h"

#include "fractiondrill/core/fraction_text.h"

namespace fractiondrill {
namespace {

std::string parenthesised(const mpq_class& value) {
    const std::string text = fractionText(value);
    return sgn(value) < 0 ? "(" + text + ")" : text;
}

std::string resultLine(const mpq_class& result) {
    std::string line = "In lowest terms the answer is <b>" + fractionText(result) + "</b>";
    if (abs(result) > 1 && result.get_den() != 1)
        line += ", as a mixed number " + mixedText(result);
    return line + ".";
}

std::vector<std::string> sumSteps(bool subtract, const mpq_class& a, const mpq_class& b) {
    const mpz_class lcd = commonDenominator(a, b);
    const mpz_class scaleA = lcd / a.get_den();
    const mpz_class scaleB = lcd / b.get_den();
    const mpz_class numeratorA = a.get_num() * scaleA;
    const mpz_class numeratorB = b.get_num() * scaleB;
    const std::string sign = subtract ? " &minus; " : " + ";
    std::vector<std::string> steps;
    steps.push_back("The least common denominator of " + a.get_den().get_str() + " and " +
                    b.get_den().get_str() + " is their least common multiple, " + lcd.get_str() +
                    ".");
    steps.push_back("Rewrite both fractions over " + lcd.get_str() + ": " + fractionText(a) +
                    " = " + unreducedText(numeratorA, lcd) + " (times " + scaleA.get_str() + "/" +
                    scaleA.get_str() + ") and " + fractionText(b) + " = " +
                    unreducedText(numeratorB, lcd) + " (times " + scaleB.get_str() + "/" +
                    scaleB.get_str() + ").");
    const mpz_class numerator =
        subtract ? mpz_class(numeratorA - numeratorB) : mpz_class(numeratorA + numeratorB);
    steps.push_back("With a common denominator, " + std::string(subtract ? "subtract" : "add") +
                    " the numerators: (" + numeratorA.get_str() + sign +
                    (numeratorB < 0 ? "(" + numeratorB.get_str() + ")" : numeratorB.get_str()) +
                    ")/" + lcd.get_str() + " = " + unreducedText(numerator, lcd) + ".");
    steps.push_back(resultLine(subtract ? mpq_class(a - b) : mpq_class(a + b)));
    return steps;
}

std::vector<std::string> productSteps(const mpq_class& a, const mpq_class& b) {
    const mpz_class numerator = a.get_num() * b.get_num();
    const mpz_class denominator = a.get_den() * b.get_den();
    return {"Multiply numerators and denominators: " + parenthesised(a) + " &times; " +
                parenthesised(b) + " = (" + a.get_num().get_str() + " &times; " +
                b.get_num().get_str() + ")/(" + a.get_den().get_str() + " &times; " +
                b.get_den().get_str() + ") = " + unreducedText(numerator, denominator) + ".",
            "Cancel the common factor " + mpz_class(gcd(numerator, denominator)).get_str() +
                " of numerator and denominator.",
            resultLine(mpq_class(a * b))};
}

std::vector<std::string> quotientSteps(const mpq_class& a, const mpq_class& b) {
    const mpq_class reciprocal = 1 / b;
    std::vector<std::string> steps{"Dividing by " + parenthesised(b) +
                                   " is multiplying by its reciprocal " +
                                   parenthesised(reciprocal) +
                                   " (flip the divisor, never the "
                                   "dividend)."};
    for (std::string& step : productSteps(a, reciprocal))
        steps.push_back(std::move(step));
    return steps;
}

} // namespace

std::string operationSymbol(Operation operation) {
    switch (operation) {
    case Operation::Add:
        return "+";
    case Operation::Subtract:
        return "&minus;";
    case Operation::Multiply:
        return "&times;";
    case Operation::Divide:
        return "&divide;";
    }
    return "?";
}

std::optional<mpq_class> apply(Operation operation, const mpq_class& a, const mpq_class& b) {
    switch (operation) {
    case Operation::Add:
        return mpq_class(a + b);
    case Operation::Subtract:
        return mpq_class(a - b);
    case Operation::Multiply:
        return mpq_class(a * b);
    case Operation::Divide:
        if (sgn(b) == 0)
            return std::nullopt;
        return mpq_class(a / b);
    }
    return std::nullopt;
}

mpz_class commonDenominator(const mpq_class& a, const mpq_class& b) {
    return lcm(a.get_den(), b.get_den());
}

std::vector<std::string> operationSteps(Operation operation, const mpq_class& a,
                                        const mpq_class& b) {
    switch (operation) {
    case Operation::Add:
        return sumSteps(false, a, b);
    case Operation::Subtract:
        return sumSteps(true, a, b);
    case Operation::Multiply:
        return productSteps(a, b);
    case Operation::Divide:
        if (sgn(b) == 0)
            return {"Division by zero is not defined."};
        return quotientSteps(a, b);
    }
    return {};
}

} // namespace fractiondrill
