#include "kit/core/surd.h"

#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <cmath>

namespace kit {

double Surd::approximate() const {
    return coefficient.get_d() * std::sqrt(radicand.get_d());
}

namespace {

const std::string rootSign = "\u221a";

// n = outside²·inside with inside square-free, by trial division while the budget lasts.
bool takeOutSquares(mpz_class n, mpz_class& outside, mpz_class& inside, WorkBudget& budget) {
    outside = 1;
    inside = 1;
    for (mpz_class p = 2; p * p <= n; ++p) {
        if (!budget.spend())
            return false;
        while (n % (p * p) == 0) {
            n /= p * p;
            outside *= p;
        }
        if (n % p == 0) {
            n /= p;
            inside *= p;
        }
    }
    inside *= n;
    return true;
}

} // namespace

std::optional<Surd> exactSquareRoot(const mpq_class& typed, WorkBudget& budget) {
    mpq_class value = typed;
    value.canonicalize();
    if (value < 0)
        return std::nullopt;
    if (value == 0)
        return Surd{0, 1};
    const mpz_class product = value.get_num() * value.get_den();
    mpz_class outside, inside;
    if (!takeOutSquares(product, outside, inside, budget))
        return std::nullopt;
    Surd s{mpq_class(outside, value.get_den()), inside};
    s.coefficient.canonicalize();
    return s;
}

std::string surdText(const Surd& s) {
    if (s.radicand == 1 || s.coefficient == 0)
        return s.coefficient.get_str();
    const mpz_class& num = s.coefficient.get_num();
    std::string text = num == 1 ? "" : (num == -1 ? "-" : num.get_str());
    text += rootSign + s.radicand.get_str();
    if (s.coefficient.get_den() != 1)
        text += "/" + s.coefficient.get_den().get_str();
    return text;
}

namespace {

std::string normalisedRoots(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.size() >= 4 && (rest.substr(0, 4) == "sqrt" || rest.substr(0, 4) == "SQRT")) {
            result += rootSign;
            i += 3;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string trim(std::string text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

ParseError prefixed(const std::string& part, const ParseError& error) {
    return {part + ": " + error.message, 0};
}

} // namespace

Parsed<TypedSurd> parseSurd(std::string_view typed) {
    if (auto error = checkLength(typed, "a number or a root such as 2\u221a3"))
        return *error;
    const std::string text = trim(normalisedRoots(typed));
    const auto root = text.find(rootSign);
    if (root == std::string::npos) {
        const auto value = parseRational(text);
        if (!value.ok())
            return value.error();
        return TypedSurd{value.value(), 1};
    }
    if (text.find(rootSign, root + 1) != std::string::npos)
        return ParseError{"only one root sign is expected", 0};
    std::string before = trim(text.substr(0, root));
    if (!before.empty() && before.back() == '*')
        before = trim(before.substr(0, before.size() - 1));
    mpq_class coefficient = 1;
    if (before == "-") {
        coefficient = -1;
    } else if (!before.empty()) {
        const auto value = parseRational(before);
        if (!value.ok())
            return prefixed("before the root", value.error());
        coefficient = value.value();
    }
    std::string after = trim(text.substr(root + rootSign.size()));
    std::string under, denominator;
    if (!after.empty() && after.front() == '(') {
        const auto close = after.find(')');
        if (close == std::string::npos)
            return ParseError{"the bracket after the root is not closed", 0};
        under = after.substr(1, close - 1);
        after = trim(after.substr(close + 1));
    } else {
        const auto slash = after.find('/');
        under = after.substr(0, slash);
        after = slash == std::string::npos ? "" : after.substr(slash);
    }
    if (!after.empty()) {
        if (after.front() != '/')
            return ParseError{"after the root only a division /n may follow", 0};
        denominator = after.substr(1);
    }
    const auto radicand = parseInteger(trim(under));
    if (!radicand.ok())
        return prefixed("under the root", radicand.error());
    if (radicand.value() < 0)
        return ParseError{"a negative number has no real square root", 0};
    if (!denominator.empty()) {
        const auto d = parseInteger(trim(denominator));
        if (!d.ok())
            return prefixed("the divisor", d.error());
        if (d.value() == 0)
            return ParseError{"division by zero", 0};
        coefficient /= mpq_class(d.value());
    }
    return TypedSurd{coefficient, radicand.value()};
}

AnswerCheck expectSquareRoot(mpq_class square) {
    return [square](std::string_view typed) -> Verdict {
        const auto parsed = parseSurd(typed);
        if (!parsed.ok())
            return {false, parsed.error().message};
        const TypedSurd& t = parsed.value();
        if (t.coefficient < 0)
            return {false, "A length is never negative."};
        const mpq_class typedSquare = t.coefficient * t.coefficient * t.typedRadicand;
        if (typedSquare != square)
            return {false, "Not right."};
        WorkBudget budget(100000);
        const auto exact = exactSquareRoot(square, budget);
        if (exact && t.coefficient != 0 && t.typedRadicand != exact->radicand)
            return {false, "The value is right but the root is not simplified: take the square "
                           "factors out from under the root."};
        return {true, correctMessage};
    };
}

} // namespace kit
