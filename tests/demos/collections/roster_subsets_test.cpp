// Typed rosters, the power set and the Cartesian product against counting by hand, and
// set-builder notation against testing each element.
#include "collections/core/roster.h"
#include "collections/core/set_builder.h"
#include "collections/core/subsets.h"

#include <gtest/gtest.h>

namespace {

using collections::Elements;

TEST(Roster, ReadsTheUsualSpellings) {
    EXPECT_EQ(collections::parseRoster("{1, 2, 3}").value(), (Elements{1, 2, 3}));
    EXPECT_EQ(collections::parseRoster(" 3,1 ,2 ").value(), (Elements{1, 2, 3}));
    EXPECT_EQ(collections::parseRoster("{3, 3, -1}").value(), (Elements{-1, 3}));
    EXPECT_EQ(collections::parseRoster("{}").value(), Elements{});
    EXPECT_EQ(collections::parseRoster("{ }").value(), Elements{});
    EXPECT_EQ(collections::parseRoster("\u2205").value(), Elements{});
    EXPECT_EQ(collections::rosterText({}), "\u2205");
    EXPECT_EQ(collections::rosterText({-2, 5}), "{-2, 5}");
    EXPECT_EQ(collections::parseRoster(collections::rosterText({4, 9, 1})).value(),
              (Elements{1, 4, 9}));
}

TEST(Roster, ErrorsSayWhatAndWhere) {
    const std::vector<std::pair<std::string, std::string>> refusals{
        {"{1, 2", "the '{' at 1 is never closed"},
        {"{1, 2}}", "unexpected '}' at 7 after the closing '}'"},
        {"{1,, 2}", "an element is missing before the comma at 4"},
        {"{1, 2,}", "an element is missing at the end"},
        {"{1 2}", "unexpected '2' at 4: elements are separated by commas"},
        {"{a, b}", "unexpected 'a' at 2: the elements are whole numbers"},
        {"{1, 99999}", "the element at 5 is too large: at most 9999"},
        {"", "expected a set such as {1, 2, 3}, but nothing was typed"},
        {std::string(250, '1'), "the input is too long: at most 200 characters"}};
    for (const auto& [typed, message] : refusals) {
        const auto parsed = collections::parseRoster(typed);
        ASSERT_FALSE(parsed.ok()) << typed;
        EXPECT_EQ(parsed.error().message, message) << typed;
    }
    std::string many = "{";
    for (int i = 0; i < 60; ++i)
        many += std::to_string(i) + ",";
    many.back() = '}';
    EXPECT_FALSE(collections::parseRoster(many).ok());
}

TEST(PowerSet, HasEverySubsetOnceAndTwoToTheNInAll) {
    for (long n = 0; n <= 8; ++n) {
        Elements s;
        for (long e = 1; e <= n; ++e)
            s.insert(e * 3);
        const auto subsets = collections::powerSet(s);
        EXPECT_EQ(subsets.size(), 1u << n);
        std::set<Elements> distinct(subsets.begin(), subsets.end());
        EXPECT_EQ(distinct.size(), subsets.size());
        std::vector<long> bySize(static_cast<std::size_t>(n) + 1, 0);
        for (const Elements& subset : subsets) {
            EXPECT_TRUE(collections::isSubset(subset, s));
            ++bySize[subset.size()];
        }
        for (long k = 0; k <= n; ++k)
            EXPECT_EQ(collections::subsetsOfSize(static_cast<unsigned long>(n),
                                                 static_cast<unsigned long>(k)),
                      bySize[static_cast<std::size_t>(k)]);
        EXPECT_TRUE(subsets.front().empty());
        EXPECT_EQ(subsets.back(), s);
    }
    EXPECT_THROW(collections::powerSet({1, 2, 3, 4, 5, 6, 7, 8, 9}), std::invalid_argument);
}

TEST(CartesianProduct, PairsEveryFirstWithEverySecond) {
    const Elements a{1, 2, 3};
    const Elements b{4, 7};
    const auto pairs = collections::cartesianProduct(a, b);
    ASSERT_EQ(pairs.size(), a.size() * b.size());
    std::set<std::pair<long, long>> distinct(pairs.begin(), pairs.end());
    EXPECT_EQ(distinct.size(), pairs.size());
    for (long x : a)
        for (long y : b)
            EXPECT_TRUE(distinct.count({x, y}));
    EXPECT_EQ(collections::pairText(pairs.front()), "(1, 4)");
    EXPECT_TRUE(collections::cartesianProduct(a, {}).empty());
    EXPECT_FALSE(distinct.count({4, 1})) << "ordered pairs";
}

TEST(SetBuilder, KeepsExactlyTheElementsWithTheProperty) {
    Elements universe;
    for (long x = -20; x <= 40; ++x)
        universe.insert(x);
    const auto& conditions = collections::builderConditions();
    const auto even = collections::buildSet(universe, conditions[0]);
    for (long x : universe)
        EXPECT_EQ(even.count(x) == 1, x % 2 == 0) << x;
    const auto prime = collections::buildSet(universe, conditions[3]);
    EXPECT_EQ(prime, (Elements{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}));
    const auto square = collections::buildSet(universe, conditions[4]);
    EXPECT_EQ(square, (Elements{0, 1, 4, 9, 16, 25, 36}));
    EXPECT_EQ(collections::builderText(1, 20, conditions[0]),
              "{x \u2208 {1, 2, \u2026, 20} : x is even}");
    EXPECT_EQ(collections::builderText(4, 6, conditions[3]), "{x \u2208 {4, 5, 6} : x is prime}");
    EXPECT_EQ(collections::builderText(7, 7, conditions[1]), "{x \u2208 {7} : x is odd}");
}

} // namespace
