#include "continuity/core/series_limit.h"

#include "kit/core/bounded_work.h"
#include "kit/core/ginac_access.h"

#include <cmath>
#include <sstream>

namespace continuity {

namespace {

constexpr int highestOrder = 8;
// Expansion work grows with the expression's size, its depth of nested functions and the
// order: past these the demonstration gives up on the exact way and keeps the numeric one.
constexpr std::uint64_t workAllowed = 40000;
constexpr int deepestNesting = 8;

// A high power next to a function is expensive: sin(t)^1000/t^1000 makes GiNaC expand sin
// to order 1000 and raise that to the 1000th power. Polynomials alone expand quickly.
constexpr double highestPowerBesideFunctions = 30;

struct Shape {
    std::uint64_t nodes = 0;
    int depth = 0;
    double highestPower = 0;
    bool hasFunction = false;
};

Shape shapeOf(const GiNaC::ex& e) {
    Shape shape{1, 0, 0, GiNaC::is_a<GiNaC::function>(e)};
    if (GiNaC::is_a<GiNaC::power>(e) && GiNaC::is_a<GiNaC::numeric>(e.op(1)))
        shape.highestPower = std::abs(GiNaC::ex_to<GiNaC::numeric>(e.op(1)).to_double());
    for (std::size_t k = 0; k < e.nops(); ++k) {
        const Shape inner = shapeOf(e.op(k));
        shape.nodes += inner.nodes;
        shape.depth = std::max(shape.depth, inner.depth + (GiNaC::is_a<GiNaC::function>(e)));
        shape.highestPower = std::max(shape.highestPower, inner.highestPower);
        shape.hasFunction = shape.hasFunction || inner.hasFunction;
    }
    return shape;
}

std::string printed(const GiNaC::ex& e) {
    std::ostringstream out;
    out << e;
    return out.str();
}

bool isOrderTerm(const GiNaC::ex& e) {
    return GiNaC::is_a<GiNaC::function>(e) &&
           GiNaC::ex_to<GiNaC::function>(e).get_name() == "Order";
}

// The limit as t -> 0+ read off an expansion; nullopt when the expansion is not yet long
// enough (only the Order term) or has terms that are no power of t (log t).
std::optional<Limit> readExpansion(const GiNaC::ex& expansion, const GiNaC::possymbol& t,
                                   bool& undecidable) {
    GiNaC::ex series = expansion;
    if (GiNaC::is_a<GiNaC::pseries>(series))
        series = GiNaC::ex_to<GiNaC::pseries>(series).convert_to_poly(true);
    else if (isOrderTerm(series))
        return std::nullopt;
    if (!series.has(t)) {
        series = series.expand();
        if (series.is_zero())
            return std::nullopt; // everything left is in the Order term
    }
    const int lowest = series.ldegree(t);
    const GiNaC::ex leading = series.coeff(t, lowest);
    if (leading.has(t) || isOrderTerm(leading)) {
        undecidable = true;
        return std::nullopt;
    }
    const GiNaC::ex approx = GiNaC::evalf(leading);
    if (!GiNaC::is_a<GiNaC::numeric>(approx) || !GiNaC::ex_to<GiNaC::numeric>(approx).is_real()) {
        undecidable = true;
        return std::nullopt;
    }
    const double value = GiNaC::ex_to<GiNaC::numeric>(approx).to_double();
    Limit limit;
    if (lowest < 0) {
        limit.kind = value > 0 ? Limit::Kind::PlusInfinity : Limit::Kind::MinusInfinity;
    } else {
        limit.kind = Limit::Kind::Finite;
        limit.value = lowest == 0 ? value : 0.0;
        limit.exactText = lowest == 0 ? printed(leading) : "0";
    }
    return limit;
}

SeriesOutcome expandAtZero(const GiNaC::ex& g, const GiNaC::possymbol& t) {
    SeriesOutcome outcome;
    const Shape shape = shapeOf(g);
    if (shape.depth > deepestNesting) {
        outcome.note = "functions nested too deeply for an exact expansion";
        return outcome;
    }
    if (shape.hasFunction && shape.highestPower > highestPowerBesideFunctions) {
        outcome.note = "powers too high beside functions for an exact expansion";
        return outcome;
    }
    kit::WorkBudget budget(workAllowed);
    for (int order = 1; order <= highestOrder; ++order) {
        if (!budget.spend(shape.nodes * static_cast<std::uint64_t>(order * order))) {
            outcome.note = kit::tooLargeMessage;
            return outcome;
        }
        try {
            const GiNaC::ex expansion = g.series(t == 0, order);
            bool undecidable = false;
            if (const auto limit = readExpansion(expansion, t, undecidable)) {
                outcome.found = limit;
                outcome.expansion = printed(expansion);
                return outcome;
            }
            if (undecidable) {
                outcome.note =
                    "the expansion has terms that are no power of t: " + printed(expansion);
                return outcome;
            }
        } catch (const std::exception& error) {
            const std::string reason = error.what();
            outcome.note = reason.find("Puiseux") != std::string::npos
                               ? "the expansion needs fractional powers of t"
                               : "f has no power series expansion there";
            return outcome;
        }
    }
    outcome.note = "the expansion stays zero up to the highest order tried";
    return outcome;
}

GiNaC::ex substituted(const kit::Expression& f, const GiNaC::ex& x) {
    const auto& symbols = kit::ginacSymbols(f);
    const GiNaC::ex& value = kit::ginacExpression(f);
    return symbols.empty() ? value : value.subs(symbols[0] == x);
}

} // namespace

SeriesOutcome seriesLimit(const kit::Expression& f, const kit::Expression& a, Side side) {
    try {
        const GiNaC::possymbol t("t");
        const int sign = side == Side::Left ? -1 : 1;
        return expandAtZero(substituted(f, kit::ginacExpression(a) + sign * t), t);
    } catch (const std::exception& error) {
        return {std::nullopt, "", "f has no power series expansion there"};
    }
}

SeriesOutcome seriesLimitAtInfinity(const kit::Expression& f, Infinity direction) {
    try {
        const GiNaC::possymbol t("t");
        const int sign = direction == Infinity::Minus ? -1 : 1;
        return expandAtZero(substituted(f, sign / t), t);
    } catch (const std::exception& error) {
        return {std::nullopt, "", "f has no power series expansion there"};
    }
}

} // namespace continuity
