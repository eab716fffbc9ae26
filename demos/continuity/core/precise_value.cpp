#include "continuity/core/precise_value.h"

#include <cmath>

namespace continuity {

namespace {

// Raises GiNaC's working precision for as long as it lives.
class Precision {
  public:
    explicit Precision(long digits) : saved_(GiNaC::Digits) { GiNaC::Digits = digits; }
    ~Precision() { GiNaC::Digits = saved_; }
    Precision(const Precision&) = delete;
    Precision& operator=(const Precision&) = delete;

  private:
    long saved_;
};

// Exponents beyond this are not handed to CLN, which would compute e^u for an astronomically
// large u by forming an integer with about u bits: e^u is replaced by a stand-in of the same
// sign and direction, 10^±100000, far outside every double yet cheap to compute with.
constexpr double largestExponent = 1e6;

GiNaC::ex standIn(bool huge) {
    static const GiNaC::ex big = [] {
        const Precision precise(40);
        return GiNaC::exp(GiNaC::evalf(GiNaC::ex(GiNaC::numeric(230259))));
    }();
    return huge ? big : 1 / big;
}

std::optional<double> realValue(const GiNaC::ex& e) {
    if (!GiNaC::is_a<GiNaC::numeric>(e) || !GiNaC::ex_to<GiNaC::numeric>(e).is_real())
        return std::nullopt;
    return GiNaC::ex_to<GiNaC::numeric>(e).to_double();
}

bool isFunction(const GiNaC::ex& e, const char* name) {
    return GiNaC::is_a<GiNaC::function>(e) && GiNaC::ex_to<GiNaC::function>(e).get_name() == name;
}

// e with x put in, evaluated from the leaves up so that each exponential sees its argument
// as a number before it is formed.
GiNaC::ex evaluateGuarded(const GiNaC::ex& e, const GiNaC::ex& symbol, const GiNaC::ex& x);

// Hands map() the children already worked out, in order. Rebuilding through map() keeps the
// construction (which throws on 0^(-1) or log(0)) inside GiNaC.
struct WorkedChildren : GiNaC::map_function {
    std::vector<GiNaC::ex> children;
    std::size_t next = 0;
    GiNaC::ex operator()(const GiNaC::ex&) override { return children.at(next++); }
};

bool overflows(const GiNaC::ex& u, bool& huge) {
    const auto v = realValue(u);
    if (!v || std::abs(*v) <= largestExponent)
        return false;
    huge = *v > 0;
    return true;
}

GiNaC::ex evaluateGuarded(const GiNaC::ex& e, const GiNaC::ex& symbol, const GiNaC::ex& x) {
    if (e.is_equal(symbol))
        return x;
    if (GiNaC::is_a<GiNaC::numeric>(e))
        return e; // exact exponents stay exact: (-0.5)^(-1) is real, (-0.5)^(-1.0) is not
    if (e.nops() == 0)
        return GiNaC::evalf(e);
    WorkedChildren worked;
    for (std::size_t k = 0; k < e.nops(); ++k)
        worked.children.push_back(evaluateGuarded(e.op(k), symbol, x));
    bool huge = false;
    if (isFunction(e, "exp") && overflows(worked.children[0], huge))
        return standIn(huge);
    if ((isFunction(e, "sinh") || isFunction(e, "cosh")) && overflows(worked.children[0], huge))
        return (isFunction(e, "sinh") && !huge ? -1 : 1) * standIn(true);
    if (GiNaC::is_a<GiNaC::power>(e)) {
        const auto b = realValue(worked.children[0]), p = realValue(worked.children[1]);
        if (b && p && *b > 0 && std::abs(*p * std::log(*b)) > largestExponent)
            return standIn(*p * std::log(*b) > 0);
    }
    return GiNaC::evalf(e.map(worked));
}

} // namespace

std::optional<double> preciseValue(const kit::Expression& f, const GiNaC::ex& x) {
    try {
        const Precision precise(40);
        // x goes in as a 40-digit float: exact, it would turn powers such as (1 + 1/x)^x at
        // x = 10^12 into numbers with billions of digits.
        const GiNaC::ex& formula = kit::ginacExpression(f);
        const GiNaC::ex y =
            kit::ginacSymbols(f).empty()
                ? GiNaC::evalf(formula)
                : evaluateGuarded(formula, kit::ginacSymbols(f)[0], GiNaC::evalf(x));
        if (!GiNaC::is_a<GiNaC::numeric>(y) || !GiNaC::ex_to<GiNaC::numeric>(y).is_real())
            return std::nullopt;
        const GiNaC::numeric& number = GiNaC::ex_to<GiNaC::numeric>(y);
        // Beyond the range of a double the value is still real: kept as an infinite double so
        // that tables towards a pole or infinity show the values running off.
        if (GiNaC::abs(number) > GiNaC::numeric(10).power(300))
            return number.is_positive() ? HUGE_VAL : -HUGE_VAL;
        return number.to_double();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace continuity
