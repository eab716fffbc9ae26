#include "mappings/core/operation_table.h"

#include <algorithm>
#include <stdexcept>

namespace mappings {

OperationTable::OperationTable(int size) : size_(std::clamp(size, 1, maxSize)) {
    table_.assign(static_cast<std::size_t>(size_ * size_), 1);
}

int OperationTable::entry(int a, int b) const {
    if (!inSet(a) || !inSet(b))
        throw std::out_of_range("element outside the set of the operation");
    return table_[static_cast<std::size_t>((a - 1) * size_ + (b - 1))];
}

void OperationTable::setEntry(int a, int b, int value) {
    if (!inSet(a) || !inSet(b))
        throw std::out_of_range("element outside the set of the operation");
    table_[static_cast<std::size_t>((a - 1) * size_ + (b - 1))] = value;
}

static std::string product(int a, int b) {
    return std::to_string(a) + " * " + std::to_string(b);
}

std::optional<Counterexample> closureFailure(const OperationTable& t) {
    for (int a = 1; a <= t.size(); ++a)
        for (int b = 1; b <= t.size(); ++b)
            if (!t.inSet(t.entry(a, b)))
                return Counterexample{{a, b},
                                      product(a, b) +
                                          (t.entry(a, b) == 0
                                               ? " is not given"
                                               : " = " + std::to_string(t.entry(a, b))) +
                                          ", which is not in S"};
    return std::nullopt;
}

std::optional<Counterexample> commutativityFailure(const OperationTable& t) {
    for (int a = 1; a <= t.size(); ++a)
        for (int b = a + 1; b <= t.size(); ++b)
            if (t.entry(a, b) != t.entry(b, a))
                return Counterexample{{a, b},
                                      product(a, b) + " = " + std::to_string(t.entry(a, b)) +
                                          " but " + product(b, a) + " = " +
                                          std::to_string(t.entry(b, a))};
    return std::nullopt;
}

std::optional<Counterexample> associativityFailure(const OperationTable& t) {
    if (closureFailure(t))
        return Counterexample{{},
                              "the operation is not closed, so (a * b) * c is not always defined"};
    const int n = t.size();
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            for (int c = 1; c <= n; ++c) {
                const int left = t.entry(t.entry(a, b), c);
                const int right = t.entry(a, t.entry(b, c));
                if (left != right)
                    return Counterexample{
                        {a, b, c},
                        "(" + product(a, b) + ") * " + std::to_string(c) + " = " +
                            product(t.entry(a, b), c) + " = " + std::to_string(left) + " but " +
                            std::to_string(a) + " * (" + product(b, c) +
                            ") = " + product(a, t.entry(b, c)) + " = " + std::to_string(right)};
            }
    return std::nullopt;
}

std::optional<int> identityElement(const OperationTable& t) {
    for (int e = 1; e <= t.size(); ++e) {
        bool identity = true;
        for (int a = 1; a <= t.size() && identity; ++a)
            identity = t.entry(e, a) == a && t.entry(a, e) == a;
        if (identity)
            return e;
    }
    return std::nullopt;
}

std::optional<int> inverseOf(const OperationTable& t, int a, int identity) {
    for (int b = 1; b <= t.size(); ++b)
        if (t.entry(a, b) == identity && t.entry(b, a) == identity)
            return b;
    return std::nullopt;
}

std::optional<Counterexample> inverseFailure(const OperationTable& t, int identity) {
    for (int a = 1; a <= t.size(); ++a)
        if (!inverseOf(t, a, identity))
            return Counterexample{{a},
                                  "no b gives " + std::to_string(a) + " * b = b * " +
                                      std::to_string(a) + " = " + std::to_string(identity)};
    return std::nullopt;
}

bool isGroup(const OperationTable& t) {
    if (closureFailure(t) || associativityFailure(t))
        return false;
    const auto e = identityElement(t);
    return e && !inverseFailure(t, *e);
}

OperationTable additionModulo(int n) {
    OperationTable t(n);
    for (int a = 1; a <= t.size(); ++a)
        for (int b = 1; b <= t.size(); ++b)
            t.setEntry(a, b, (a - 1 + b - 1) % t.size() + 1);
    return t;
}

} // namespace mappings
