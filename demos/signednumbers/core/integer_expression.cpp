#include "signednumbers/core/integer_expression.h"

#include "signednumbers/core/integer_text.h"

#include "kit/core/input_limits.h"

#include <cctype>
#include <memory>
#include <stdexcept>

namespace signednumbers {
namespace {

enum class Kind { Number, Add, Subtract, Multiply, Divide, Power, Negate, Absolute };

struct Node {
    Kind kind = Kind::Number;
    mpz_class value;
    std::unique_ptr<Node> left; // the operand of Negate and Absolute
    std::unique_ptr<Node> right;
    bool parenthesized = false;
};

using NodePtr = std::unique_ptr<Node>;

struct EvaluationError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// ---- reading ----

enum class Token { Number, Plus, Minus, Times, Divide, Power, Open, Close, Bar, End };

struct Lexeme {
    Token token = Token::End;
    std::string digits;
    std::size_t position = 0; // 1-based character position for messages
};

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    kit::Parsed<std::shared_ptr<Node>> parseAll() {
        try {
            advance();
            NodePtr root = parseSum();
            if (current_.token != Token::End)
                fail(current_.token == Token::Close ? "unexpected ')'"
                     : current_.token == Token::Bar ? "unexpected '|'"
                                                    : "expected an operation sign");
            return std::shared_ptr<Node>(std::move(root));
        } catch (const kit::ParseError& error) {
            return error;
        }
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        throw kit::ParseError{what + " at " + std::to_string(current_.position), current_.position};
    }

    bool startsWith(std::string_view symbol) const {
        return text_.substr(offset_, symbol.size()) == symbol;
    }

    void advance() {
        while (offset_ < text_.size() && (text_[offset_] == ' ' || text_[offset_] == '\t'))
            ++offset_, ++characters_;
        current_ = Lexeme{Token::End, {}, characters_ + 1};
        if (offset_ >= text_.size())
            return;
        const char c = text_[offset_];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            while (offset_ < text_.size() &&
                   std::isdigit(static_cast<unsigned char>(text_[offset_])))
                current_.digits += text_[offset_++], ++characters_;
            if (current_.digits.size() > kit::maxIntegerDigits)
                fail("a number of more than " + std::to_string(kit::maxIntegerDigits) + " digits");
            current_.token = Token::Number;
            return;
        }
        struct Symbol {
            std::string_view text;
            Token token;
        };
        static const Symbol symbols[] = {
            {"+", Token::Plus},         {"-", Token::Minus},         {"\xE2\x88\x92", Token::Minus},
            {"*", Token::Times},        {"x", Token::Times},         {"X", Token::Times},
            {"\xC3\x97", Token::Times}, {"\xC2\xB7", Token::Times},  {"/", Token::Divide},
            {":", Token::Divide},       {"\xC3\xB7", Token::Divide}, {"^", Token::Power},
            {"(", Token::Open},         {")", Token::Close},         {"|", Token::Bar}};
        for (const auto& symbol : symbols) {
            if (startsWith(symbol.text)) {
                current_.token = symbol.token;
                offset_ += symbol.text.size();
                ++characters_;
                return;
            }
        }
        fail("'" + std::string(1, c) + "' is not part of an integer expression");
    }

