#include "slopes/core/tangent_line.h"

#include "graphs/core/line_through.h"

#include "kit/core/ginac_access.h"

#include <cmath>
#include <cstdio>

namespace slopes {

namespace {

std::optional<mpq_class> rationalValue(const GiNaC::ex& e) {
    if (!GiNaC::is_a<GiNaC::numeric>(e) || !GiNaC::ex_to<GiNaC::numeric>(e).is_rational())
        return std::nullopt;
    const auto& n = GiNaC::ex_to<GiNaC::numeric>(e);
    std::ostringstream numerator, denominator;
    numerator << n.numer();
    denominator << n.denom();
    mpq_class q(mpz_class(numerator.str()), mpz_class(denominator.str()));
    q.canonicalize();
    return q;
}

// f and f′ at a exactly, when a has few decimals and both come out rational.
std::optional<std::pair<mpq_class, mpq_class>> exactValues(const kit::Expression& f, double a) {
    const double scaled = a * 1e6;
    if (std::abs(scaled) > 1e15 || std::abs(scaled - std::round(scaled)) > 1e-6)
        return std::nullopt;
    try {
        const GiNaC::symbol& x = kit::ginacSymbols(f).front();
        const GiNaC::ex point = GiNaC::numeric(static_cast<long>(std::llround(scaled)), 1000000);
        const GiNaC::ex& value = kit::ginacExpression(f);
        const auto y = rationalValue(value.subs(x == point));
        const auto m = rationalValue(value.diff(x).subs(x == point));
        if (!y || !m)
            return std::nullopt;
        return std::make_pair(*y, *m);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string rounded(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.6g", std::abs(v) < 1e-12 ? 0.0 : v);
    return buffer;
}

} // namespace

std::optional<Tangent> tangentAt(const kit::Expression& f, double a) {
    const auto y = f.evaluate({a});
    const auto m = f.derivative(0).evaluate({a});
    if (!y || !m)
        return std::nullopt;
    Tangent t;
    t.a = a;
    t.value = *y;
    t.slope = *m;
    t.intercept = *y - *m * a;
    if (const auto exact = exactValues(f, a)) {
        graphs::Line line;
        line.slope = exact->second;
        const double scaled = std::round(a * 1e6);
        mpq_class point(mpz_class(static_cast<long>(scaled)), mpz_class(1000000));
        point.canonicalize();
        line.intercept = exact->first - exact->second * point;
        line.intercept.canonicalize();
        t.exact = true;
        t.equationHtml = graphs::equationHtml(line);
    } else {
        t.equationHtml = "y &asymp; " + rounded(t.slope) + "x " +
                         (t.intercept < 0 ? "&minus; " : "+ ") + rounded(std::abs(t.intercept));
    }
    return t;
}

} // namespace slopes
