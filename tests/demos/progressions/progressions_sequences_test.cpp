// The closed forms against term-by-term sums, the convergence verdicts on known series, and
// the explore table on typed rules, famous limits and bad input.
#include "progressions/core/sequence_table.h"
#include "progressions/core/sequences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace progressions;

TEST(Sequences, ClosedFormSumsEqualTermByTermSums) {
    for (long a = -5; a <= 5; ++a)
        for (long d = -3; d <= 3; ++d) {
            mpq_class half(d, 2);
            half.canonicalize();
            const Arithmetic s{a, half};
            mpq_class term = a, sum = 0;
            for (long n = 1; n <= 30; ++n, term += s.difference) {
                sum += term;
                EXPECT_EQ(nthTerm(s, n), term);
                EXPECT_EQ(partialSum(s, n), sum) << a << " " << d << " " << n;
            }
        }
    for (const mpq_class& ratio :
         {mpq_class(1, 2), mpq_class(-2, 3), mpq_class(3), mpq_class(1), mpq_class(-1)}) {
        const Geometric s{mpq_class(5, 3), ratio};
        mpq_class term = s.first, sum = 0;
        for (long n = 1; n <= 20; ++n, term *= ratio) {
            sum += term;
            EXPECT_EQ(nthTerm(s, n), term);
            EXPECT_EQ(partialSum(s, n), sum) << ratio.get_str() << " " << n;
        }
    }
    EXPECT_EQ(partialSum(Arithmetic{1, 1}, 100), 5050);
}

TEST(Sequences, VerdictsOnKnownSeries) {
    EXPECT_EQ(geometricSeriesTest({1, mpq_class(1, 2)}).outcome, Convergence::Converges);
    EXPECT_NE(geometricSeriesTest({6, mpq_class(-1, 3)}).reason.find("9/2"), std::string::npos);
    EXPECT_EQ(geometricSeriesTest({1, -1}).outcome, Convergence::Diverges);
    EXPECT_EQ(geometricSeriesTest({0, 5}).outcome, Convergence::Converges);
    EXPECT_EQ(pSeriesTest(1).outcome, Convergence::Diverges);
    EXPECT_EQ(pSeriesTest(0.5).outcome, Convergence::Diverges);
    EXPECT_EQ(pSeriesTest(2).outcome, Convergence::Converges);
    EXPECT_EQ(pSeriesTest(-1).outcome, Convergence::Diverges);
    EXPECT_EQ(alternatingPSeriesTest(1).outcome, Convergence::Converges);
    EXPECT_NE(alternatingPSeriesTest(1).reason.find("conditionally"), std::string::npos);
    EXPECT_EQ(alternatingPSeriesTest(0).outcome, Convergence::Diverges);
    EXPECT_EQ(ratioTest(0.5).outcome, Convergence::Converges);
    EXPECT_EQ(ratioTest(2).outcome, Convergence::Diverges);
    EXPECT_EQ(ratioTest(1).outcome, Convergence::Inconclusive);
    EXPECT_EQ(comparisonTest(2, 1).outcome, Convergence::Converges);
    EXPECT_EQ(comparisonTest(1, 3).outcome, Convergence::Diverges);
}

TEST(SequenceTable, FamousSeriesApproachTheirLimitsAtTheKnownSpeed) {
    const auto basel = computeTable({SequenceMode::BaselSeries, "", "", 1000});
    const double baselError = std::numbers::pi * std::numbers::pi / 6 - basel.partialSums.back();
    EXPECT_GT(baselError, 1.0 / 1001);
    EXPECT_LT(baselError, 1.0 / 1000);
    const auto leibniz = computeTable({SequenceMode::LeibnizSeries, "", "", 1000});
    EXPECT_LT(std::fabs(std::numbers::pi / 4 - leibniz.partialSums.back()), 1.0 / 2001);
    const auto harmonic = computeTable({SequenceMode::Harmonic, "", "", 2000});
    EXPECT_NEAR(harmonic.partialSums.back(), std::log(2000.0) + 0.5772156649, 1e-3);
    EXPECT_NE(harmonic.facts.find("diverges"), std::string::npos);
}

TEST(SequenceTable, TypedFormulasAndRecursionsMatchDirectComputation) {
    const auto formula = computeTable({SequenceMode::Formula, "", "1/(n(n+1))", 50});
    ASSERT_TRUE(formula.error.empty()) << formula.error;
    EXPECT_NEAR(formula.partialSums.back(), 1 - 1.0 / 51, 1e-12); // telescoping
    const auto recursion = computeTable({SequenceMode::Recursion, "1", "2a + 1", 10});
    ASSERT_TRUE(recursion.error.empty()) << recursion.error;
    for (std::size_t k = 0; k < recursion.terms.size(); ++k)
        EXPECT_DOUBLE_EQ(recursion.terms[k], std::pow(2.0, static_cast<double>(k + 1)) - 1);
    const auto geometric = computeTable({SequenceMode::Geometric, "3", "2", 8});
    EXPECT_NE(geometric.facts.find("S<sub>8</sub> = 765"), std::string::npos) << geometric.facts;
}

TEST(SequenceTable, BadInputGetsAClearMessage) {
    EXPECT_NE(computeTable({SequenceMode::Formula, "", "1/(n", 10}).error.find("Rule"),
              std::string::npos);
    EXPECT_NE(computeTable({SequenceMode::Arithmetic, "two", "1", 10}).error.find("First term"),
              std::string::npos);
    EXPECT_NE(computeTable({SequenceMode::Geometric, "1", "1/0", 10}).error.find("Ratio"),
              std::string::npos);
    EXPECT_FALSE(computeTable({SequenceMode::Formula, "", "1/(n-1)", 10}).error.empty());
    EXPECT_FALSE(computeTable({SequenceMode::Harmonic, "", "", 0}).error.empty());
    EXPECT_FALSE(computeTable({SequenceMode::Formula, "", "x + 1", 10}).error.empty());
    // Undefined from n = 5 on: the table stops there and says so.
    const auto stops = computeTable({SequenceMode::Formula, "", "sqrt(4 - n)", 10});
    ASSERT_TRUE(stops.error.empty());
    EXPECT_EQ(stops.terms.size(), 4u);
    EXPECT_NE(stops.facts.find("undefined"), std::string::npos);
    // Growing without bound: the table stops before infinity.
    const auto huge = computeTable({SequenceMode::Recursion, "2", "a^2", 2000});
    EXPECT_TRUE(huge.error.empty());
    EXPECT_LT(huge.terms.size(), 2000u);
}
