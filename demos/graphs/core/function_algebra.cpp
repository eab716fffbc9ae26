#include "graphs/core/function_algebra.h"

#include "kit/core/ginac_access.h"

#include <algorithm>
#include <sstream>

namespace graphs {

namespace {

kit::Expression withValue(const kit::Expression& like, const GiNaC::ex& value) {
    auto impl = std::make_shared<kit::Expression::Impl>(like.impl());
    impl->value = value;
    return kit::Expression(std::move(impl));
}

std::string printed(const GiNaC::ex& e) {
    std::ostringstream out;
    out << e;
    return out.str();
}

// A formula written the way a textbook writes it: terms by falling degree, minus signs
// between terms, negative powers as quotients, square roots as roots.
class FormulaWriter {
  public:
    FormulaWriter(const GiNaC::symbol& x, bool html) : x_(x), html_(html) {}

    std::string write(const GiNaC::ex& e) const {
        if (GiNaC::is_a<GiNaC::add>(e))
            return sum(e);
        if (GiNaC::is_a<GiNaC::mul>(e) || GiNaC::is_a<GiNaC::power>(e))
            return product(e);
        if (GiNaC::is_a<GiNaC::numeric>(e))
            return number(GiNaC::ex_to<GiNaC::numeric>(e));
        if (GiNaC::is_a<GiNaC::function>(e)) {
            std::string args;
            for (std::size_t k = 0; k < e.nops(); ++k)
                args += (k ? ", " : "") + write(e.op(k));
            return GiNaC::ex_to<GiNaC::function>(e).get_name() + "(" + args + ")";
        }
        return printed(e);
    }

  private:
    std::string minus() const { return html_ ? "&minus;" : "-"; }
    std::string times() const { return html_ ? "&middot;" : "*"; }

    std::string number(const GiNaC::numeric& n) const {
        std::string text = printed(GiNaC::abs(n));
        return (n.is_negative() ? minus() : "") + text;
    }

    // Splits a term into its sign and the rest.
    std::pair<bool, GiNaC::ex> signOf(const GiNaC::ex& term) const {
        if (GiNaC::is_a<GiNaC::numeric>(term))
            return {GiNaC::ex_to<GiNaC::numeric>(term).is_negative(),
                    GiNaC::abs(GiNaC::ex_to<GiNaC::numeric>(term))};
        if (GiNaC::is_a<GiNaC::mul>(term)) {
            const GiNaC::ex c = term.op(term.nops() - 1);
            if (GiNaC::is_a<GiNaC::numeric>(c) && GiNaC::ex_to<GiNaC::numeric>(c).is_negative())
                return {true, -term};
        }
        return {false, term};
    }

    std::string sum(const GiNaC::ex& e) const {
        // GiNaC's own order depends on its symbols' serial numbers: the terms are put in an
        // order of their own (falling degree, then their text), the same on every run.
        struct Term {
            int degree;
            bool negative;
            std::string body;
        };
        std::vector<Term> terms;
        for (const auto& term : e) {
            const auto [negative, rest] = signOf(term);
            terms.push_back(
                {term.is_polynomial(x_) ? term.degree(x_) : 1000, negative, write(rest)});
        }
        std::sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) {
            return a.degree != b.degree ? a.degree > b.degree : a.body < b.body;
        });
        std::string text;
        for (const auto& term : terms) {
            if (text.empty())
                text = (term.negative ? minus() : "") + term.body;
            else
                text += (term.negative ? " " + minus() + " " : std::string(" + ")) + term.body;
        }
        return text;
    }

    std::string factor(const GiNaC::ex& base, const GiNaC::numeric& exponent) const {
        std::string b = write(base);
        const bool simple = GiNaC::is_a<GiNaC::symbol>(base) ||
                            GiNaC::is_a<GiNaC::function>(base) ||
                            (GiNaC::is_a<GiNaC::numeric>(base) &&
                             !GiNaC::ex_to<GiNaC::numeric>(base).is_negative() &&
                             GiNaC::ex_to<GiNaC::numeric>(base).is_integer());
        if (exponent == GiNaC::numeric(1, 2))
            return html_ ? "&radic;(" + b + ")" : "sqrt(" + b + ")";
        if (!simple)
            b = "(" + b + ")";
        if (exponent == 1)
            return b;
        const std::string power = printed(exponent);
        return b + (html_ ? "<sup>" + power + "</sup>"
                          : "^" + (exponent.is_integer() ? power : "(" + power + ")"));
    }

