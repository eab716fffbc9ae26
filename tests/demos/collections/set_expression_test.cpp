// Set expressions parsed and shaded by region, checked against the same expressions worked out
// with std::set operations on random sets; and the parser's messages for what it refuses.
#include "collections/core/set_expression.h"
#include "collections/core/set_family.h"

#include "kit/core/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

using collections::Elements;

Elements unionOf(const Elements& a, const Elements& b) {
    Elements r;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::inserter(r, r.end()));
    return r;
}
Elements intersectionOf(const Elements& a, const Elements& b) {
    Elements r;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::inserter(r, r.end()));
    return r;
}
Elements differenceOf(const Elements& a, const Elements& b) {
    Elements r;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(r, r.end()));
    return r;
}

// A random expression written in a random mix of spellings, with its value by std::set.
struct Built {
    std::string text;
    Elements value;
};

class ExpressionBuilder {
  public:
    ExpressionBuilder(kit::Random& random, const collections::SetFamily& family)
        : random_(random), family_(family) {}

    Built build(int depth) {
        const auto setCount = static_cast<std::int64_t>(family_.sets.size());
        if (depth == 0 || random_.chance(0.25)) {
            const auto pick = random_.between(0, setCount + 1);
            if (pick < setCount)
                return {collections::setName(static_cast<int>(pick)),
                        family_.sets[static_cast<std::size_t>(pick)]};
            return pick == setCount ? Built{"U", family_.universe}
                                    : Built{random_.chance(0.5) ? "\u2205" : "{}", {}};
        }
        const Built left = build(depth - 1);
        switch (random_.between(0, 3)) {
        case 0: {
            const Built right = build(depth - 1);
            return {"(" + left.text + spell({" u ", " \u222a ", "+", " | "}) + right.text + ")",
                    unionOf(left.value, right.value)};
        }
        case 1: {
            const Built right = build(depth - 1);
            return {"(" + left.text + spell({" n ", " \u2229 ", "&"}) + right.text + ")",
                    intersectionOf(left.value, right.value)};
        }
        case 2: {
            const Built right = build(depth - 1);
            return {"(" + left.text + spell({" \\ ", " - ", "\u2216"}) + right.text + ")",
                    differenceOf(left.value, right.value)};
        }
        default:
            return {"(" + left.text + ")" + spell({"'", "\u2032", "^c"}),
                    differenceOf(family_.universe, left.value)};
        }
    }

  private:
    std::string spell(const std::vector<std::string>& spellings) { return random_.pick(spellings); }
    kit::Random& random_;
    const collections::SetFamily& family_;
};

collections::SetFamily randomFamily(kit::Random& random, int setCount) {
    collections::SetFamily family;
    for (long e = 1; e <= random.between(0, 14); ++e)
        family.universe.insert(e);
    for (int s = 0; s < setCount; ++s) {
        Elements set;
        for (long e : family.universe)
            if (random.chance(0.5))
                set.insert(e);
        family.sets.push_back(set);
    }
    return family;
}

TEST(SetExpression, RegionsGiveTheSameElementsAsStdSetOperations) {
    kit::Random random(2026);
    for (int trial = 0; trial < 3000; ++trial) {
        const int setCount = static_cast<int>(random.between(1, 3));
        const collections::SetFamily family = randomFamily(random, setCount);
        const Built built = ExpressionBuilder(random, family).build(4);
        SCOPED_TRACE(built.text);
        const auto parsed = collections::parseSetExpression(built.text, setCount);
        ASSERT_TRUE(parsed.ok()) << parsed.error().message;
        EXPECT_EQ(collections::elementsIn(family, parsed.value().regions), built.value);
        // The course's written form means the same as what was typed.
        const auto again = collections::parseSetExpression(parsed.value().text, setCount);
        ASSERT_TRUE(again.ok()) << parsed.value().text << ": " << again.error().message;
        EXPECT_EQ(again.value().regions, parsed.value().regions) << parsed.value().text;
    }
}

TEST(SetExpression, IntersectionBindsMoreTightlyAndTheRestGoesFromTheLeft) {
    const auto regions = [](const char* text) {
        return collections::parseSetExpression(text, 3).value().regions;
    };
    EXPECT_EQ(regions("A u B n C"), regions("A u (B n C)"));
    EXPECT_NE(regions("A u B n C"), regions("(A u B) n C"));
    EXPECT_EQ(regions("A - B - C"), regions("(A - B) - C"));
    EXPECT_EQ(regions("A - B u C"), regions("(A - B) u C"));
    EXPECT_EQ(regions("A u B'"), regions("A u (B')"));
    EXPECT_EQ(regions("A''"), regions("A"));
    EXPECT_EQ(regions("(A u B)'"), regions("A' n B'")) << "De Morgan";
    EXPECT_EQ(regions("(A n B)'"), regions("A' u B'")) << "De Morgan";
    EXPECT_EQ(regions("A n (B u C)"), regions("(A n B) u (A n C)"));
    EXPECT_EQ(regions("U'"), 0);
    EXPECT_EQ(regions("A u A'"), collections::allRegions(3));
}

