#include "page_arithmetic.h"

#include <cmath>
#include <sstream>

namespace small_programs {
namespace {

constexpr char superscriptTwo = '\xB2';
constexpr char superscriptThree = '\xB3';
constexpr char multiplicationSign = '\xD7';

enum class Kind { Number, Operator, Open, Close, Equals, Other };

struct Token {
    Kind kind = Kind::Other;
    double value = 0;
    char op = 0;
    std::string text;
    bool endsExpression = false; // followed by ",", ";", ":" or "."
};

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A word's core without its parentheses and closing punctuation: "2³", "x", "=", "(m" ...
Token coreToken(std::string_view core) {
    Token t;
    t.text = std::string(core);
    int exponent = 1;
    if (!core.empty() && (core.back() == superscriptTwo || core.back() == superscriptThree)) {
        exponent = core.back() == superscriptTwo ? 2 : 3;
        core.remove_suffix(1);
    }
    if (isDigits(core) && core.size() < 16) {
        t.kind = Kind::Number;
        t.value = std::pow(std::stod(std::string(core)), exponent);
    } else if (exponent == 1 && core.size() == 1 &&
               std::string_view("x*\xD7/+-").find(core[0]) != std::string_view::npos) {
        t.kind = Kind::Operator;
        t.op = core[0] == 'x' || core[0] == multiplicationSign ? '*' : core[0];
    } else if (exponent == 1 && core == "=") {
        t.kind = Kind::Equals;
    }
    return t;
}

void appendWord(std::string_view word, std::vector<Token>& out) {
    for (; !word.empty() && word.front() == '('; word.remove_prefix(1))
        out.push_back({Kind::Open, 0, 0, "(", false});
    bool ends = false;
    for (; !word.empty() && std::string_view(",;:.").find(word.back()) != std::string_view::npos;
         word.remove_suffix(1))
        ends = true;
    int closing = 0;
    for (; !word.empty() && word.back() == ')'; word.remove_suffix(1))
        ++closing;
    if (!word.empty())
        out.push_back(coreToken(word));
    for (int i = 0; i < closing; ++i)
        out.push_back({Kind::Close, 0, 0, ")", false});
    if (ends && !out.empty())
        out.back().endsExpression = true;
}

std::vector<Token> tokens(std::string_view line) {
    std::vector<Token> out;
    std::istringstream in{std::string(line)};
    for (std::string word; in >> word;)
        appendWord(word, out);
    return out;
}

// Recursive descent over one side of an equation; it must use every token of the side.
class SideParser {
  public:
    explicit SideParser(const std::vector<Token>& side) : side_(side) {}

    std::optional<double> value() {
        const auto v = sum();
        return v && at_ == side_.size() ? v : std::nullopt;
    }

  private:
    bool nextIs(Kind kind, std::string_view ops = {}) const {
        return at_ < side_.size() && side_[at_].kind == kind &&
               (ops.empty() || ops.find(side_[at_].op) != std::string_view::npos);
    }
    std::optional<double> sum() {
        auto left = product();
        while (left && nextIs(Kind::Operator, "+-")) {
            const char op = side_[at_++].op;
            const auto right = product();
            left =
                right ? std::optional(op == '+' ? *left + *right : *left - *right) : std::nullopt;
        }
        return left;
    }
    std::optional<double> product() {
        auto left = factor();
        while (left && nextIs(Kind::Operator, "*/")) {
            const char op = side_[at_++].op;
            const auto right = factor();
            left = right && (op == '*' || *right != 0)
                       ? std::optional(op == '*' ? *left * *right : *left / *right)
                       : std::nullopt;
        }
        return left;
    }
    std::optional<double> factor() {
        if (nextIs(Kind::Number))
            return side_[at_++].value;
        if (!nextIs(Kind::Open))
            return std::nullopt;
        ++at_;
        const auto inner = sum();
        if (!inner || !nextIs(Kind::Close))
            return std::nullopt;
        ++at_;
        return inner;
    }

    const std::vector<Token>& side_;
    std::size_t at_ = 0;
};

struct Side {
    std::vector<Token> tokens;
    std::string text() const {
        std::string out;
        for (const auto& t : tokens)
            out += (out.empty() || t.kind == Kind::Close || out.back() == '(' ? "" : " ") + t.text;
        return out;
    }
};

// The expression runs of a line: tokens between words that are no arithmetic, each split
// at its "=" signs into sides.
std::vector<std::vector<Side>> equationRuns(const std::vector<Token>& all) {
    std::vector<std::vector<Side>> runs(1, std::vector<Side>(1));
    const auto closeRun = [&] {
        if (!runs.back().empty() && !(runs.back().size() == 1 && runs.back()[0].tokens.empty()))
            runs.emplace_back(1);
    };
    for (const auto& t : all) {
        if (t.kind == Kind::Other) {
            closeRun();
            continue;
        }
        if (t.kind == Kind::Equals)
            runs.back().emplace_back();
        else
            runs.back().back().tokens.push_back(t);
        if (t.endsExpression)
            closeRun();
    }
    return runs;
}

std::string number(double v) {
    std::ostringstream out;
    out << v;
    return out.str();
}

} // namespace

ArithmeticCheck checkArithmetic(std::string_view line) {
    ArithmeticCheck check;
    for (const auto& run : equationRuns(tokens(line))) {
        for (std::size_t i = 0; i + 1 < run.size(); ++i) {
            const auto left = SideParser(run[i].tokens).value();
            const auto right = SideParser(run[i + 1].tokens).value();
            if (!left || !right)
                continue;
            ++check.checkedEquations;
            if (std::abs(*left - *right) > 1e-9 * std::max(1.0, std::abs(*left)))
                check.wrongEquations.push_back(run[i].text() + " = " + run[i + 1].text() + " (" +
                                               number(*left) + " is not " + number(*right) + ")");
        }
    }
    return check;
}

std::optional<double> leadingValue(std::string_view text) {
    const auto all = tokens(text);
    if (all.empty() || all.front().kind == Kind::Other)
        return std::nullopt;
    const auto runs = equationRuns(all);
    return SideParser(runs[0][0].tokens).value();
}

} // namespace small_programs
