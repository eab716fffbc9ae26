#pragma once

#include "kit/core/expression_input.h"

#include <string>
#include <vector>

namespace slopes {

// One use of a differentiation rule: its name ("product rule"), the rule in general
// ("(u·v)′ = u′·v + u·v′") and this use of it, with the parts named and the outcome (HTML).
struct RuleStep {
    std::string rule;
    std::string statement;
    std::string detail;
    int depth = 0; // 0 for the whole function, 1 for its parts, ...
};

// f′ worked out the way a learner does it, outside in: the rule for the outermost operation,
// then the rules for its parts. derivative is f′ as the rules give it; tidy is the same
// function as GiNaC collects it. Past maxSteps the remaining parts are differentiated without
// being listed (listedAll is then false).
struct StepwiseDerivative {
    kit::Expression derivative;
    kit::Expression tidy;
    std::vector<RuleStep> steps;
    bool listedAll = true;
};

inline constexpr std::size_t maxSteps = 40;

StepwiseDerivative differentiateWithSteps(const kit::Expression& f);

// The names of the rules used, each once, in order of first use.
std::vector<std::string> rulesUsed(const StepwiseDerivative& d);

} // namespace slopes