TEST(SetExpression, WrittenFormUsesTheCourseSigns) {
    const auto text = [](const char* typed) {
        return collections::parseSetExpression(typed, 3).value().text;
    };
    EXPECT_EQ(text("(A u B) n C'"), "(A \u222a B) \u2229 C\u2032");
    EXPECT_EQ(text("A u B u C"), "A \u222a B \u222a C");
    EXPECT_EQ(text("(A n B)^c"), "(A \u2229 B)\u2032");
    EXPECT_EQ(text("A - (B | C)"), "A \\ (B \u222a C)");
    const auto steps = collections::parseSetExpression("(A u B) n C'", 3).value().steps;
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].text, "A \u222a B");
    EXPECT_EQ(steps[1].text, "C\u2032");
}

struct Refusal {
    const char* typed;
    int setCount;
    const char* message;
    std::size_t position;
};

TEST(SetExpression, ErrorsSayWhatAndWhere) {
    const std::vector<Refusal> refusals{
        {"(A u B", 3, "the '(' at 1 is never closed (expected ')' at 7)", 7},
        {"A u B)", 3, "unexpected ')' at 6: no '(' is open", 6},
        {"A u", 3, "a set is missing at the end (at 4)", 4},
        {"A x B", 3, "unexpected 'x' at 3", 3},
        {"A \u222a \u222a B", 3, "unexpected '\u222a' at 5: a set is missing before it", 5},
        {"A B", 3, "unexpected 'B' at 3: an operation is missing before it", 3},
        {"A u C", 2, "C is not one of the 2 sets at 5 (A and B)", 5},
        {"()", 3, "unexpected ')' at 2: a set is missing before it", 2},
        {"'A", 3, "unexpected ''' at 1: a set is missing before it", 1},
        {"   ", 3, "type an expression such as (A u B) n C'", 0},
        {"a u b", 3, "unexpected 'a' at 1 (the sets are the capital letters A, B and C)", 1},
        {"A U B", 3,
         "unexpected 'U' at 3: an operation is missing before it (U is the universe; the union "
         "is a small u or \u222a)",
         3},
        {"A N B", 3, "unexpected 'N' at 3 (the intersection is a small n or \u2229)", 3}};
    for (const Refusal& refusal : refusals) {
        const auto parsed = collections::parseSetExpression(refusal.typed, refusal.setCount);
        ASSERT_FALSE(parsed.ok()) << refusal.typed;
        EXPECT_EQ(parsed.error().message.substr(0, std::string(refusal.message).size()),
                  refusal.message)
            << refusal.typed << ": " << parsed.error().message;
        EXPECT_EQ(parsed.error().position, refusal.position) << refusal.typed;
    }
}

TEST(SetExpression, HugeOrDeepOrBrokenInputIsRefusedWithoutACrash) {
    const auto tooLong = collections::parseSetExpression(std::string(300, 'A'), 3);
    ASSERT_FALSE(tooLong.ok());
    EXPECT_NE(tooLong.error().message.find("too long"), std::string::npos);
    const auto deep =
        collections::parseSetExpression(std::string(60, '(') + "A" + std::string(60, ')'), 3);
    ASSERT_FALSE(deep.ok());
    EXPECT_NE(deep.error().message.find("nested too deeply"), std::string::npos);
    const auto allowed =
        collections::parseSetExpression(std::string(20, '(') + "A" + std::string(20, ')'), 3);
    EXPECT_TRUE(allowed.ok());
    for (const std::string broken : {"\xff\xfe", "A \xe2\x88", "\x01", "A u \xc3"}) {
        const auto parsed = collections::parseSetExpression(broken, 3);
        EXPECT_FALSE(parsed.ok()) << broken;
    }
    EXPECT_FALSE(collections::parseSetExpression("A", 0).ok());
    EXPECT_FALSE(collections::parseSetExpression("A", 4).ok());
}

TEST(SetFamily, InclusionExclusionCountsTheUnion) {
    kit::Random random(7);
    for (int trial = 0; trial < 500; ++trial) {
        const int setCount = static_cast<int>(random.between(1, 3));
        const collections::SetFamily family = randomFamily(random, setCount);
        Elements all;
        for (const Elements& set : family.sets)
            all = unionOf(all, set);
        EXPECT_EQ(collections::inclusionExclusionCount(family), static_cast<long>(all.size()));
        const std::string text = collections::inclusionExclusionText(family);
        EXPECT_TRUE(text.ends_with("= " + std::to_string(all.size()))) << text;
    }
    collections::SetFamily two{{1, 2, 3, 4, 5, 6}, {{1, 2, 3}, {3, 4}}};
    EXPECT_EQ(collections::inclusionExclusionText(two),
              "|A \u222a B| = |A| + |B| \u2212 |A \u2229 B| = 3 + 2 \u2212 1 = 4");
}

TEST(SetFamily, ElementsLieInTheRegionOfTheirMembership) {
    const collections::SetFamily family{{1, 2, 3, 4, 5, 6, 7, 8},
                                        {{1, 2, 3, 4}, {3, 4, 5}, {4, 6}}};
    EXPECT_EQ(collections::regionOf(family, 4), 7);
    EXPECT_EQ(collections::regionOf(family, 3), 3);
    EXPECT_EQ(collections::regionOf(family, 6), 4);
    EXPECT_EQ(collections::regionOf(family, 8), 0);
    EXPECT_EQ(collections::outsideUniverse(family), Elements{});
    collections::SetFamily stray = family;
    stray.sets[1].insert(11);
    EXPECT_EQ(collections::outsideUniverse(stray), Elements{11});
}

} // namespace
