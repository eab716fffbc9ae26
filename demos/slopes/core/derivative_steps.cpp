#include "slopes/core/derivative_steps.h"

#include "graphs/core/function_algebra.h"

#include "kit/core/ginac_access.h"

#include <algorithm>
#include <map>

namespace slopes {

namespace {

using GiNaC::ex;

struct OuterRule {
    const char* rule;
    const char* statement;
    ex (*outer)(const ex& u); // g′(u)
};

const std::map<std::string, OuterRule>& functionRules() {
    static const std::map<std::string, OuterRule> rules = {
        {"exp",
         {"exponential rule", "(e<sup>u</sup>)&prime; = e<sup>u</sup>",
          [](const ex& u) -> ex { return GiNaC::exp(u); }}},
        {"log", {"logarithm rule", "(ln u)&prime; = 1/u", [](const ex& u) -> ex { return 1 / u; }}},
        {"sin",
         {"trigonometric rule", "(sin u)&prime; = cos u",
          [](const ex& u) -> ex { return GiNaC::cos(u); }}},
        {"cos",
         {"trigonometric rule", "(cos u)&prime; = &minus;sin u",
          [](const ex& u) -> ex { return -GiNaC::sin(u); }}},
        {"tan",
         {"trigonometric rule", "(tan u)&prime; = 1/cos<sup>2</sup> u",
          [](const ex& u) -> ex { return 1 / GiNaC::pow(GiNaC::cos(u), 2); }}},
        {"asin",
         {"inverse trigonometric rule", "(arcsin u)&prime; = 1/&radic;(1 &minus; u<sup>2</sup>)",
          [](const ex& u) -> ex { return 1 / GiNaC::sqrt(1 - GiNaC::pow(u, 2)); }}},
        {"acos",
         {"inverse trigonometric rule",
          "(arccos u)&prime; = &minus;1/&radic;(1 &minus; u<sup>2</sup>)",
          [](const ex& u) -> ex { return -1 / GiNaC::sqrt(1 - GiNaC::pow(u, 2)); }}},
        {"atan",
         {"inverse trigonometric rule", "(arctan u)&prime; = 1/(1 + u<sup>2</sup>)",
          [](const ex& u) -> ex { return 1 / (1 + GiNaC::pow(u, 2)); }}},
        {"sinh",
         {"hyperbolic rule", "(sinh u)&prime; = cosh u",
          [](const ex& u) -> ex { return GiNaC::cosh(u); }}},
        {"cosh",
         {"hyperbolic rule", "(cosh u)&prime; = sinh u",
          [](const ex& u) -> ex { return GiNaC::sinh(u); }}},
        {"tanh",
         {"hyperbolic rule", "(tanh u)&prime; = 1 &minus; tanh<sup>2</sup> u",
          [](const ex& u) -> ex { return 1 - GiNaC::pow(GiNaC::tanh(u), 2); }}},
        {"abs",
         {"absolute value rule", "(|u|)&prime; = |u|/u (u &ne; 0)",
          [](const ex& u) -> ex { return GiNaC::abs(u) / u; }}},
    };
    return rules;
}

class Differentiator {
  public:
    explicit Differentiator(const kit::Expression& f) : f_(f), x_(kit::ginacSymbols(f).front()) {}

    ex run(const ex& e, int depth) {
        if (!e.has(x_)) {
            record(depth, "constant rule", "c&prime; = 0", "(" + html(e) + ")&prime; = 0");
            return 0;
        }
        if (e.is_equal(x_)) {
            record(depth, "power rule", "(x<sup>n</sup>)&prime; = n&middot;x<sup>n&minus;1</sup>",
                   "x&prime; = 1");
            return 1;
        }
        if (GiNaC::is_a<GiNaC::add>(e))
            return sum(e, depth);
        if (GiNaC::is_a<GiNaC::mul>(e))
            return product(e, depth);
        if (GiNaC::is_a<GiNaC::power>(e))
            return power(e, depth);
        if (GiNaC::is_a<GiNaC::function>(e))
            return function(e, depth);
        const ex d = e.diff(x_);
        record(depth, "differentiation", "", "d/dx[" + html(e) + "] = " + html(d));
        return d;
    }

    std::vector<RuleStep> steps;
    bool listedAll = true;

