#include "areas/core/antiderivative.h"

#include "kit/core/ginac_access.h"

#include <cmath>
#include <sstream>

namespace areas {

namespace {

using GiNaC::ex;
using GiNaC::symbol;

struct Finder {
    const symbol& x;
    std::string rule;
    int work = 0; // rules tried: a bound on the search

    bool isConstant(const ex& e) const { return !e.has(x); }

    // a and b when e = a·v + b with a ≠ 0 constant.
    bool linearIn(const ex& e, const ex& v, ex& a, ex& b) const {
        if (!e.is_polynomial(v))
            return false;
        const ex expanded = e.expand();
        if (expanded.degree(v) != 1)
            return false;
        a = expanded.coeff(v, 1);
        b = expanded.coeff(v, 0);
        return isConstant(a) && isConstant(b) && !a.is_zero();
    }

    void note(const std::string& name) {
        if (rule.empty())
            rule = name;
    }

    std::optional<ex> find(const ex& f, int depth) {
        if (++work > 4000 || depth > 16)
            return std::nullopt;
        if (isConstant(f))
            return f * x;
        if (GiNaC::is_a<GiNaC::add>(f))
            return sum(f, depth);
        if (f.is_polynomial(x)) {
            const ex expanded = f.expand();
            if (GiNaC::is_a<GiNaC::add>(expanded))
                return sum(expanded, depth);
        }
        if (GiNaC::is_a<GiNaC::mul>(f)) {
            ex constant = 1, rest = 1;
            for (const auto& factor : f)
                (isConstant(factor) ? constant : rest) *= factor;
            if (constant != 1) {
                const auto inner = find(rest, depth + 1);
                if (inner)
                    return constant * *inner;
                return std::nullopt;
            }
        }
        if (const auto direct = standard(f))
            return direct;
        if (const auto parts = byParts(f, depth))
            return parts;
        return substitution(f, depth);
    }

    // p(x)·h(ax + b) with p a polynomial of degree up to 6 and h = exp, sin, cos, sinh or cosh:
    // ∫ p·h = p·H − ∫ p′·H, where H is an antiderivative of h; each step lowers the degree.
    std::optional<ex> byParts(const ex& f, int depth) {
        if (!GiNaC::is_a<GiNaC::mul>(f))
            return std::nullopt;
        ex polynomial = 1, other = 1;
        int others = 0;
        for (const auto& factor : f) {
            if (factor.is_polynomial(x)) {
                polynomial *= factor;
            } else {
                other *= factor;
                ++others;
            }
        }
        if (others != 1 || !GiNaC::is_a<GiNaC::function>(other) || polynomial.degree(x) > 6)
            return std::nullopt;
        const std::string name = GiNaC::ex_to<GiNaC::function>(other).get_name();
        if (name != "exp" && name != "sin" && name != "cos" && name != "sinh" && name != "cosh")
            return std::nullopt;
        const std::string kept = rule;
        const auto H = standard(other);
        if (!H)
            return std::nullopt;
        const auto rest = find((polynomial.diff(x) * *H).expand(), depth + 1);
        if (!rest)
            return std::nullopt;
        rule = kept.empty() ? "integration by parts" : kept;
        return polynomial * *H - *rest;
    }

    std::optional<ex> sum(const ex& f, int depth) {
        ex total = 0;
        for (const auto& term : f) {
            const auto part = find(term, depth + 1);
            if (!part)
                return std::nullopt;
            total += *part;
        }
        return total;
    }

    // The table of standard integrals, each with a linear inner function v = a·x + b.
    std::optional<ex> standard(const ex& f) {
        ex a, b;
        if (f.is_equal(x)) {
            note("power rule");
            return GiNaC::pow(x, 2) / 2;
        }
        if (GiNaC::is_a<GiNaC::power>(f)) {
            const ex base = f.op(0), exponent = f.op(1);
            if (isConstant(exponent) && linearIn(base, x, a, b)) {
                note(a.is_equal(1) ? "power rule" : "power rule with a linear inner function");
                if (exponent.is_equal(-1))
                    return GiNaC::log(GiNaC::abs(base)) / a;
                return GiNaC::pow(base, exponent + 1) / ((exponent + 1) * a);
            }
            if (isConstant(base) && linearIn(exponent, x, a, b) && !base.is_equal(1)) {
                note("exponential rule");
                return f / (a * GiNaC::log(base));
            }
            if (exponent.is_equal(-1) || exponent.is_equal(ex(-1) / 2))
                return inverseTrig(base, exponent);
            return std::nullopt;
        }
        if (!GiNaC::is_a<GiNaC::function>(f) || f.nops() != 1)
            return std::nullopt;
        const ex v = f.op(0);
        if (!linearIn(v, x, a, b))
            return std::nullopt;
        const std::string name = GiNaC::ex_to<GiNaC::function>(f).get_name();
        note(a.is_equal(1) ? "standard integral of " + name
                           : "standard integral of " + name + " with a linear inner function");
        if (name == "sin")
            return -GiNaC::cos(v) / a;
        if (name == "cos")
            return GiNaC::sin(v) / a;
        if (name == "tan")
            return -GiNaC::log(GiNaC::abs(GiNaC::cos(v))) / a;
        if (name == "exp")
            return GiNaC::exp(v) / a;
        if (name == "log")
            return (v * GiNaC::log(v) - v) / a;
        if (name == "sinh")
            return GiNaC::cosh(v) / a;
        if (name == "cosh")
            return GiNaC::sinh(v) / a;
        rule.clear();
        return std::nullopt;
    }

