#pragma once

#include "mappings/core/relation.h"

#include <optional>
#include <string>
#include <vector>

namespace mappings {

// A function from A = {1, ..., |A|} to B = {1, ..., |B|}: image[a - 1] is f(a).
struct FunctionMap {
    int codomainSize = 1;
    std::vector<int> image;
    int domainSize() const { return static_cast<int>(image.size()); }
    int operator()(int a) const { return image[static_cast<std::size_t>(a - 1)]; }
};

// Two elements with the same image, when f is not one-to-one.
std::optional<Counterexample> oneToOneFailure(const FunctionMap& f);
// An element of B that is no image, when f is not onto.
std::optional<Counterexample> ontoFailure(const FunctionMap& f);
bool isBijective(const FunctionMap& f);
// The inverse of a bijection; nothing when f is not one.
std::optional<FunctionMap> inverse(const FunctionMap& f);
// g o f (first f, then g); nothing when the codomain of f is not the domain of g.
std::optional<FunctionMap> compose(const FunctionMap& g, const FunctionMap& f);
// "f(1) = 3, f(2) = 1"
std::string valuesText(const FunctionMap& f, const std::string& name);

} // namespace mappings
