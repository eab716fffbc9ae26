// Relation properties, closures, classes and Hasse diagrams against brute-force computations
// written straight from the definitions, over many random relations.
#include "mappings/core/pair_input.h"
#include "mappings/core/relation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <set>

namespace {

using mappings::Relation;

Relation randomRelation(std::mt19937& engine, int size, double density) {
    Relation r(size);
    std::bernoulli_distribution in(density);
    for (int a = 1; a <= size; ++a)
        for (int b = 1; b <= size; ++b)
            r.set(a, b, in(engine));
    return r;
}

using Pairs = std::set<std::pair<int, int>>;

Pairs pairsOf(const Relation& r) {
    Pairs pairs;
    for (int a = 1; a <= r.size(); ++a)
        for (int b = 1; b <= r.size(); ++b)
            if (r.holds(a, b))
                pairs.insert({a, b});
    return pairs;
}

bool reflexive(const Pairs& p, int n) {
    for (int a = 1; a <= n; ++a)
        if (!p.count({a, a}))
            return false;
    return true;
}
bool symmetric(const Pairs& p) {
    for (auto [a, b] : p)
        if (!p.count({b, a}))
            return false;
    return true;
}
bool antisymmetric(const Pairs& p) {
    for (auto [a, b] : p)
        if (a != b && p.count({b, a}))
            return false;
    return true;
}
bool transitive(const Pairs& p) {
    for (auto [a, b] : p)
        for (auto [c, d] : p)
            if (b == c && !p.count({a, d}))
                return false;
    return true;
}

// Every relation on a set of n elements, as the subsets of its n*n pairs.
std::vector<Pairs> allRelations(int n) {
    std::vector<Pairs> all;
    const int cells = n * n;
    for (unsigned mask = 0; mask < (1u << cells); ++mask) {
        Pairs p;
        for (int i = 0; i < cells; ++i)
            if (mask & (1u << i))
                p.insert({i / n + 1, i % n + 1});
        all.push_back(p);
    }
    return all;
}

// The smallest relation containing p with the property: the intersection of all of them.
Pairs smallestContaining(const Pairs& p, int n, const std::vector<Pairs>& all,
                         bool (*property)(const Pairs&, int)) {
    Pairs best;
    bool first = true;
    for (const Pairs& q : all) {
        if (!property(q, n) || !std::includes(q.begin(), q.end(), p.begin(), p.end()))
            continue;
        if (first) {
            best = q;
            first = false;
        } else {
            Pairs both;
            std::set_intersection(best.begin(), best.end(), q.begin(), q.end(),
                                  std::inserter(both, both.begin()));
            best = both;
        }
    }
    return best;
}

TEST(RelationProperties, AgreeWithTheDefinitionsAndTheirCounterexamplesBreakThem) {
    std::mt19937 engine(7);
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = 1 + trial % Relation::maxSize;
        const Relation r = randomRelation(engine, n, trial % 3 == 0 ? 0.8 : 0.35);
        const Pairs p = pairsOf(r);
        SCOPED_TRACE(r.pairsText());
        EXPECT_EQ(!mappings::reflexiveFailure(r), reflexive(p, n));
        EXPECT_EQ(!mappings::symmetricFailure(r), symmetric(p));
        EXPECT_EQ(!mappings::antisymmetricFailure(r), antisymmetric(p));
        EXPECT_EQ(!mappings::transitiveFailure(r), transitive(p));
        if (auto f = mappings::reflexiveFailure(r)) {
            EXPECT_FALSE(r.holds(f->elements[0], f->elements[0]));
        }
        if (auto f = mappings::symmetricFailure(r)) {
            EXPECT_TRUE(r.holds(f->elements[0], f->elements[1]));
            EXPECT_FALSE(r.holds(f->elements[1], f->elements[0]));
        }
        if (auto f = mappings::antisymmetricFailure(r)) {
            EXPECT_NE(f->elements[0], f->elements[1]);
            EXPECT_TRUE(r.holds(f->elements[0], f->elements[1]) &&
                        r.holds(f->elements[1], f->elements[0]));
        }
        if (auto f = mappings::transitiveFailure(r)) {
            const auto& t = f->elements;
            EXPECT_TRUE(r.holds(t[0], t[1]) && r.holds(t[1], t[2]));
            EXPECT_FALSE(r.holds(t[0], t[2]));
        }
    }
}

bool reflexiveOn(const Pairs& p, int n) {
    return reflexive(p, n);
}
bool symmetricOn(const Pairs& p, int) {
    return symmetric(p);
}
bool transitiveOn(const Pairs& p, int) {
    return transitive(p);
}

TEST(RelationClosures, AreTheSmallestRelationsWithThePropertyOnTwoAndThreeElements) {
    for (int n = 2; n <= 3; ++n) {
        const std::vector<Pairs> all = allRelations(n);
        // Every relation on two elements; every fifth of the 512 on three.
        for (std::size_t i = 0; i < all.size(); i += n == 2 ? 1 : 5) {
            const Pairs& p = all[i];
            Relation r(n);
            for (auto [a, b] : p)
                r.set(a, b, true);
            SCOPED_TRACE(r.pairsText());
            EXPECT_EQ(pairsOf(mappings::reflexiveClosure(r)),
                      smallestContaining(p, n, all, reflexiveOn));
            EXPECT_EQ(pairsOf(mappings::symmetricClosure(r)),
                      smallestContaining(p, n, all, symmetricOn));
            EXPECT_EQ(pairsOf(mappings::transitiveClosure(r)),
                      smallestContaining(p, n, all, transitiveOn));
        }
    }
}

