#include "signednumbers2/core/ordered_domain.h"
#include "signednumbers2/core/parity.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace signednumbers2;

TEST(Parity, RulesGiveTheParityOfTheValue) {
    std::mt19937_64 random(3);
    for (int i = 0; i < 5000; ++i) {
        std::vector<ProductTerm> terms(1 + random() % 4);
        for (auto& term : terms) {
            term.negative = random() % 2 == 0;
            term.factors.resize(1 + random() % 3);
            for (auto& factor : term.factors)
                factor = static_cast<long>(random() % 2001) - 1000;
        }
        bool even = false;
        const auto reasoning = parityReasoning(terms, even);
        ASSERT_EQ(even, isEven(sumOfProductsValue(terms))) << sumOfProductsHtml(terms);
        EXPECT_TRUE(reasoning.back().ends_with(even ? " is even." : " is odd."));
    }
    EXPECT_EQ(parityWord(-7), "odd");
    EXPECT_EQ(parityWord(0), "even");
}

TEST(OrderedDomain, EveryLawHoldsForIntegersOfAllSigns) {
    std::mt19937_64 random(5);
    for (int i = 0; i < 3000; ++i) {
        const long a = static_cast<long>(random() % 41) - 20;
        const long b = static_cast<long>(random() % 41) - 20;
        const long c = static_cast<long>(random() % 41) - 20;
        const auto laws = orderedDomainLaws(a, b, c);
        ASSERT_EQ(laws.size(), 9u);
        for (const LawInstance& law : laws) {
            EXPECT_TRUE(law.holds) << law.name << ": " << law.instance;
            EXPECT_FALSE(law.instance.empty());
        }
    }
    // The order reverses for a negative multiplier, and the instance says so.
    const auto laws = orderedDomainLaws(-3, 2, -4);
    EXPECT_NE(laws.back().instance.find("12 &gt; &minus;8"), std::string::npos)
        << laws.back().instance;
    EXPECT_NE(orderedDomainLaws(0, 5, 1)[4].instance.find("a = 0"), std::string::npos);
}

} // namespace