    std::string product(const GiNaC::ex& e) const {
        std::vector<GiNaC::ex> factors;
        if (GiNaC::is_a<GiNaC::mul>(e))
            factors.assign(e.begin(), e.end());
        else
            factors.push_back(e);
        GiNaC::numeric coefficient = 1;
        std::vector<std::string> top, bottom;
        for (const auto& f : factors) {
            if (GiNaC::is_a<GiNaC::numeric>(f)) {
                coefficient *= GiNaC::ex_to<GiNaC::numeric>(f);
                continue;
            }
            GiNaC::ex base = f;
            GiNaC::numeric exponent = 1;
            if (GiNaC::is_a<GiNaC::power>(f) && GiNaC::is_a<GiNaC::numeric>(f.op(1))) {
                base = f.op(0);
                exponent = GiNaC::ex_to<GiNaC::numeric>(f.op(1));
            } else if (GiNaC::is_a<GiNaC::power>(f)) {
                top.push_back("(" + write(f.op(0)) + ")^(" + write(f.op(1)) + ")");
                continue;
            }
            if (exponent.is_negative())
                bottom.push_back(factor(base, -exponent));
            else
                top.push_back(factor(base, exponent));
        }
        const auto shortFirst = [](const std::string& a, const std::string& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        };
        std::sort(top.begin(), top.end(), shortFirst);
        std::sort(bottom.begin(), bottom.end(), shortFirst);
        const GiNaC::numeric numerator = coefficient.numer(), denominator = coefficient.denom();
        std::string upper;
        for (const auto& t : top)
            upper += (upper.empty() ? "" : times()) + t;
        const bool unit = numerator == 1 || numerator == -1;
        if (upper.empty())
            upper = printed(GiNaC::abs(numerator));
        else if (!unit)
            upper = printed(GiNaC::abs(numerator)) + (html_ ? "" : "*") + upper;
        std::string lower;
        if (denominator != 1)
            lower = printed(denominator);
        for (const auto& b : bottom)
            lower += (lower.empty() ? "" : times()) + b;
        std::string text = upper;
        if (!lower.empty()) {
            const bool several = bottom.size() + (denominator != 1 ? 1 : 0) > 1;
            if (top.size() > 1 || (!unit && !top.empty()))
                text = "(" + text + ")";
            text += "/" + (several ? "(" + lower + ")" : lower);
        }
        return (numerator.is_negative() ? minus() : "") + text;
    }

    const GiNaC::symbol& x_;
    bool html_;
};

} // namespace

std::string formulaHtml(const kit::Expression& f) {
    try {
        return FormulaWriter(kit::ginacSymbols(f).front(), true).write(kit::ginacExpression(f));
    } catch (const std::exception&) {
        return f.text();
    }
}

std::string formulaTyped(const kit::Expression& f) {
    try {
        return FormulaWriter(kit::ginacSymbols(f).front(), false).write(kit::ginacExpression(f));
    } catch (const std::exception&) {
        return f.text();
    }
}

namespace {

enum class Need { NonZero, NonNegative, Positive };

struct Condition {
    GiNaC::ex expression;
    Need need;
};

bool isEvenRoot(const GiNaC::ex& exponent) {
    if (!GiNaC::is_a<GiNaC::numeric>(exponent))
        return false;
    const auto& n = GiNaC::ex_to<GiNaC::numeric>(exponent);
    return n.is_rational() && !n.is_integer() && n.denom().is_even();
}

void collect(const GiNaC::ex& e, std::vector<Condition>& out, bool& understood) {
    if (GiNaC::is_a<GiNaC::power>(e)) {
        const GiNaC::ex& exponent = e.op(1);
        if (!GiNaC::is_a<GiNaC::numeric>(exponent))
            understood = false;
        else if (isEvenRoot(exponent))
            out.push_back({e.op(0), GiNaC::ex_to<GiNaC::numeric>(exponent).is_negative()
                                        ? Need::Positive
                                        : Need::NonNegative});
        else if (GiNaC::ex_to<GiNaC::numeric>(exponent).is_negative())
            out.push_back({e.op(0), Need::NonZero});
    } else if (GiNaC::is_a<GiNaC::function>(e)) {
        const std::string name = GiNaC::ex_to<GiNaC::function>(e).get_name();
        if (name == "log")
            out.push_back({e.op(0), Need::Positive});
        else if (name != "sin" && name != "cos" && name != "exp" && name != "abs" && name != "atan")
            understood = false;
    }
    for (std::size_t k = 0; k < e.nops(); ++k)
        collect(e.op(k), out, understood);
}

std::optional<equations::Polynomial> asPolynomial(const GiNaC::ex& e) {
    const auto parsed = equations::parsePolynomial(printed(GiNaC::expand(e)));
    if (!parsed.ok())
        return std::nullopt;
    return parsed.value();
}

// Where one condition holds, when its expression is a quotient of polynomials.
std::optional<equations::SolutionSet> solveCondition(const Condition& c) {
    const GiNaC::ex fraction = GiNaC::numer_denom(GiNaC::normal(c.expression));
    const auto top = asPolynomial(fraction.op(0));
    const auto bottom = asPolynomial(fraction.op(1));
    if (!top || !bottom || bottom->isZero())
        return std::nullopt;
    equations::Polynomial n = *top, d = *bottom;
    equations::Relation relation = equations::Relation::Greater;
    if (c.need == Need::NonZero) {
        n = n * n;
        d = d * d;
    } else if (c.need == Need::NonNegative) {
        relation = equations::Relation::GreaterEqual;
    }
    if (n.isZero()) // 0 is never non-zero or positive, and 0 >= 0 holds where d != 0
        return c.need == Need::NonNegative
                   ? std::optional(equations::SolutionSet{{{true, {}}, {true, {}}, false, false}})
                   : std::optional(equations::SolutionSet{});
    const auto chart =
        equations::signChart(equations::factorOverRationals(n), equations::factorOverRationals(d));
    return equations::solve(chart, relation);
}

std::string conditionHtml(const Condition& c, const GiNaC::symbol& x) {
    const std::string text = FormulaWriter(x, true).write(c.expression);
    switch (c.need) {
    case Need::NonZero:
        return text + " &ne; 0";
    case Need::NonNegative:
        return text + " &ge; 0";
    case Need::Positive:
        return text + " &gt; 0";
    }
    return text;
}

} // namespace

