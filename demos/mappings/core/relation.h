#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mappings {

// A relation on the set {1, ..., n} (n from 1 to 8), held as its n x n matrix of booleans:
// holds(a, b) says whether a is related to b. Elements are numbered from 1 as the learner sees
// them.
class Relation {
  public:
    static constexpr int maxSize = 8;
    explicit Relation(int size = 4);
    int size() const { return size_; }
    bool holds(int a, int b) const;
    void set(int a, int b, bool related);
    void toggle(int a, int b) { set(a, b, !holds(a, b)); }
    int pairCount() const;
    // "{(1,2), (2,3)}" with the pairs in reading order of the matrix; "{}" when empty.
    std::string pairsText() const;
    bool operator==(const Relation& other) const = default;

  private:
    int size_;
    std::vector<char> matrix_;
};

// Where a property fails: the elements that break it (one for reflexivity, two for symmetry
// and antisymmetry, three for transitivity) and a sentence saying why.
struct Counterexample {
    std::vector<int> elements;
    std::string reason;
};

// Each test returns nothing when the property holds, else the first breaking element, pair or
// triple in reading order.
std::optional<Counterexample> reflexiveFailure(const Relation& r);
std::optional<Counterexample> symmetricFailure(const Relation& r);
std::optional<Counterexample> antisymmetricFailure(const Relation& r);
std::optional<Counterexample> transitiveFailure(const Relation& r);
bool isEquivalence(const Relation& r);
bool isPartialOrder(const Relation& r);

// The smallest relation containing r with the property.
Relation reflexiveClosure(const Relation& r);
Relation symmetricClosure(const Relation& r);
Relation transitiveClosure(const Relation& r); // Warshall's algorithm

// The classes of an equivalence relation, each sorted, in order of their least element.
std::vector<std::vector<int>> equivalenceClasses(const Relation& r);
// The equivalence relation whose classes are the blocks of the partition.
Relation relationOfPartition(int size, const std::vector<std::vector<int>>& blocks);
// "{1, 3}, {2}"
std::string partitionText(const std::vector<std::vector<int>>& blocks);

// The covering pairs (a, b) of a partial order: a < b with nothing strictly between.
std::vector<std::pair<int, int>> hasseEdges(const Relation& order);
// The level of each element in the Hasse diagram (0 for the minimal elements), index a - 1.
std::vector<int> hasseLevels(const Relation& order);

} // namespace mappings
