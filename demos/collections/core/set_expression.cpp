#include "collections/core/set_expression.h"

#include "kit/core/input_limits.h"

#include <cctype>
#include <optional>

namespace collections {
namespace {

const std::string unionSign = "\u222a";
const std::string intersectionSign = "\u2229";
const std::string complementSign = "\u2032";
const std::string emptySign = "\u2205";
const std::string differenceSign = "\\";

enum class Token {
    Set,
    Universe,
    Empty,
    Union,
    Intersection,
    Difference,
    Complement,
    Open,
    Close,
    End
};

struct Lexeme {
    Token token = Token::End;
    int set = 0;              // for Token::Set
    std::size_t position = 0; // in characters from 1
    std::string shown;        // as typed, for messages
};

// One UTF-8 character of the text at byte `at`: its bytes.
std::string_view characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xf0)
        length = 4;
    else if (lead >= 0xe0)
        length = 3;
    else if (lead >= 0xc0)
        length = 2;
    return text.substr(at, std::min(length, text.size() - at));
}

std::string describe(std::string_view character) {
    const auto c = static_cast<unsigned char>(character.front());
    if (character.size() == 1 && c >= 0x20 && c < 0x7f)
        return "'" + std::string(character) + "'";
    if (character.size() == 1)
        return "a control character";
    if (static_cast<unsigned char>(character.front()) < 0xc0 || character.size() < 2)
        return "a broken character";
    return "'" + std::string(character) + "'";
}

// Splits the text into lexemes; an unknown character is an error at its place.
class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {}

    kit::Parsed<std::vector<Lexeme>> run() {
        std::vector<Lexeme> lexemes;
        while (at_ < text_.size()) {
            const std::string_view c = characterAt(text_, at_);
            if (c.size() == 1 && std::isspace(static_cast<unsigned char>(c[0]))) {
                advance(c);
                continue;
            }
            Lexeme lexeme;
            lexeme.position = position_;
            lexeme.shown = std::string(c);
            if (!classify(c, lexeme))
                return kit::ParseError{"unexpected " + describe(c) + " at " +
                                           std::to_string(position_) + hintFor(c),
                                       position_};
            lexemes.push_back(lexeme);
        }
        Lexeme end;
        end.position = position_;
        lexemes.push_back(end);
        return lexemes;
    }

  private:
    // What a learner who typed this character probably meant.
    static std::string hintFor(std::string_view c) {
        if (c == "N")
            return " (the intersection is a small n or \u2229)";
        if (c == "a" || c == "b" || c == "c")
            return " (the sets are the capital letters A, B and C)";
        return "";
    }

    bool classify(std::string_view c, Lexeme& lexeme) {
        if (c == "^" && text_.substr(at_, 2) == "^c") {
            lexeme.token = Token::Complement;
            lexeme.shown = "^c";
            advance(c);
            advance("c");
            return true;
        }
        if (c == "{" && text_.substr(at_, 2) == "{}") {
            lexeme.token = Token::Empty;
            lexeme.shown = "{}";
            advance(c);
            advance("}");
            return true;
        }
        const std::optional<Token> token = simpleToken(c);
        if (!token)
            return false;
        lexeme.token = *token;
        if (*token == Token::Set)
            lexeme.set = c[0] - 'A';
        advance(c);
        return true;
    }

    static std::optional<Token> simpleToken(std::string_view c) {
        if (c == "A" || c == "B" || c == "C")
            return Token::Set;
        if (c == "U")
            return Token::Universe;
        if (c == emptySign)
            return Token::Empty;
        if (c == unionSign || c == "u" || c == "+" || c == "|")
            return Token::Union;
        if (c == intersectionSign || c == "n" || c == "&")
            return Token::Intersection;
        if (c == "\\" || c == "-" || c == "\u2216" || c == "\u2212")
            return Token::Difference;
        if (c == complementSign || c == "'" || c == "\u2019" || c == "\u1d9c")
            return Token::Complement;
        if (c == "(")
            return Token::Open;
        if (c == ")")
            return Token::Close;
        return std::nullopt;
    }

    void advance(std::string_view c) {
        at_ += c.size();
        ++position_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t position_ = 1;
};

// A parsed part: its regions, its text and its outermost operation, which decides where the
// written form needs brackets.
enum class Shape { Atom, Complement, Intersection, Union, Difference };

struct Part {
    RegionMask regions = 0;
    std::string text;
    Shape shape = Shape::Atom;
};

bool isBinary(const Part& part) {
    return part.shape != Shape::Atom && part.shape != Shape::Complement;
}

// The part as an operand: a chain of the same associative operation stays unbracketed on the
// left, every other compound part is bracketed.
std::string operand(const Part& part, std::optional<Shape> chain = std::nullopt) {
    if (!isBinary(part) || (chain && part.shape == *chain))
        return part.text;
    return "(" + part.text + ")";
}

// Recursive descent over the lexemes:
//   expression := term { (union | difference) term }
//   term       := factor { intersection factor }
//   factor     := primary { complement }
//   primary    := set | U | ∅ | '(' expression ')'
class Parser {
  public:
    Parser(std::vector<Lexeme> lexemes, int setCount)
        : lexemes_(std::move(lexemes)), setCount_(setCount) {}

    kit::Parsed<SetExpression> run() {
        const std::optional<Part> whole = expression();
        if (!whole)
            return error_;
        if (peek().token != Token::End) {
            const Lexeme& extra = peek();
            if (extra.token == Token::Close)
                return fail("unexpected ')' at " + std::to_string(extra.position) +
                                ": no '(' is open",
                            extra.position);
            const std::string hint = extra.token == Token::Universe
                                         ? " (U is the universe; the union is a small u or \u222a)"
                                         : "";
            return fail("unexpected '" + extra.shown + "' at " + std::to_string(extra.position) +
                            ": an operation is missing before it" + hint,
                        extra.position);
        }
        return SetExpression{whole->text, whole->regions, steps_};
    }

