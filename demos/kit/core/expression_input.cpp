#include "kit/core/expression_input.h"

#include "kit/core/expression_check.h"
#include "kit/core/ginac_access.h"

#include <cln/dfloat.h>
#include <cln/float.h>

#include <cmath>
#include <exception>

namespace kit {

namespace {

std::shared_ptr<const Expression::Impl> build(const std::string& checked,
                                              const std::vector<std::string>& names) {
    auto impl = std::make_shared<Expression::Impl>();
    impl->names = names;
    GiNaC::symtab table;
    for (const auto& name : names) {
        impl->symbols.emplace_back(name);
        table[name] = impl->symbols.back();
    }
    GiNaC::parser reader(table, true);
    impl->value = reader(checked);
    return impl;
}

} // namespace

Parsed<Expression> Expression::parse(std::string_view text,
                                     const std::vector<std::string>& variables) {
    const auto checked = checkExpression(text, variables);
    if (!checked.ok())
        return checked.error();
    try {
        return Expression(build(checked.value(), variables));
    } catch (const GiNaC::parse_error& error) {
        return ParseError{std::string("the expression could not be read: ") + error.what(), 0};
    } catch (const std::exception&) {
        // GiNaC evaluates constant parts while reading: 1/0 or 0^(-1) end here.
        return ParseError{"the expression divides by zero", 0};
    }
}

std::string Expression::text() const {
    std::ostringstream out;
    out << impl_->value;
    return out.str();
}

const std::vector<std::string>& Expression::variables() const {
    return impl_->names;
}

std::optional<double> Expression::evaluate(const std::vector<double>& values) const {
    try {
        // The values go in as hardware doubles: GiNaC's own numeric(double) is a long float,
        // whose range lets exp(exp(exp(exp(3)))) grow an integer of hundreds of millions of
        // bits before it overflows; a double overflows at once. Results too small for a
        // double become 0 rather than an error.
        static const bool flushSmall = (cln::cl_inhibit_floating_point_underflow = true);
        (void)flushSmall;
        GiNaC::exmap at;
        for (std::size_t k = 0; k < impl_->symbols.size() && k < values.size(); ++k)
            at[impl_->symbols[k]] = GiNaC::numeric(cln::cl_N(cln::cl_DF(values[k])));
        const GiNaC::ex result = GiNaC::evalf(impl_->value.subs(at));
        if (!GiNaC::is_a<GiNaC::numeric>(result))
            return std::nullopt;
        const auto& number = GiNaC::ex_to<GiNaC::numeric>(result);
        if (!number.is_real())
            return std::nullopt;
        const double value = number.to_double();
        if (!std::isfinite(value))
            return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool Expression::equivalentTo(const Expression& other) const {
    try {
        GiNaC::exmap rename;
        for (std::size_t k = 0; k < other.impl_->symbols.size(); ++k)
            for (std::size_t j = 0; j < impl_->names.size(); ++j)
                if (other.impl_->names[k] == impl_->names[j])
                    rename[other.impl_->symbols[k]] = impl_->symbols[j];
        const GiNaC::ex difference = impl_->value - other.impl_->value.subs(rename);
        return GiNaC::normal(GiNaC::expand(difference)).is_zero();
    } catch (const std::exception&) {
        return false;
    }
}

Expression Expression::derivative(std::size_t k) const {
    auto impl = std::make_shared<Impl>(*impl_);
    if (k < impl->symbols.size())
        impl->value = impl_->value.diff(impl_->symbols[k]);
    else
        impl->value = 0;
    return Expression(std::move(impl));
}

} // namespace kit
