#include "areas/core/definite_integral.h"

#include "kit/core/ginac_access.h"

#include <cmath>

namespace areas {

namespace {

// A constant kept with the variable of `like`, so the formula writers of graphs_core can print it.
kit::Expression constantExpression(const kit::Expression& like, const GiNaC::ex& value) {
    auto impl = std::make_shared<kit::Expression::Impl>(like.impl());
    impl->value = value;
    return kit::Expression(std::move(impl));
}

} // namespace

kit::Expression valueAtConstant(const kit::Expression& F, const kit::Expression& c) {
    const auto& symbols = kit::ginacSymbols(F);
    GiNaC::ex value = kit::ginacExpression(F);
    if (!symbols.empty())
        value = value.subs(symbols.front() == kit::ginacExpression(c));
    return constantExpression(F, value);
}

DefiniteIntegral definiteIntegral(const kit::Expression& f, const Interval& interval) {
    DefiniteIntegral result;
    result.error = integrabilityProblem(f, interval.a, interval.b);
    if (!result.error.empty())
        return result;
    result.numeric = gaussKronrod(f, interval.a, interval.b);
    if (!result.numeric.error.empty()) {
        result.error = result.numeric.error;
        return result;
    }
    result.value = result.numeric.value;
    result.antiderivative = antiderivative(f);
    if (!result.antiderivative)
        return result;
    try {
        const GiNaC::ex difference =
            kit::ginacExpression(valueAtConstant(result.antiderivative->F, interval.upper)) -
            kit::ginacExpression(valueAtConstant(result.antiderivative->F, interval.lower));
        const kit::Expression exact = constantExpression(f, GiNaC::normal(difference.expand()));
        const auto approx = exact.evaluate({});
        const double tolerance = 1e-7 * (1 + std::abs(result.numeric.value));
        if (approx && std::abs(*approx - result.numeric.value) <= tolerance) {
            result.exact = exact;
            result.value = *approx;
        }
    } catch (const std::exception&) {
        // The exact value could not be formed: the numeric one stands.
    }
    return result;
}

} // namespace areas