  private:
    std::optional<Part> expression() {
        std::optional<Part> left = term();
        while (left && (peek().token == Token::Union || peek().token == Token::Difference)) {
            const bool isUnion = take().token == Token::Union;
            const std::optional<Part> right = term();
            if (!right)
                return std::nullopt;
            if (isUnion)
                left =
                    record(operand(*left, Shape::Union) + " " + unionSign + " " + operand(*right),
                           left->regions | right->regions, Shape::Union);
            else
                left = record(operand(*left) + " " + differenceSign + " " + operand(*right),
                              left->regions & ~right->regions & all(), Shape::Difference);
        }
        return left;
    }

    std::optional<Part> term() {
        std::optional<Part> left = factor();
        while (left && peek().token == Token::Intersection) {
            take();
            const std::optional<Part> right = factor();
            if (!right)
                return std::nullopt;
            left = record(operand(*left, Shape::Intersection) + " " + intersectionSign + " " +
                              operand(*right),
                          left->regions & right->regions, Shape::Intersection);
        }
        return left;
    }

    std::optional<Part> factor() {
        std::optional<Part> part = primary();
        while (part && peek().token == Token::Complement) {
            take();
            part =
                record(operand(*part) + complementSign, all() & ~part->regions, Shape::Complement);
        }
        return part;
    }

    std::optional<Part> primary() {
        const Lexeme lexeme = take();
        switch (lexeme.token) {
        case Token::Set:
            if (lexeme.set >= setCount_)
                return failPart(lexeme.shown + " is not one of the " + std::to_string(setCount_) +
                                    " sets at " + std::to_string(lexeme.position) + " (" +
                                    namesInUse() + ")",
                                lexeme.position);
            return Part{regionsOfSet(lexeme.set, setCount_), setName(lexeme.set), Shape::Atom};
        case Token::Universe:
            return Part{all(), "U", Shape::Atom};
        case Token::Empty:
            return Part{0, emptySign, Shape::Atom};
        case Token::Open:
            return bracketedExpression(lexeme);
        case Token::End:
            return failPart("a set is missing at the end (at " + std::to_string(lexeme.position) +
                                ")",
                            lexeme.position);
        case Token::Close:
            return failPart("unexpected ')' at " + std::to_string(lexeme.position) +
                                ": a set is missing before it",
                            lexeme.position);
        default:
            return failPart("unexpected '" + lexeme.shown + "' at " +
                                std::to_string(lexeme.position) + ": a set is missing before it",
                            lexeme.position);
        }
    }

    std::optional<Part> bracketedExpression(const Lexeme& open) {
        if (++depth_ > deepestNesting)
            return failPart("the brackets are nested too deeply at " +
                                std::to_string(open.position) + ": at most " +
                                std::to_string(deepestNesting),
                            open.position);
        std::optional<Part> inner = expression();
        --depth_;
        if (!inner)
            return std::nullopt;
        if (peek().token != Token::Close) {
            return failPart("the '(' at " + std::to_string(open.position) +
                                " is never closed (expected ')' at " +
                                std::to_string(peek().position) + ")",
                            peek().position);
        }
        take();
        return inner;
    }

    Part record(std::string text, RegionMask regions, Shape shape) {
        steps_.push_back({text, regions});
        return Part{regions, std::move(text), shape};
    }

    std::string namesInUse() const {
        std::string names;
        for (int set = 0; set < setCount_; ++set)
            names += (set == 0 ? "" : (set + 1 == setCount_ ? " and " : ", ")) + setName(set);
        return names;
    }

    std::optional<Part> failPart(std::string message, std::size_t position) {
        error_ = kit::ParseError{std::move(message), position};
        return std::nullopt;
    }
    kit::ParseError fail(std::string message, std::size_t position) {
        return kit::ParseError{std::move(message), position};
    }

    RegionMask all() const { return allRegions(setCount_); }
    const Lexeme& peek() const { return lexemes_[next_]; }
    Lexeme take() {
        const Lexeme lexeme = lexemes_[next_];
        if (lexeme.token != Token::End)
            ++next_;
        return lexeme;
    }

    std::vector<Lexeme> lexemes_;
    int setCount_;
    std::size_t next_ = 0;
    int depth_ = 0;
    std::vector<ExpressionStep> steps_;
    kit::ParseError error_;
};

} // namespace

RegionMask allRegions(int setCount) {
    return static_cast<RegionMask>((1u << (1u << setCount)) - 1u);
}

RegionMask regionsOfSet(int set, int setCount) {
    RegionMask mask = 0;
    for (unsigned region = 0; region < (1u << setCount); ++region)
        if (region & (1u << set))
            mask = static_cast<RegionMask>(mask | (1u << region));
    return mask;
}

std::string setName(int set) {
    return std::string(1, static_cast<char>('A' + set));
}

kit::Parsed<SetExpression> parseSetExpression(std::string_view text, int setCount) {
    if (setCount < 1 || setCount > largestSetCount)
        return kit::ParseError{"a diagram has 1 to 3 sets", 0};
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the expression is too long: at most " +
                                   std::to_string(kit::maxInputLength) + " characters",
                               0};
    auto lexemes = Lexer(text).run();
    if (!lexemes.ok())
        return lexemes.error();
    if (lexemes.value().size() == 1)
        return kit::ParseError{"type an expression such as (A u B) n C'", 0};
    return Parser(lexemes.value(), setCount).run();
}

} // namespace collections
