#pragma once

#include "kit/core/parse_result.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// A parsed typed expression in the given variables: "3x^2 - 2(x+1)", "sqrt(2)/2", "sin(t)".
// The text is checked first (what is wrong and at which character, implicit products such as
// 2x allowed, a^b^c refused as ambiguous, exponents and exact sizes bounded), then built by
// GiNaC's parser. GiNaC stays out of this header: kit/core/ginac_access.h gives .cpp files
// the GiNaC expression.
class Expression {
  public:
    static Parsed<Expression> parse(std::string_view text,
                                    const std::vector<std::string>& variables);

    std::string text() const; // GiNaC's printed form
    // Value at the given variable values (in the order of parse's variables); nullopt where
    // undefined (division by zero, log of a negative number, overflow).
    std::optional<double> evaluate(const std::vector<double>& values) const;
    // True when this and other are the same expression up to algebra (expand and normalise).
    bool equivalentTo(const Expression& other) const;
    // The derivative with respect to variable k.
    Expression derivative(std::size_t k) const;
    const std::vector<std::string>& variables() const;

    struct Impl;
    explicit Expression(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}
    const Impl& impl() const { return *impl_; }

  private:
    std::shared_ptr<const Impl> impl_;
};

} // namespace kit
