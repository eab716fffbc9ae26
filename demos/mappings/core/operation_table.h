#pragma once

#include "mappings/core/relation.h"

#include <optional>
#include <string>
#include <vector>

namespace mappings {

// A binary operation * on S = {1, ..., n} given by its table: entry(a, b) is a * b. An entry
// outside S (0 for a blank cell, or a number larger than n) breaks closure.
class OperationTable {
  public:
    static constexpr int maxSize = 6;
    explicit OperationTable(int size = 3);
    int size() const { return size_; }
    int entry(int a, int b) const;
    void setEntry(int a, int b, int value);
    bool inSet(int value) const { return value >= 1 && value <= size_; }

  private:
    int size_;
    std::vector<int> table_;
};

std::optional<Counterexample> closureFailure(const OperationTable& t);
std::optional<Counterexample> commutativityFailure(const OperationTable& t);
// The first triple (a, b, c) with (a * b) * c != a * (b * c); needs closure.
std::optional<Counterexample> associativityFailure(const OperationTable& t);
// The identity element e (e * a = a * e = a for all a), if there is one.
std::optional<int> identityElement(const OperationTable& t);
// An element without an inverse for the identity e (none when every element has one).
std::optional<Counterexample> inverseFailure(const OperationTable& t, int identity);
// The inverse of a for the identity e, if it has one.
std::optional<int> inverseOf(const OperationTable& t, int a, int identity);
bool isGroup(const OperationTable& t);

// Addition modulo n with the elements 1..n standing for 0..n-1: a group, the identity is 1.
OperationTable additionModulo(int n);

} // namespace mappings
