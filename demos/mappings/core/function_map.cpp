#include "mappings/core/function_map.h"

namespace mappings {

std::optional<Counterexample> oneToOneFailure(const FunctionMap& f) {
    for (int a = 1; a <= f.domainSize(); ++a)
        for (int b = a + 1; b <= f.domainSize(); ++b)
            if (f(a) == f(b))
                return Counterexample{{a, b},
                                      "f(" + std::to_string(a) + ") = f(" + std::to_string(b) +
                                          ") = " + std::to_string(f(a))};
    return std::nullopt;
}

std::optional<Counterexample> ontoFailure(const FunctionMap& f) {
    for (int b = 1; b <= f.codomainSize; ++b) {
        bool hit = false;
        for (int a = 1; a <= f.domainSize() && !hit; ++a)
            hit = f(a) == b;
        if (!hit)
            return Counterexample{{b}, std::to_string(b) + " in B is the image of no element of A"};
    }
    return std::nullopt;
}

bool isBijective(const FunctionMap& f) {
    return !oneToOneFailure(f) && !ontoFailure(f);
}

std::optional<FunctionMap> inverse(const FunctionMap& f) {
    if (!isBijective(f))
        return std::nullopt;
    FunctionMap back{f.domainSize(), std::vector<int>(static_cast<std::size_t>(f.codomainSize), 0)};
    for (int a = 1; a <= f.domainSize(); ++a)
        back.image[static_cast<std::size_t>(f(a) - 1)] = a;
    return back;
}

std::optional<FunctionMap> compose(const FunctionMap& g, const FunctionMap& f) {
    if (f.codomainSize != g.domainSize())
        return std::nullopt;
    FunctionMap both{g.codomainSize, {}};
    for (int a = 1; a <= f.domainSize(); ++a)
        both.image.push_back(g(f(a)));
    return both;
}

std::string valuesText(const FunctionMap& f, const std::string& name) {
    std::string text;
    for (int a = 1; a <= f.domainSize(); ++a)
        text +=
            (a > 1 ? ", " : "") + name + "(" + std::to_string(a) + ") = " + std::to_string(f(a));
    return text;
}

} // namespace mappings
