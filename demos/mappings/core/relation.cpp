#include "mappings/core/relation.h"

#include <algorithm>
#include <stdexcept>

namespace mappings {

Relation::Relation(int size) : size_(std::clamp(size, 1, maxSize)) {
    matrix_.assign(static_cast<std::size_t>(size_ * size_), 0);
}

bool Relation::holds(int a, int b) const {
    if (a < 1 || b < 1 || a > size_ || b > size_)
        return false;
    return matrix_[static_cast<std::size_t>((a - 1) * size_ + (b - 1))] != 0;
}

void Relation::set(int a, int b, bool related) {
    if (a < 1 || b < 1 || a > size_ || b > size_)
        throw std::out_of_range("element outside the set of the relation");
    matrix_[static_cast<std::size_t>((a - 1) * size_ + (b - 1))] = related ? 1 : 0;
}

int Relation::pairCount() const {
    return static_cast<int>(std::count(matrix_.begin(), matrix_.end(), 1));
}

static std::string pairText(int a, int b) {
    return "(" + std::to_string(a) + "," + std::to_string(b) + ")";
}

std::string Relation::pairsText() const {
    std::string text;
    for (int a = 1; a <= size_; ++a)
        for (int b = 1; b <= size_; ++b)
            if (holds(a, b))
                text += (text.empty() ? "" : ", ") + pairText(a, b);
    return "{" + text + "}";
}

std::optional<Counterexample> reflexiveFailure(const Relation& r) {
    for (int a = 1; a <= r.size(); ++a)
        if (!r.holds(a, a))
            return Counterexample{{a}, pairText(a, a) + " is missing"};
    return std::nullopt;
}

std::optional<Counterexample> symmetricFailure(const Relation& r) {
    for (int a = 1; a <= r.size(); ++a)
        for (int b = 1; b <= r.size(); ++b)
            if (r.holds(a, b) && !r.holds(b, a))
                return Counterexample{
                    {a, b}, pairText(a, b) + " is in R but " + pairText(b, a) + " is not"};
    return std::nullopt;
}

std::optional<Counterexample> antisymmetricFailure(const Relation& r) {
    for (int a = 1; a <= r.size(); ++a)
        for (int b = a + 1; b <= r.size(); ++b)
            if (r.holds(a, b) && r.holds(b, a))
                return Counterexample{{a, b},
                                      "both " + pairText(a, b) + " and " + pairText(b, a) +
                                          " are in R although " + std::to_string(a) + " \u2260 " +
                                          std::to_string(b)};
    return std::nullopt;
}

std::optional<Counterexample> transitiveFailure(const Relation& r) {
    const int n = r.size();
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            if (r.holds(a, b))
                for (int c = 1; c <= n; ++c)
                    if (r.holds(b, c) && !r.holds(a, c))
                        return Counterexample{{a, b, c},
                                              pairText(a, b) + " and " + pairText(b, c) +
                                                  " are in R but " + pairText(a, c) + " is not"};
    return std::nullopt;
}

bool isEquivalence(const Relation& r) {
    return !reflexiveFailure(r) && !symmetricFailure(r) && !transitiveFailure(r);
}

bool isPartialOrder(const Relation& r) {
    return !reflexiveFailure(r) && !antisymmetricFailure(r) && !transitiveFailure(r);
}

Relation reflexiveClosure(const Relation& r) {
    Relation closure = r;
    for (int a = 1; a <= r.size(); ++a)
        closure.set(a, a, true);
    return closure;
}

Relation symmetricClosure(const Relation& r) {
    Relation closure = r;
    for (int a = 1; a <= r.size(); ++a)
        for (int b = 1; b <= r.size(); ++b)
            if (r.holds(a, b))
                closure.set(b, a, true);
    return closure;
}

Relation transitiveClosure(const Relation& r) {
    Relation closure = r;
    const int n = r.size();
    for (int k = 1; k <= n; ++k)
        for (int a = 1; a <= n; ++a)
            if (closure.holds(a, k))
                for (int b = 1; b <= n; ++b)
                    if (closure.holds(k, b))
                        closure.set(a, b, true);
    return closure;
}

std::vector<std::vector<int>> equivalenceClasses(const Relation& r) {
    std::vector<std::vector<int>> classes;
    std::vector<bool> placed(static_cast<std::size_t>(r.size() + 1), false);
    for (int a = 1; a <= r.size(); ++a) {
        if (placed[static_cast<std::size_t>(a)])
            continue;
        std::vector<int> block;
        for (int b = 1; b <= r.size(); ++b)
            if (b == a || r.holds(a, b)) {
                block.push_back(b);
                placed[static_cast<std::size_t>(b)] = true;
            }
        classes.push_back(block);
    }
    return classes;
}

Relation relationOfPartition(int size, const std::vector<std::vector<int>>& blocks) {
    Relation r(size);
    for (const auto& block : blocks)
        for (int a : block)
            for (int b : block)
                r.set(a, b, true);
    return r;
}

std::string partitionText(const std::vector<std::vector<int>>& blocks) {
    std::string text;
    for (const auto& block : blocks) {
        std::string inner;
        for (int a : block)
            inner += (inner.empty() ? "" : ", ") + std::to_string(a);
        text += (text.empty() ? "{" : ", {") + inner + "}";
    }
    return text;
}

std::vector<std::pair<int, int>> hasseEdges(const Relation& order) {
    std::vector<std::pair<int, int>> edges;
    const int n = order.size();
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b) {
            if (a == b || !order.holds(a, b))
                continue;
            bool covered = true;
            for (int c = 1; c <= n && covered; ++c)
                if (c != a && c != b && order.holds(a, c) && order.holds(c, b))
                    covered = false;
            if (covered)
                edges.emplace_back(a, b);
        }
    return edges;
}

std::vector<int> hasseLevels(const Relation& order) {
    const int n = order.size();
    std::vector<int> level(static_cast<std::size_t>(n), 0);
    // Longest chain below each element; n rounds settle every chain of a partial order.
    for (int round = 0; round < n; ++round)
        for (const auto& [a, b] : hasseEdges(order))
            level[static_cast<std::size_t>(b - 1)] = std::max(
                level[static_cast<std::size_t>(b - 1)], level[static_cast<std::size_t>(a - 1)] + 1);
    return level;
}

} // namespace mappings