kit::Parsed<kit::Expression> parseFunction(std::string_view text) {
    return kit::Expression::parse(text, {"x"});
}

kit::Expression compose(const kit::Expression& f, const kit::Expression& g) {
    try {
        // Each parsed expression has its own symbol x: g is first written in f's.
        const GiNaC::symbol& x = kit::ginacSymbols(f).front();
        GiNaC::exmap rename;
        rename[kit::ginacSymbols(g).front()] = x;
        GiNaC::exmap at;
        at[x] = kit::ginacExpression(g).subs(rename);
        return withValue(f, GiNaC::normal(GiNaC::expand(kit::ginacExpression(f).subs(at))));
    } catch (const std::exception&) {
        return withValue(f, GiNaC::ex(0));
    }
}

std::optional<kit::Expression> inverseFormula(const kit::Expression& f) {
    try {
        const GiNaC::symbol& x = kit::ginacSymbols(f).front();
        const GiNaC::ex fraction = GiNaC::numer_denom(GiNaC::normal(kit::ginacExpression(f)));
        const GiNaC::ex top = GiNaC::expand(fraction.op(0)), bottom = GiNaC::expand(fraction.op(1));
        if (!top.is_polynomial(x) || !bottom.is_polynomial(x) || top.degree(x) > 1 ||
            bottom.degree(x) > 1)
            return std::nullopt;
        const GiNaC::ex a = top.coeff(x, 1), b = top.coeff(x, 0);
        const GiNaC::ex c = bottom.coeff(x, 1), d = bottom.coeff(x, 0);
        for (const auto& k : {a, b, c, d})
            if (!GiNaC::is_a<GiNaC::numeric>(k))
                return std::nullopt;
        if ((a * d - b * c).is_zero())
            return std::nullopt; // constant: not one-to-one
        return withValue(f, GiNaC::normal((d * x - b) / (a - c * x)));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

Domain domainOf(const kit::Expression& f) {
    Domain domain;
    domain.set = {{{true, {}}, {true, {}}, false, false}};
    std::vector<Condition> conditions;
    try {
        collect(kit::ginacExpression(f), conditions, domain.exact);
        for (const auto& c : conditions) {
            domain.conditionsHtml.push_back(conditionHtml(c, kit::ginacSymbols(f).front()));
            const auto solved = solveCondition(c);
            if (!solved) {
                domain.exact = false;
                continue;
            }
            domain.set = intersect(domain.set, *solved);
        }
    } catch (const std::exception&) {
        domain.exact = false;
    }
    return domain;
}

equations::SolutionSet intersect(const equations::SolutionSet& a, const equations::SolutionSet& b) {
    equations::SolutionSet result;
    for (const auto& p : a)
        for (const auto& q : b) {
            equations::Interval piece;
            // The larger low end, and at equal ends the stricter bracket.
            if (p.low.infinite || (!q.low.infinite && q.low.root.value > p.low.root.value)) {
                piece.low = q.low;
                piece.lowClosed = q.lowClosed;
            } else {
                piece.low = p.low;
                piece.lowClosed = p.lowClosed;
                if (!q.low.infinite && q.low.root.value == p.low.root.value)
                    piece.lowClosed = p.lowClosed && q.lowClosed;
            }
            if (p.high.infinite || (!q.high.infinite && q.high.root.value < p.high.root.value)) {
                piece.high = q.high;
                piece.highClosed = q.highClosed;
            } else {
                piece.high = p.high;
                piece.highClosed = p.highClosed;
                if (!q.high.infinite && q.high.root.value == p.high.root.value)
                    piece.highClosed = p.highClosed && q.highClosed;
            }
            const bool bounded = !piece.low.infinite && !piece.high.infinite;
            if (bounded && (piece.low.root.value > piece.high.root.value ||
                            (piece.low.root.value == piece.high.root.value &&
                             !(piece.lowClosed && piece.highClosed))))
                continue;
            result.push_back(piece);
        }
    std::sort(result.begin(), result.end(), [](const auto& x, const auto& y) {
        return !y.low.infinite && (x.low.infinite || x.low.root.value < y.low.root.value);
    });
    return result;
}

} // namespace graphs
