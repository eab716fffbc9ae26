#include "kit/core/expression_check.h"

#include "kit/core/input_limits.h"
#include "kit/core/text_scan.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>

namespace kit {

namespace {

struct Token {
    enum Kind { Number, Name, Symbol, End } kind = End;
    std::string text;
    std::size_t position = 0; // from 1
};

// A checked piece of the expression: its parenthesised text, whether it is a constant, an
// estimate of the size in bits of its exact value, and its approximate value for constants.
struct Piece {
    std::string text;
    bool constant = true;
    double size = 1.0;
    std::optional<double> approx;
};

struct Failure {
    ParseError error;
};

const std::map<std::string, double (*)(double)>& functions() {
    static const std::map<std::string, double (*)(double)> table = {
        {"sin", [](double x) { return std::sin(x); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"tan", [](double x) { return std::tan(x); }},
        {"asin", [](double x) { return std::asin(x); }},
        {"acos", [](double x) { return std::acos(x); }},
        {"atan", [](double x) { return std::atan(x); }},
        {"sinh", [](double x) { return std::sinh(x); }},
        {"cosh", [](double x) { return std::cosh(x); }},
        {"tanh", [](double x) { return std::tanh(x); }},
        {"exp", [](double x) { return std::exp(x); }},
        {"log", [](double x) { return std::log(x); }},
        {"ln", [](double x) { return std::log(x); }},
        {"sqrt", [](double x) { return std::sqrt(x); }},
        {"abs", [](double x) { return std::fabs(x); }},
    };
    return table;
}

[[noreturn]] void fail(std::string message, std::size_t position) {
    throw Failure{{std::move(message), position}};
}

std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    while (i < text.size()) {
        if (std::isspace(at(i))) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        if (std::isdigit(at(i)) || text[i] == '.') {
            bool point = false;
            std::string digits;
            while (i < text.size() && (std::isdigit(at(i)) || text[i] == '.')) {
                if (text[i] == '.') {
                    if (point)
                        fail("a second decimal point at " + std::to_string(i + 1), i + 1);
                    point = true;
                } else {
                    digits += text[i];
                }
                ++i;
            }
            if (digits.empty())
                fail("a decimal point without digits at " + std::to_string(start + 1), start + 1);
            if (significantDigits(digits) > maxIntegerDigits)
                fail("the number at " + std::to_string(start + 1) + " has more than " +
                         std::to_string(maxIntegerDigits) + " digits",
                     start + 1);
            tokens.push_back(
                {Token::Number, std::string(text.substr(start, i - start)), start + 1});
        } else if (std::isalpha(at(i))) {
            while (i < text.size() && (std::isalnum(at(i)) || text[i] == '_'))
                ++i;
            tokens.push_back({Token::Name, std::string(text.substr(start, i - start)), start + 1});
        } else if (std::string_view("+-*/^(),").find(text[i]) != std::string_view::npos) {
            tokens.push_back({Token::Symbol, std::string(1, text[i]), start + 1});
            ++i;
        } else {
            fail(unexpectedAt(text[i], i + 1), i + 1);
        }
    }
    tokens.push_back({Token::End, "", text.size() + 1});
    return tokens;
}

// A number as an exact GiNaC literal: "0.75" becomes "(75/100)".
Piece numberPiece(const std::string& literal) {
    Piece piece;
    const auto point = literal.find('.');
    std::string digits = literal;
    std::string scale = "1";
    if (point != std::string::npos) {
        digits.erase(point, 1);
        scale += std::string(literal.size() - point - 1, '0');
    }
    const auto first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
    piece.text = scale == "1" ? digits : "(" + digits + "/" + scale + ")";
    piece.size = std::max(1.0, static_cast<double>(digits.size() + scale.size()) * 3.33);
    piece.approx = std::stod(literal);
    return piece;
}

class Checker {
  public:
    Checker(std::vector<Token> tokens, const std::vector<std::string>& variables)
        : tokens_(std::move(tokens)), variables_(variables) {}

    std::string run() {
        Piece whole = sum();
        if (peek().kind != Token::End) {
            if (peek().text == ")")
                fail("unexpected ')' at " + std::to_string(peek().position) +
                         ": it closes no bracket",
                     peek().position);
            fail(unexpected(peek()), peek().position);
        }
        return whole.text;
    }

  private:
    const Token& peek() const { return tokens_[index_]; }
    const Token& take() { return tokens_[index_++]; }
    bool isSymbol(const char* s) const { return peek().kind == Token::Symbol && peek().text == s; }

    static std::string unexpected(const Token& token) {
        if (token.kind == Token::End)
            return "the expression ends too early (at " + std::to_string(token.position) + ")";
        return "unexpected '" + token.text + "' at " + std::to_string(token.position);
    }

    static Piece combine(const Piece& a, const Piece& b, const std::string& op) {
        Piece result;
        result.text = "(" + a.text + ")" + op + "(" + b.text + ")";
        result.constant = a.constant && b.constant;
        result.size = a.size + b.size;
        if (result.constant && a.approx && b.approx) {
            const double x = *a.approx, y = *b.approx;
            const double v = op == "+" ? x + y : op == "-" ? x - y : op == "*" ? x * y : x / y;
            if (std::isfinite(v))
                result.approx = v;
        }
        return result;
    }

    Piece sum() {
        Piece left = term();
        while (isSymbol("+") || isSymbol("-")) {
            const std::string op = take().text;
            left = combine(left, term(), op);
        }
        return left;
    }