    NodePtr binary(Kind kind, NodePtr left, NodePtr right) {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    NodePtr parseSum() {
        NodePtr left = parseProduct();
        while (current_.token == Token::Plus || current_.token == Token::Minus) {
            const Kind kind = current_.token == Token::Plus ? Kind::Add : Kind::Subtract;
            advance();
            left = binary(kind, std::move(left), parseProduct());
        }
        return left;
    }

    NodePtr parseProduct() {
        NodePtr left = parseSigned();
        while (current_.token == Token::Times || current_.token == Token::Divide) {
            const Kind kind = current_.token == Token::Times ? Kind::Multiply : Kind::Divide;
            advance();
            left = binary(kind, std::move(left), parseSigned());
        }
        return left;
    }

    // A sign in front: "-5" is the number minus five, "-(2 + 3)" and "-3^2" are opposites.
    NodePtr parseSigned() {
        if (current_.token == Token::Plus) {
            advance();
            return parseSigned();
        }
        if (current_.token != Token::Minus)
            return parsePower();
        advance();
        const bool bareNumber = current_.token == Token::Number;
        NodePtr operand = parseSigned();
        if (bareNumber && operand->kind == Kind::Number && !operand->parenthesized) {
            operand->value = -operand->value;
            return operand;
        }
        auto node = std::make_unique<Node>();
        node->kind = Kind::Negate;
        node->left = std::move(operand);
        return node;
    }

    NodePtr parsePower() {
        NodePtr base = parsePrimary();
        if (current_.token != Token::Power)
            return base;
        advance();
        return binary(Kind::Power, std::move(base), parseSigned());
    }

    NodePtr parsePrimary() {
        if (current_.token == Token::Number) {
            auto node = std::make_unique<Node>();
            node->value = mpz_class(current_.digits);
            advance();
            return node;
        }
        if (current_.token == Token::Open) {
            advance();
            NodePtr inner = parseSum();
            if (current_.token != Token::Close)
                fail("expected ')'");
            advance();
            inner->parenthesized = true;
            return inner;
        }
        if (current_.token == Token::Bar) {
            advance();
            auto node = std::make_unique<Node>();
            node->kind = Kind::Absolute;
            node->left = parseSum();
            if (current_.token != Token::Bar)
                fail("expected '|' to close the absolute value");
            advance();
            return node;
        }
        if (current_.token == Token::End)
            fail("the expression ends too soon: expected a number");
        fail("expected a number");
    }

    std::string_view text_;
    std::size_t offset_ = 0;
    std::size_t characters_ = 0;
    Lexeme current_;
};

// ---- writing ----

bool isBinary(Kind kind) {
    return kind != Kind::Number && kind != Kind::Negate && kind != Kind::Absolute;
}

std::string symbolHtml(Kind kind) {
    switch (kind) {
    case Kind::Add:
        return " + ";
    case Kind::Subtract:
        return " &minus; ";
    case Kind::Multiply:
        return " &times; ";
    case Kind::Divide:
        return " &divide; ";
    default:
        return "";
    }
}

enum class Place { Alone, Left, Right, Base, Exponent, AfterSign };

std::string html(const Node& node, Place place) {
    std::string text;
    switch (node.kind) {
    case Kind::Number:
        text = integerHtml(node.value);
        // After a minus sign of its own a number always stands in parentheses, "&minus;(6)",
        // so that the opposite is seen as a step of its own.
        if (node.parenthesized || place == Place::AfterSign ||
            (node.value < 0 && (place == Place::Right || place == Place::Base)))
            return "(" + text + ")";
        return text;
    case Kind::Negate:
        text = "&minus;" + html(*node.left, Place::AfterSign);
        break;
    case Kind::Absolute:
        text = "|" + html(*node.left, Place::Alone) + "|";
        break;
    case Kind::Power:
        text =
            html(*node.left, Place::Base) + "<sup>" + html(*node.right, Place::Exponent) + "</sup>";
        break;
    default:
        // The left operand follows an operation sign too when this whole operation does:
        // "&minus;9 + (&minus;3) &times; 2".
        text = html(*node.left,
                    !node.parenthesized && (place == Place::Right || place == Place::AfterSign)
                        ? Place::Right
                        : Place::Left) +
               symbolHtml(node.kind) + html(*node.right, Place::Right);
        break;
    }
    return node.parenthesized ? "(" + text + ")" : text;
}

// ---- evaluating ----

bool isReducible(const Node& node) {
    if (node.kind == Kind::Number)
        return false;
    if (!isBinary(node.kind))
        return node.left->kind == Kind::Number;
    return node.left->kind == Kind::Number && node.right->kind == Kind::Number;
}

int precedence(Kind kind) {
    switch (kind) {
    case Kind::Add:
    case Kind::Subtract:
        return 1;
    case Kind::Multiply:
    case Kind::Divide:
        return 2;
    case Kind::Power:
        return 4;
    default:
        return 5; // closing absolute-value bars, the opposite of a number
    }
}

struct Candidate {
    Node* node = nullptr;
    int depth = -1;
    int precedence = -1;
};

// The next operation: the deepest group, then the highest precedence, then the leftmost.
void findNext(Node& node, int depth, Candidate& best) {
    const int ownDepth = depth + (node.parenthesized ? 1 : 0);
    if (node.left)
        findNext(*node.left, ownDepth + (node.kind == Kind::Absolute ? 1 : 0), best);
    if (isReducible(node)) {
        const int rank = precedence(node.kind);
        if (ownDepth > best.depth || (ownDepth == best.depth && rank > best.precedence))
            best = Candidate{&node, ownDepth, rank};
    }
    if (node.right)
        findNext(*node.right, ownDepth, best);
}

std::size_t digitCount(const mpz_class& n) {
    return mpz_sizeinbase(n.get_mpz_t(), 10);
}

void refuseIfTooLarge(std::size_t digits) {
    if (digits > largestResultDigits)
        throw EvaluationError("the result has more than " + std::to_string(largestResultDigits) +
                              " digits: too large for this demonstration");
}

std::string signNote(const mpz_class& a, const mpz_class& b, const char* what) {
    if (a == 0 || b == 0)
        return "";
    return (a < 0) == (b < 0) ? std::string(" (like signs: positive ") + what + ")"
                              : std::string(" (unlike signs: negative ") + what + ")";
}

// Works out one operation whose operands are numbers; returns the reason shown to the learner.
std::string reduce(Node& node) {
    const mpz_class a = node.left->value;
    const mpz_class b = node.right ? node.right->value : mpz_class(0);
    mpz_class result;
    std::string reason;
    switch (node.kind) {
    case Kind::Add:
        result = a + b;
        reason = "add: " + integerHtml(a) + " + " + operandHtml(b);
        break;
    case Kind::Subtract:
        result = a - b;
        reason = "subtract by adding the opposite: " + integerHtml(a) + " &minus; " +
                 operandHtml(b) + " = " + integerHtml(a) + " + " + operandHtml(-b);
        break;
    case Kind::Multiply:
        refuseIfTooLarge(digitCount(a) + digitCount(b) - 1);
        result = a * b;
        reason = "multiply: " + operandHtml(a) + " &times; " + operandHtml(b) +
                 signNote(a, b, "product");
        break;
    case Kind::Divide:
        if (b == 0)
            throw EvaluationError("division by zero: " + integerHtml(a) +
                                  " &divide; 0 has no value");
        if (a % b != 0)
            throw EvaluationError(integerHtml(a) + " &divide; " + operandHtml(b) +
                                  " is not an integer: the integers are not closed under division");
        result = a / b;
        reason = "divide: " + operandHtml(a) + " &divide; " + operandHtml(b) +
                 signNote(a, b, "quotient");
        break;
    case Kind::Power: {
        if (b < 0)
            throw EvaluationError("a negative exponent does not give an integer here");
        if (b > kit::maxExponent)
            throw EvaluationError("exponents above " + std::to_string(kit::maxExponent) +
                                  " are too large for this demonstration");
        const unsigned long exponent = b.get_ui();
        if (abs(a) > 1)
            refuseIfTooLarge((digitCount(a) - 1) * exponent + 1);
        mpz_pow_ui(result.get_mpz_t(), a.get_mpz_t(), exponent);
        reason = "power: " + operandHtml(a) + "<sup>" + b.get_str() + "</sup>" +
                 (a < 0 ? (exponent % 2 == 0 ? " (even power of a negative number: positive)"
                                             : " (odd power of a negative number: negative)")
                        : "");
        break;
    }
    case Kind::Negate:
        result = -a;
        reason = "the opposite of " + operandHtml(a);
        break;
    case Kind::Absolute:
        result = abs(a);
        reason = "absolute value, the distance from 0: |" + integerHtml(a) + "|";
        break;
    case Kind::Number:
        break;
    }
    reason += " = " + integerHtml(result);
    const bool keepParentheses = node.parenthesized && result < 0;
    node.kind = Kind::Number;
    node.value = result;
    node.left.reset();
    node.right.reset();
    node.parenthesized = keepParentheses;
    return reason;
}

} // namespace

EvaluationTrace evaluateStepByStep(std::string_view text) {
    EvaluationTrace trace;
    if (text.size() > kit::maxInputLength) {
        trace.error = "at most " + std::to_string(kit::maxInputLength) + " characters";
        return trace;
    }
    Reader reader(text);
    const auto parsed = reader.parseAll();
    if (!parsed.ok()) {
        trace.error = parsed.error().message;
        return trace;
    }
    Node& root = *parsed.value();
    trace.lines.push_back(html(root, Place::Alone));
    try {
        while (root.kind != Kind::Number) {
            Candidate next;
            findNext(root, 0, next);
            trace.reasons.push_back(reduce(*next.node));
            trace.lines.push_back(html(root, Place::Alone));
        }
        trace.value = root.value;
    } catch (const EvaluationError& error) {
        trace.error = error.what();
    }
    return trace;
}

kit::Parsed<mpz_class> evaluateInteger(std::string_view text) {
    const EvaluationTrace trace = evaluateStepByStep(text);
    if (!trace.value)
        return kit::ParseError{trace.error, 0};
    return *trace.value;
}

} // namespace signednumbers