// (a, b) is in the transitive closure exactly when a path of one or more steps leads from a to b.
bool pathExists(const Relation& r, int from, int to) {
    std::set<int> reached, frontier{from};
    while (!frontier.empty()) {
        std::set<int> next;
        for (int a : frontier)
            for (int b = 1; b <= r.size(); ++b)
                if (r.holds(a, b) && reached.insert(b).second)
                    next.insert(b);
        frontier = next;
    }
    return reached.count(to) > 0;
}

TEST(RelationClosures, TransitiveClosureIsReachabilityOnEightElements) {
    std::mt19937 engine(11);
    for (int trial = 0; trial < 300; ++trial) {
        const Relation r = randomRelation(engine, 8, 0.12);
        const Relation closure = mappings::transitiveClosure(r);
        for (int a = 1; a <= 8; ++a)
            for (int b = 1; b <= 8; ++b)
                EXPECT_EQ(closure.holds(a, b), pathExists(r, a, b)) << r.pairsText();
    }
}

TEST(EquivalenceClasses, PartitionTheSetAndGiveBackTheRelation) {
    std::mt19937 engine(3);
    for (int trial = 0; trial < 500; ++trial) {
        const int n = 1 + trial % 8;
        const Relation base = randomRelation(engine, n, 0.15);
        const Relation r = mappings::transitiveClosure(
            mappings::symmetricClosure(mappings::reflexiveClosure(base)));
        ASSERT_TRUE(mappings::isEquivalence(r));
        const auto classes = mappings::equivalenceClasses(r);
        std::multiset<int> all;
        for (const auto& block : classes) {
            all.insert(block.begin(), block.end());
            for (int a : block)
                for (int b : block)
                    EXPECT_TRUE(r.holds(a, b));
        }
        EXPECT_EQ(all.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), static_cast<std::size_t>(n));
        EXPECT_EQ(mappings::relationOfPartition(n, classes), r);
    }
}

TEST(HasseDiagram, DivisibilityOnOneToEightHasItsCoveringPairsAndLevels) {
    Relation divides(8);
    for (int a = 1; a <= 8; ++a)
        for (int b = 1; b <= 8; ++b)
            divides.set(a, b, b % a == 0);
    ASSERT_TRUE(mappings::isPartialOrder(divides));
    const std::vector<std::pair<int, int>> expected{{1, 2}, {1, 3}, {1, 5}, {1, 7},
                                                    {2, 4}, {2, 6}, {3, 6}, {4, 8}};
    EXPECT_EQ(mappings::hasseEdges(divides), expected);
    EXPECT_EQ(mappings::hasseLevels(divides), (std::vector<int>{0, 1, 1, 2, 1, 2, 1, 3}));
    // The order is the reflexive-transitive closure of its covering pairs.
    Relation covers(8);
    for (auto [a, b] : expected)
        covers.set(a, b, true);
    EXPECT_EQ(mappings::reflexiveClosure(mappings::transitiveClosure(covers)), divides);
}

TEST(PairInput, ReadsPairsWithOrWithoutBracesAndNamesWhatIsWrong) {
    auto parsed = mappings::parsePairs(" { (1,2),(2, 3) , (3,3)} ", 3);
    ASSERT_TRUE(parsed.ok()) << parsed.error().message;
    EXPECT_EQ(parsed.value().pairsText(), "{(1,2), (2,3), (3,3)}");
    EXPECT_EQ(mappings::parsePairs("(1,2)", 2).value().pairCount(), 1);
    EXPECT_EQ(mappings::parsePairs("{}", 4).value().pairCount(), 0);
    EXPECT_EQ(mappings::parsePairs("none", 4).value().pairCount(), 0);
    const std::vector<std::pair<std::string, std::string>> bad{
        {"(1,5)", "5 is not an element of {1, ..., 4}"},
        {"(0,1)", "0 is not an element"},
        {"(1,2)(2,3)", "expected ',' between pairs"},
        {"{(1,2)", "missing '}'"},
        {"(1,2)}", "'}' without its '{'"},
        {"(1 2)", "expected ',' inside the pair"},
        {"(1,2", "expected ')'"},
        {"1,2", "expected '(' to start a pair"},
        {"(a,2)", "expected an element"},
        {"(99999999999,1)", "is not an element"},
        {"", "nothing was typed"},
        {std::string(250, '('), "too long"}};
    for (const auto& [typed, message] : bad) {
        const auto result = mappings::parsePairs(typed, 4);
        ASSERT_FALSE(result.ok()) << typed;
        EXPECT_NE(result.error().message.find(message), std::string::npos)
            << typed << ": " << result.error().message;
    }
}

} // namespace