    Piece term() {
        Piece left = unary();
        for (;;) {
            if (isSymbol("*") || isSymbol("/")) {
                const std::string op = take().text;
                left = combine(left, unary(), op);
            } else if (peek().kind == Token::Name || isSymbol("(")) {
                left = combine(left, power(), "*"); // 2x, 3(x+1), x sin(x)
            } else if (peek().kind == Token::Number) {
                fail("a number right after another term at " + std::to_string(peek().position) +
                         ": put an operator such as * between them",
                     peek().position);
            } else {
                return left;
            }
        }
    }

    Piece unary() {
        if (isSymbol("-")) {
            take();
            Piece inner = unary();
            inner.text = "-(" + inner.text + ")";
            if (inner.approx)
                inner.approx = -*inner.approx;
            return inner;
        }
        if (isSymbol("+")) {
            take();
            return unary();
        }
        return power();
    }

    Piece exponent() {
        if (isSymbol("-") || isSymbol("+")) {
            const bool negative = take().text == "-";
            Piece inner = exponent();
            if (negative) {
                inner.text = "-(" + inner.text + ")";
                if (inner.approx)
                    inner.approx = -*inner.approx;
            }
            return inner;
        }
        return primary();
    }

    Piece power() {
        Piece base = primary();
        if (!isSymbol("^"))
            return base;
        const std::size_t caret = take().position;
        const std::size_t exponentAt = peek().position;
        Piece exp = exponent();
        if (isSymbol("^"))
            fail("a second '^' at " + std::to_string(peek().position) +
                     ": write a^(b^c) or (a^b)^c to say which is meant",
                 peek().position);
        Piece result;
        result.text = "(" + base.text + ")^(" + exp.text + ")";
        result.constant = base.constant && exp.constant;
        if (exp.constant) {
            if (!exp.approx || std::fabs(*exp.approx) > static_cast<double>(maxExponent))
                fail("the exponent at " + std::to_string(exponentAt) + " is larger than " +
                         std::to_string(maxExponent),
                     exponentAt);
            result.size = base.size * std::max(1.0, std::fabs(*exp.approx));
            if (result.constant && base.approx) {
                const double v = std::pow(*base.approx, *exp.approx);
                if (std::isfinite(v))
                    result.approx = v;
            }
        } else {
            result.size = base.size + exp.size;
        }
        if (result.size > maxResultBits)
            fail("the power at " + std::to_string(caret) + " is too large for this demonstration",
                 caret);
        return result;
    }

    Piece primary() {
        const Token& token = take();
        if (token.kind == Token::Number)
            return numberPiece(token.text);
        if (token.kind == Token::Name)
            return name(token);
        if (token.kind == Token::Symbol && token.text == "(") {
            Piece inner = sum();
            if (!isSymbol(")"))
                fail("the '(' at " + std::to_string(token.position) + " is not closed",
                     token.position);
            take();
            return inner;
        }
        fail(unexpected(token), token.position);
    }

    Piece name(const Token& token) {
        const auto variable = std::find(variables_.begin(), variables_.end(), token.text);
        if (variable != variables_.end()) {
            Piece piece;
            piece.text = token.text;
            piece.constant = false;
            return piece;
        }
        const auto function = functions().find(token.text);
        if (function != functions().end())
            return call(token, function->second);
        if (token.text == "pi" || (token.text == "e")) {
            Piece piece;
            piece.text = token.text == "pi" ? "Pi" : "exp(1)";
            piece.approx = token.text == "pi" ? M_PI : M_E;
            return piece;
        }
        std::string message =
            "unknown name '" + token.text + "' at " + std::to_string(token.position);
        if (std::all_of(token.text.begin(), token.text.end(), [&](char c) {
                return std::find(variables_.begin(), variables_.end(), std::string(1, c)) !=
                       variables_.end();
            }))
            message += ": write a product with *, as " + std::string(1, token.text[0]) + "*" +
                       token.text.substr(1, 1);
        fail(message, token.position);
    }

    Piece call(const Token& token, double (*f)(double)) {
        if (!isSymbol("("))
            fail("'" + token.text + "' at " + std::to_string(token.position) +
                     " needs its argument in brackets, as " + token.text + "(x)",
                 token.position);
        const std::size_t open = take().position;
        Piece argument = sum();
        if (isSymbol(","))
            fail("'" + token.text + "' takes one argument; unexpected ',' at " +
                     std::to_string(peek().position),
                 peek().position);
        if (!isSymbol(")"))
            fail("the '(' at " + std::to_string(open) + " is not closed", open);
        take();
        Piece result = argument;
        const std::string ginacName = token.text == "ln" ? "log" : token.text;
        result.text = ginacName + "(" + argument.text + ")";
        result.approx.reset();
        if (argument.approx) {
            const double v = f(*argument.approx);
            if (std::isfinite(v))
                result.approx = v;
        }
        return result;
    }

    std::vector<Token> tokens_;
    std::size_t index_ = 0;
    const std::vector<std::string>& variables_;
};

} // namespace

Parsed<std::string> checkExpression(std::string_view text,
                                    const std::vector<std::string>& variables) {
    if (auto error = checkLength(text, "an expression"))
        return *error;
    try {
        return Checker(tokenize(text), variables).run();
    } catch (const Failure& failure) {
        return failure.error;
    }
}

} // namespace kit
