#include "signednumbers2/core/absolute_value_relation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace signednumbers2;

constexpr Relation relations[] = {Relation::Equal, Relation::Less, Relation::LessOrEqual,
                                  Relation::Greater, Relation::GreaterOrEqual};

// Every x on a fine grid (end points and points between them included) is in the solution set
// exactly when it satisfies the relation by the definition of |u|.
TEST(AbsoluteValueRelation, SolutionSetIsExactlyWhatTheDefinitionAllows) {
    for (long a = -4; a <= 4; ++a) {
        if (a == 0)
            continue;
        for (long b = -6; b <= 6; ++b) {
            for (long c = -3; c <= 6; ++c) {
                for (Relation relation : relations) {
                    const AbsoluteValueProblem problem{a, b, c, relation};
                    const SolutionSet set = solve(problem);
                    const long denominator = 4 * (a < 0 ? -a : a);
                    for (long k = -20 * denominator; k <= 20 * denominator; ++k) {
                        mpq_class x(k, static_cast<unsigned long>(denominator));
                        x.canonicalize();
                        ASSERT_EQ(contains(set, x), satisfies(problem, x))
                            << problemHtml(problem) << " at x = " << x.get_str();
                    }
                    EXPECT_FALSE(solutionSteps(problem).empty());
                }
            }
        }
    }
    EXPECT_THROW(solve(AbsoluteValueProblem{0, 1, 1, Relation::Equal}), std::invalid_argument);
}

TEST(AbsoluteValueRelation, WritesTheSetsAsALearnerWould) {
    EXPECT_EQ(solutionHtml(solve({2, -3, 7, Relation::Equal})), "x = &minus;2 or x = 5");
    EXPECT_EQ(solutionHtml(solve({1, 4, 3, Relation::LessOrEqual})),
              "&minus;7 &le; x &le; &minus;1");
    EXPECT_EQ(solutionHtml(solve({-1, 3, 5, Relation::Greater})), "x &lt; &minus;2 or x &gt; 8");
    EXPECT_EQ(solutionHtml(solve({1, -1, -2, Relation::Equal})), "no solution");
    EXPECT_EQ(solutionHtml(solve({1, -1, -2, Relation::Greater})), "every real number x");
    EXPECT_EQ(solutionHtml(solve({2, 1, 0, Relation::Equal})), "x = &minus;1/2");
    EXPECT_EQ(problemHtml({-1, 3, 5, Relation::Greater}), "|&minus;x + 3| &gt; 5");
}

} // namespace
