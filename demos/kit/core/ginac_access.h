#pragma once

// Only .cpp files include this: it brings in GiNaC.
#include "kit/core/expression_input.h"

#include <ginac/ginac.h>

namespace kit {

struct Expression::Impl {
    GiNaC::ex value;
    std::vector<GiNaC::symbol> symbols;
    std::vector<std::string> names;
};

inline const GiNaC::ex& ginacExpression(const Expression& e) {
    return e.impl().value;
}
inline const std::vector<GiNaC::symbol>& ginacSymbols(const Expression& e) {
    return e.impl().symbols;
}

} // namespace kit
