#include "gridpoints/core/equation_input.h"

#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <cctype>
#include <exception>
#include <string>

namespace gridpoints {

namespace {

enum Index { One, X, Y, XX, XY, YY };

const char* const notYet = "Not correct yet. Try again, or show the solution step by step.";

Quadratic constant(const mpq_class& value) {
    Quadratic q;
    q.c[One] = value;
    return q;
}

Quadratic variable(Index index) {
    Quadratic q;
    q.c[index] = 1;
    return q;
}

Quadratic plus(const Quadratic& p, const Quadratic& q, int sign = 1) {
    Quadratic r;
    for (std::size_t i = 0; i < 6; ++i)
        r.c[i] = p.c[i] + sign * q.c[i];
    return r;
}

bool multiply(const Quadratic& p, const Quadratic& q, Quadratic& result) {
    if (p.degree() + q.degree() > 2)
        return false;
    // Degrees of the monomials 1, x, y, x², xy, y² as exponent pairs.
    static const int ex[6] = {0, 1, 0, 2, 1, 0};
    static const int ey[6] = {0, 0, 1, 0, 1, 2};
    result = Quadratic{};
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = 0; j < 6; ++j) {
            if (p.c[i] == 0 || q.c[j] == 0)
                continue;
            const int x = ex[i] + ex[j], y = ey[i] + ey[j];
            std::size_t k = 0;
            while (ex[k] != x || ey[k] != y)
                ++k;
            result.c[k] += p.c[i] * q.c[j];
        }
    return true;
}

// The typed text with ², ·, ×, − and the like replaced by ASCII.
std::string ascii(std::string_view typed) {
    std::string text(typed);
    const std::pair<const char*, const char*> replacements[] = {
        {"\u00b2", "^2"}, {"\u00b7", "*"}, {"\u00d7", "*"}, {"\u2212", "-"}, {"\u2013", "-"}};
    for (const auto& [from, to] : replacements)
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, std::string(from).size(), to);
    return text;
}

class EquationParser {
  public:
    explicit EquationParser(std::string text) : text_(std::move(text)) {}

    kit::Parsed<TypedEquation> equation() {
        TypedEquation e;
        if (!expression(e.left))
            return error_;
        skip();
        if (at_ >= text_.size())
            return kit::ParseError{"an equation needs an = sign", 0};
        if (text_[at_] != '=')
            return unexpected();
        ++at_;
        if (!expression(e.right))
            return error_;
        skip();
        if (at_ < text_.size())
            return text_[at_] == '=' ? kit::ParseError{"only one = sign is expected", at_ + 1}
                                     : unexpected();
        return e;
    }

  private:
    void skip() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }
    char peek() {
        skip();
        return at_ < text_.size() ? text_[at_] : '\0';
    }
    kit::ParseError unexpected() { return {kit::unexpectedAt(text_[at_], at_ + 1), at_ + 1}; }
    bool fail(kit::ParseError error) {
        error_ = std::move(error);
        return false;
    }

    bool expression(Quadratic& result) {
        if (++depth_ > 40)
            return fail({"too many brackets", 0});
        int sign = 1;
        if (peek() == '-' || peek() == '+') {
            sign = text_[at_] == '-' ? -1 : 1;
            ++at_;
        }
        Quadratic term;
        if (!product(term))
            return false;
        result = plus(Quadratic{}, term, sign);
        while (peek() == '+' || peek() == '-') {
            const int s = text_[at_++] == '-' ? -1 : 1;
            if (!product(term))
                return false;
            result = plus(result, term, s);
        }
        --depth_;
        return true;
    }

    bool startsFactor(char c) const {
        return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'x' || c == 'y' ||
               c == 'X' || c == 'Y' || c == '(';
    }

    bool product(Quadratic& result) {
        if (!power(result))
            return false;
        for (;;) {
            const char c = peek();
            Quadratic next;
            if (c == '*' || startsFactor(c)) {
                if (c == '*')
                    ++at_;
                if (!power(next))
                    return false;
                Quadratic product;
                if (!multiply(result, next, product))
                    return fail({"only lines and circles here: a term of degree more than 2 at " +
                                     std::to_string(at_),
                                 at_});
                result = product;
            } else if (c == '/') {
                const std::size_t where = ++at_;
                if (!power(next))
                    return false;
                if (next.degree() > 0)
                    return fail(
                        {"division by an expression with x or y at " + std::to_string(where),
                         where});
                if (next.c[One] == 0)
                    return fail({"division by zero at " + std::to_string(where), where});
                for (auto& coefficient : result.c)
                    coefficient /= next.c[One];
            } else {
                return true;
            }
        }
    }

    bool power(Quadratic& result) {
        if (!factor(result))
            return false;
        if (peek() != '^')
            return true;
        ++at_;
        skip();
        const std::size_t where = at_ + 1;
        if (at_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[at_])))
            return fail({"expected an exponent 0, 1 or 2 at " + std::to_string(where), where});
        const char exponent = text_[at_++];
        if (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
            return fail({"only the exponents 0, 1 and 2 are used here", where});
        if (exponent == '0')
            result = constant(1);
        else if (exponent == '2') {
            Quadratic square;
            if (!multiply(result, result, square))
                return fail({"only lines and circles here: a term of degree more than 2", where});
            result = square;
        } else if (exponent != '1')
            return fail({"only the exponents 0, 1 and 2 are used here", where});
        return true;
    }

    bool factor(Quadratic& result) {
        const char c = peek();
        if (c == '\0')
            return fail({"the equation ends too early", 0});
        if (c == '-' || c == '+') {
            // A sign after an operator: "x + -3", "2 * -x".
            ++at_;
            if (++depth_ > 40)
                return fail({"too many signs", 0});
            if (!factor(result))
                return false;
            --depth_;
            if (c == '-')
                result = plus(Quadratic{}, result, -1);
            return true;
        }
        if (c == '(') {
            ++at_;
            if (!expression(result))
                return false;
            if (peek() != ')')
                return fail({"a bracket is not closed at " + std::to_string(at_ + 1), at_ + 1});
            ++at_;
            return true;
        }
        if (c == 'x' || c == 'X' || c == 'y' || c == 'Y') {
            ++at_;
            result = variable(c == 'x' || c == 'X' ? X : Y);
            return true;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            const std::size_t start = at_;
            while (at_ < text_.size() &&
                   (std::isdigit(static_cast<unsigned char>(text_[at_])) || text_[at_] == '.'))
                ++at_;
            const auto number = kit::parseRational(text_.substr(start, at_ - start));
            if (!number.ok())
                return fail(
                    {"the number at " + std::to_string(start + 1) + ": " + number.error().message,
                     start + 1});
            result = constant(number.value());
            return true;
        }
        return fail(unexpected());
    }

    std::string text_;
    std::size_t at_ = 0;
    int depth_ = 0;
    kit::ParseError error_{"the equation could not be read", 0};
};