  private:
    std::string html(const ex& e) const {
        auto impl = std::make_shared<kit::Expression::Impl>(f_.impl());
        impl->value = e;
        return graphs::formulaHtml(kit::Expression(std::move(impl)));
    }

    // Reserves the step's place before its parts are worked out, so the list reads outside in.
    std::size_t reserve(int depth) {
        if (steps.size() >= maxSteps) {
            listedAll = false;
            return SIZE_MAX;
        }
        steps.push_back({"", "", "", depth});
        return steps.size() - 1;
    }
    void fill(std::size_t at, const char* rule, const char* statement, std::string detail) {
        if (at == SIZE_MAX)
            return;
        steps[at].rule = rule;
        steps[at].statement = statement;
        steps[at].detail = std::move(detail);
    }
    void record(int depth, const char* rule, const char* statement, std::string detail) {
        fill(reserve(depth), rule, statement, std::move(detail));
    }

    ex sum(const ex& e, int depth) {
        const auto at = reserve(depth);
        ex d = 0;
        std::string parts;
        for (const auto& term : e) {
            d += run(term, depth + 1);
            parts += (parts.empty() ? "" : ", ") + html(term);
        }
        fill(at, "sum rule", "(u + v)&prime; = u&prime; + v&prime;",
             "differentiate term by term (" + parts + "): d/dx[" + html(e) + "] = " + html(d));
        return d;
    }

    ex product(const ex& e, int depth) {
        ex constant = 1, variable = 1, numerator = 1, denominator = 1;
        std::vector<ex> factors;
        for (const auto& factor : e) {
            if (!factor.has(x_)) {
                constant *= factor;
                continue;
            }
            variable *= factor;
            factors.push_back(factor);
            if (GiNaC::is_a<GiNaC::power>(factor) && GiNaC::is_a<GiNaC::numeric>(factor.op(1)) &&
                GiNaC::ex_to<GiNaC::numeric>(factor.op(1)).is_negative())
                denominator *= GiNaC::pow(factor.op(0), -factor.op(1));
            else
                numerator *= factor;
        }
        if (!constant.is_equal(1)) {
            const auto at = reserve(depth);
            const ex d = constant * run(variable, depth + 1);
            fill(at, "constant multiple rule", "(c&middot;u)&prime; = c&middot;u&prime;",
                 "c = " + html(constant) + ", u = " + html(variable) + ": d/dx[" + html(e) +
                     "] = " + html(d));
            return d;
        }
        if (!denominator.is_equal(1) && numerator.has(x_))
            return quotient(e, numerator, denominator, depth);
        if (factors.size() == 1)
            return run(factors.front(), depth);
        const ex u = factors.front(), v = variable / u;
        const auto at = reserve(depth);
        const ex du = run(u, depth + 1), dv = run(v, depth + 1);
        const ex d = du * v + u * dv;
        fill(at, "product rule", "(u&middot;v)&prime; = u&prime;&middot;v + u&middot;v&prime;",
             "u = " + html(u) + ", v = " + html(v) + ", u&prime; = " + html(du) +
                 ", v&prime; = " + html(dv) + ": d/dx[" + html(e) + "] = " + html(d));
        return d;
    }

    ex quotient(const ex& e, const ex& u, const ex& v, int depth) {
        const auto at = reserve(depth);
        const ex du = run(u, depth + 1), dv = run(v, depth + 1);
        const ex d = (du * v - u * dv) / GiNaC::pow(v, 2);
        fill(at, "quotient rule",
             "(u/v)&prime; = (u&prime;&middot;v &minus; u&middot;v&prime;)/v<sup>2</sup>",
             "u = " + html(u) + ", v = " + html(v) + ", u&prime; = " + html(du) +
                 ", v&prime; = " + html(dv) + ": d/dx[" + html(e) + "] = " + html(d));
        return d;
    }

