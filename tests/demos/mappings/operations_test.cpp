// Functions from A to B and operation tables against brute force from the definitions.
#include "mappings/core/function_map.h"
#include "mappings/core/operation_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <set>

namespace {

using mappings::FunctionMap;
using mappings::OperationTable;

TEST(Functions, OneToOneOntoInverseAndCompositionAgreeWithCounting) {
    std::mt19937 engine(5);
    for (int trial = 0; trial < 2000; ++trial) {
        const int n = 1 + trial % 6, m = 1 + (trial / 6) % 6;
        FunctionMap f{m, {}};
        std::uniform_int_distribution<int> value(1, m);
        for (int a = 0; a < n; ++a)
            f.image.push_back(value(engine));
        const std::set<int> images(f.image.begin(), f.image.end());
        EXPECT_EQ(!mappings::oneToOneFailure(f), images.size() == static_cast<std::size_t>(n));
        EXPECT_EQ(!mappings::ontoFailure(f), images.size() == static_cast<std::size_t>(m));
        if (auto broken = mappings::oneToOneFailure(f)) {
            EXPECT_EQ(f(broken->elements[0]), f(broken->elements[1]));
        }
        if (auto missed = mappings::ontoFailure(f)) {
            EXPECT_EQ(images.count(missed->elements[0]), 0u);
        }
        const auto back = mappings::inverse(f);
        EXPECT_EQ(back.has_value(), n == m && images.size() == static_cast<std::size_t>(n));
        if (back) {
            for (int a = 1; a <= n; ++a)
                EXPECT_EQ((*back)(f(a)), a);
            const auto identity = mappings::compose(*back, f);
            ASSERT_TRUE(identity);
            for (int a = 1; a <= n; ++a)
                EXPECT_EQ((*identity)(a), a);
        }
    }
    const FunctionMap f{3, {2, 3, 3}}, g{2, {1, 1, 2}};
    EXPECT_EQ(mappings::compose(g, f)->image, (std::vector<int>{1, 2, 2}));
    EXPECT_FALSE(mappings::compose(f, FunctionMap{2, {1, 2}})) << "f needs a domain of 3 elements";
}

TEST(OperationTables, PropertiesAgreeWithBruteForceOverRandomTables) {
    std::mt19937 engine(9);
    int groups = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const int n = 1 + trial % 4;
        OperationTable t = mappings::additionModulo(n);
        std::uniform_int_distribution<int> cell(1, n), value(trial % 5 == 0 ? 0 : 1, n);
        const int changes = trial % 3;
        for (int c = 0; c < changes; ++c)
            t.setEntry(cell(engine), cell(engine), value(engine));
        bool closed = true, commutative = true, associative = true;
        for (int a = 1; a <= n; ++a)
            for (int b = 1; b <= n; ++b) {
                closed = closed && t.inSet(t.entry(a, b));
                commutative = commutative && t.entry(a, b) == t.entry(b, a);
            }
        for (int a = 1; a <= n && closed; ++a)
            for (int b = 1; b <= n; ++b)
                for (int c = 1; c <= n; ++c)
                    associative =
                        associative && t.entry(t.entry(a, b), c) == t.entry(a, t.entry(b, c));
        EXPECT_EQ(!mappings::closureFailure(t), closed);
        EXPECT_EQ(!mappings::commutativityFailure(t), commutative);
        EXPECT_EQ(!mappings::associativityFailure(t), closed && associative);
        if (auto triple = mappings::associativityFailure(t); triple && closed) {
            const auto& x = triple->elements;
            EXPECT_NE(t.entry(t.entry(x[0], x[1]), x[2]), t.entry(x[0], t.entry(x[1], x[2])));
        }
        std::optional<int> identity;
        for (int e = 1; e <= n && !identity; ++e) {
            bool works = true;
            for (int a = 1; a <= n; ++a)
                works = works && t.entry(e, a) == a && t.entry(a, e) == a;
            if (works)
                identity = e;
        }
        EXPECT_EQ(mappings::identityElement(t), identity);
        bool inverses = identity.has_value();
        for (int a = 1; a <= n && inverses; ++a) {
            bool found = false;
            for (int b = 1; b <= n; ++b)
                found = found || (t.entry(a, b) == *identity && t.entry(b, a) == *identity);
            inverses = found;
        }
        const bool group = closed && associative && inverses;
        EXPECT_EQ(mappings::isGroup(t), group);
        groups += group;
    }
    EXPECT_GT(groups, 100) << "the sample holds groups as well as non-groups";
}

TEST(OperationTables, SubtractionModuloThreeIsNotAssociativeAndTheTripleShowsIt) {
    OperationTable t(3);
    for (int a = 1; a <= 3; ++a)
        for (int b = 1; b <= 3; ++b)
            t.setEntry(a, b, ((a - b) % 3 + 3) % 3 + 1);
    const auto failure = mappings::associativityFailure(t);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->elements, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(failure->reason, "(1 * 1) * 2 = 1 * 2 = 3 but 1 * (1 * 2) = 1 * 3 = 2");
    EXPECT_TRUE(mappings::commutativityFailure(t));
    EXPECT_FALSE(mappings::identityElement(t)) << "1 is a right identity only";
}

} // namespace