template <class Body> kit::Verdict guarded(Body body) {
    try {
        return body();
    } catch (const std::exception& error) {
        return {false, std::string("That answer could not be checked: ") + error.what()};
    }
}

} // namespace

int Quadratic::degree() const {
    if (c[XX] != 0 || c[XY] != 0 || c[YY] != 0)
        return 2;
    if (c[X] != 0 || c[Y] != 0)
        return 1;
    return 0;
}

Quadratic TypedEquation::difference() const {
    return plus(left, right, -1);
}

kit::Parsed<TypedEquation> parseEquation(std::string_view typed) {
    if (auto error = kit::checkLength(typed, "an equation such as y = 2x - 3"))
        return *error;
    return EquationParser(ascii(typed)).equation();
}

Quadratic lineQuadratic(const Line& line) {
    Quadratic q;
    q.c[X] = line.a;
    q.c[Y] = line.b;
    q.c[One] = -line.c;
    return q;
}

Quadratic circleQuadratic(const ExactPoint& centre, const mpq_class& radiusSquared) {
    Quadratic q;
    q.c[XX] = 1;
    q.c[YY] = 1;
    q.c[X] = -2 * centre.x;
    q.c[Y] = -2 * centre.y;
    q.c[One] = centre.x * centre.x + centre.y * centre.y - radiusSquared;
    return q;
}

bool sameEquation(const Quadratic& p, const Quadratic& q) {
    std::size_t pivot = 0;
    while (pivot < 6 && q.c[pivot] == 0)
        ++pivot;
    if (pivot == 6 || p.c[pivot] == 0)
        return false;
    const mpq_class lambda = p.c[pivot] / q.c[pivot];
    for (std::size_t i = 0; i < 6; ++i)
        if (p.c[i] != lambda * q.c[i])
            return false;
    return true;
}

kit::AnswerCheck expectLine(const Line& expected, LineForm form) {
    const Quadratic target = lineQuadratic(expected);
    return [target, expected, form](std::string_view typed) {
        return guarded([&]() -> kit::Verdict {
            const auto parsed = parseEquation(typed);
            if (!parsed.ok())
                return {false, parsed.error().message};
            const TypedEquation& e = parsed.value();
            const Quadratic d = e.difference();
            if (d.degree() == 0)
                return {false, "That equation has no x or y left: it is not a line."};
            if (d.degree() == 2)
                return {false, "That is not a line: it has a squared term."};
            if (!sameEquation(d, target))
                return {false, notYet};
            if (form == LineForm::SlopeIntercept) {
                const Index alone = expected.vertical() ? X : Y;
                const bool leftAlone = e.left == variable(alone);
                const bool rightFree = e.right.c[Y] == 0 && e.right.c[alone] == 0;
                if (!leftAlone || !rightFree)
                    return {false, expected.vertical()
                                       ? "The right line, but write it as x = k."
                                       : "The right line, but write it in slope-intercept form "
                                         "y = mx + b."};
            }
            return {true, kit::correctMessage};
        });
    };
}

kit::AnswerCheck expectCircle(const ExactPoint& centre, const mpq_class& radiusSquared) {
    const Quadratic target = circleQuadratic(centre, radiusSquared);
    return [target](std::string_view typed) {
        return guarded([&]() -> kit::Verdict {
            const auto parsed = parseEquation(typed);
            if (!parsed.ok())
                return {false, parsed.error().message};
            const Quadratic d = parsed.value().difference();
            if (d.degree() < 2)
                return {false, "A circle's equation has x\u00b2 and y\u00b2 in it."};
            if (!sameEquation(d, target))
                return {false, notYet};
            return {true, kit::correctMessage};
        });
    };
}

kit::AnswerCheck expectPoint(const ExactPoint& expected) {
    return [expected](std::string_view typed) {
        return guarded([&]() -> kit::Verdict {
            const auto parsed = parsePoint(typed);
            if (!parsed.ok())
                return {false, parsed.error().message};
            const ExactPoint& p = parsed.value();
            if (p == expected)
                return {true, kit::correctMessage};
            if (p.x == expected.x)
                return {false, "The x coordinate is right, the y coordinate is not."};
            if (p.y == expected.y)
                return {false, "The y coordinate is right, the x coordinate is not."};
            if (p.x == expected.y && p.y == expected.x)
                return {false, "The coordinates are swapped: x comes first."};
            return {false, notYet};
        });
    };
}

} // namespace gridpoints