    ex power(const ex& e, int depth) {
        const ex base = e.op(0), exponent = e.op(1);
        const auto at = reserve(depth);
        if (!exponent.has(x_)) {
            const ex outer = exponent * GiNaC::pow(base, exponent - 1);
            if (base.is_equal(x_)) {
                fill(at, "power rule", "(x<sup>n</sup>)&prime; = n&middot;x<sup>n&minus;1</sup>",
                     "n = " + html(exponent) + ": d/dx[" + html(e) + "] = " + html(outer));
                return outer;
            }
            const ex du = run(base, depth + 1);
            const ex d = outer * du;
            fill(at, "chain rule",
                 "(u<sup>n</sup>)&prime; = n&middot;u<sup>n&minus;1</sup>&middot;u&prime; "
                 "(power rule outside, chain rule inside)",
                 "u = " + html(base) + ", n = " + html(exponent) + ", u&prime; = " + html(du) +
                     ": d/dx[" + html(e) + "] = " + html(d));
            return d;
        }
        if (!base.has(x_)) {
            const ex dv = run(exponent, depth + 1);
            const ex d = e * GiNaC::log(base) * dv;
            fill(at, "exponential rule",
                 "(a<sup>u</sup>)&prime; = a<sup>u</sup>&middot;ln a&middot;u&prime;",
                 "a = " + html(base) + ", u = " + html(exponent) + ", u&prime; = " + html(dv) +
                     ": d/dx[" + html(e) + "] = " + html(d));
            return d;
        }
        const ex du = run(base, depth + 1), dv = run(exponent, depth + 1);
        const ex d = e * (dv * GiNaC::log(base) + exponent * du / base);
        fill(at, "logarithm rule",
             "u<sup>v</sup> = e<sup>v&middot;ln u</sup>, so (u<sup>v</sup>)&prime; = "
             "u<sup>v</sup>&middot;(v&prime;&middot;ln u + v&middot;u&prime;/u)",
             "u = " + html(base) + ", v = " + html(exponent) + ": d/dx[" + html(e) +
                 "] = " + html(d));
        return d;
    }

    ex function(const ex& e, int depth) {
        const std::string name = GiNaC::ex_to<GiNaC::function>(e).get_name();
        const auto found = functionRules().find(name);
        if (found == functionRules().end() || e.nops() != 1) {
            const ex d = e.diff(x_);
            record(depth, "differentiation", "", "d/dx[" + html(e) + "] = " + html(d));
            return d;
        }
        const OuterRule& rule = found->second;
        const ex u = e.op(0);
        const ex outer = rule.outer(u);
        if (u.is_equal(x_)) {
            record(depth, rule.rule, rule.statement, "d/dx[" + html(e) + "] = " + html(outer));
            return outer;
        }
        const auto at = reserve(depth);
        const ex du = run(u, depth + 1);
        const ex d = outer * du;
        fill(at, "chain rule", "(g(u))&prime; = g&prime;(u)&middot;u&prime;",
             std::string("outside ") + rule.rule + " (" + rule.statement + "), inside u = " +
                 html(u) + " with u&prime; = " + html(du) + ": d/dx[" + html(e) + "] = " + html(d));
        // The outer function's own rule counts as used too.
        if (at != SIZE_MAX)
            steps.insert(steps.begin() + static_cast<long>(at) + 1,
                         {rule.rule, rule.statement,
                          "g(u) = " + html(e) + " with g&prime;(u) = " + html(outer), depth + 1});
        return d;
    }

    const kit::Expression& f_;
    const GiNaC::symbol& x_;
};

kit::Expression wrapped(const kit::Expression& like, const ex& value) {
    auto impl = std::make_shared<kit::Expression::Impl>(like.impl());
    impl->value = value;
    return kit::Expression(std::move(impl));
}

} // namespace

StepwiseDerivative differentiateWithSteps(const kit::Expression& f) {
    try {
        Differentiator differentiator(f);
        const ex& value = kit::ginacExpression(f);
        const ex d = differentiator.run(value, 0);
        const ex tidy = value.diff(kit::ginacSymbols(f).front());
        return {wrapped(f, d), wrapped(f, tidy), std::move(differentiator.steps),
                differentiator.listedAll};
    } catch (const std::exception&) {
        // A rule met a value GiNaC refuses (the logarithm of a base 0): f′ without its steps.
        const kit::Expression d = f.derivative(0);
        return {d, d, {}, false};
    }
}

std::vector<std::string> rulesUsed(const StepwiseDerivative& d) {
    std::vector<std::string> names;
    for (const auto& step : d.steps)
        if (std::find(names.begin(), names.end(), step.rule) == names.end())
            names.push_back(step.rule);
    return names;
}

} // namespace slopes