    // 1/(x² + c) with c > 0 (arctan) and 1/√(c − x²) with c > 0 (arcsin).
    std::optional<ex> inverseTrig(const ex& base, const ex& exponent) {
        if (!base.is_polynomial(x))
            return std::nullopt;
        const ex q = base.expand();
        if (q.degree(x) != 2 || !q.coeff(x, 1).is_zero())
            return std::nullopt;
        const ex p = q.coeff(x, 2), c = q.coeff(x, 0);
        if (!GiNaC::is_a<GiNaC::numeric>(p) || !GiNaC::is_a<GiNaC::numeric>(c))
            return std::nullopt;
        const auto& pn = GiNaC::ex_to<GiNaC::numeric>(p);
        const auto& cn = GiNaC::ex_to<GiNaC::numeric>(c);
        if (exponent.is_equal(-1) && pn.is_positive() && cn.is_positive()) {
            // 1/(p x² + c) = (1/c)/(1 + (x√(p/c))²)
            note("standard integral 1/(1 + u²) → arctan u");
            const ex k = GiNaC::sqrt(p / c);
            return GiNaC::atan(k * x) / (c * k);
        }
        if (exponent.is_equal(ex(-1) / 2) && pn.is_negative() && cn.is_positive()) {
            // 1/√(c − q x²) = (1/√c)/√(1 − (x√(q/c))²)
            note("standard integral 1/√(1 − u²) → arcsin u");
            const ex k = GiNaC::sqrt(-p / c);
            return GiNaC::asin(k * x) / (GiNaC::sqrt(c) * k);
        }
        return std::nullopt;
    }

    // The inner functions g(x) worth trying for u = g(x): bases, arguments and whole
    // functions that are not linear.
    void innerCandidates(const ex& e, GiNaC::exset& found) const {
        if (isConstant(e))
            return;
        ex a, b;
        const bool linear = linearIn(e, x, a, b);
        if (GiNaC::is_a<GiNaC::function>(e) || GiNaC::is_a<GiNaC::power>(e))
            if (!linear)
                found.insert(e);
        if (GiNaC::is_a<GiNaC::power>(e) || GiNaC::is_a<GiNaC::function>(e) ||
            GiNaC::is_a<GiNaC::mul>(e) || GiNaC::is_a<GiNaC::add>(e))
            for (const auto& part : e) {
                if (linearIn(part, x, a, b) || isConstant(part))
                    continue;
                if (!GiNaC::is_a<GiNaC::mul>(part))
                    found.insert(part);
                innerCandidates(part, found);
            }
    }

    std::optional<ex> substitution(const ex& f, int depth) {
        GiNaC::exset candidates;
        innerCandidates(f, candidates);
        const symbol u("u");
        for (const ex& g : candidates) {
            if (++work > 4000)
                return std::nullopt;
            const ex dg = g.diff(x);
            if (dg.is_zero())
                continue;
            const ex quotient = GiNaC::normal(f / dg);
            const ex inU = GiNaC::normal(quotient.subs(g == u, GiNaC::subs_options::algebraic));
            if (inU.has(x))
                continue;
            Finder inner{u, "", work};
            const auto H = inner.find(inU, depth + 1);
            work = inner.work;
            if (!H)
                continue;
            std::ostringstream name;
            name << "substitution u = " << g;
            rule = name.str();
            return H->subs(u == g);
        }
        return std::nullopt;
    }
};

kit::Expression withValue(const kit::Expression& like, const ex& value) {
    auto impl = std::make_shared<kit::Expression::Impl>(like.impl());
    impl->value = value;
    return kit::Expression(std::move(impl));
}

} // namespace

std::optional<FoundAntiderivative> antiderivative(const kit::Expression& f) {
    try {
        const auto& symbols = kit::ginacSymbols(f);
        if (symbols.size() != 1)
            return std::nullopt;
        Finder finder{symbols.front(), "", 0};
        const auto F = finder.find(kit::ginacExpression(f), 0);
        if (!F)
            return std::nullopt;
        // F′ must be f: checked by algebra, the rules are not trusted blindly.
        const ex check = GiNaC::normal(F->diff(symbols.front()) - kit::ginacExpression(f));
        kit::Expression result = withValue(f, *F);
        if (!check.is_zero()) {
            // abs and trigonometric forms that normal() does not reduce: compare at points.
            const kit::Expression difference = withValue(f, check);
            int agreed = 0;
            for (double x : {0.3, 0.7, 1.3, 2.1, -0.4, -1.7}) {
                const auto d = difference.evaluate({x});
                if (d && std::abs(*d) > 1e-9)
                    return std::nullopt;
                agreed += d ? 1 : 0;
            }
            if (agreed < 2)
                return std::nullopt;
        }
        return FoundAntiderivative{result, finder.rule.empty() ? "power rule" : finder.rule};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace areas
