#pragma once

#include "collections/core/roster.h"

#include <functional>
#include <string>
#include <vector>

namespace collections {

// A property of whole numbers that a set-builder description uses: {x ∈ U : x is even}.
struct BuilderCondition {
    std::string text; // "x is even"
    std::function<bool(long)> holds;
};

// The conditions the notation explorer offers, from "x is even" to "x is a perfect square".
const std::vector<BuilderCondition>& builderConditions();

// {x ∈ U : condition}, written out as a roster.
Elements buildSet(const Elements& universe, const BuilderCondition& condition);

// "{x ∈ {1, ..., 20} : x is even}"
std::string builderText(long first, long last, const BuilderCondition& condition);

} // namespace collections
