#include "fractiondrill/core/drill_session.h"
#include "fractiondrill/core/fraction_exercises.h"

#include <gtest/gtest.h>

using namespace fractiondrill;

TEST(DrillSession, RunsTheChosenNumberOfExercisesAndTimesEachFromTheGivenClock) {
    DrillSession drill({lowestTermsKind(), equivalentFractionKind()}, 3, 42);
    drill.start(1000);
    EXPECT_EQ(drill.count(), 3);
    EXPECT_EQ(drill.current().kind, "lowest-terms");
    const std::string right = drill.current().expectedAnswer;
    EXPECT_TRUE(drill.answer(right, 5000).correct);
    EXPECT_EQ(drill.position(), 1);
    EXPECT_EQ(drill.current().kind, "equivalent-fraction");
    EXPECT_FALSE(drill.answer("not a number", 12000).correct);
    EXPECT_FALSE(drill.finished());
    drill.skip(70000);
    EXPECT_TRUE(drill.finished());
    EXPECT_FALSE(drill.answer(right, 80000).correct);

    const DrillSummary summary = drill.summary();
    EXPECT_EQ(summary.total, 3);
    EXPECT_EQ(summary.correct, 1);
    ASSERT_EQ(summary.results.size(), 3u);
    EXPECT_EQ(summary.results[0].milliseconds, 4000);
    EXPECT_EQ(summary.results[1].milliseconds, 7000);
    EXPECT_EQ(summary.results[2].milliseconds, 58000);
    EXPECT_EQ(summary.results[2].typed, "");
    EXPECT_EQ(summary.totalMilliseconds, 69000);
    EXPECT_EQ(summaryText(summary), "1 of 3 correct (33%) in 1 min 09 s, 23.0 s per exercise");
}

TEST(DrillSession, TheCountIsKeptWithinItsLimitsAndASeedRepeatsTheDrill) {
    EXPECT_EQ(DrillSession(fractionExerciseKinds(), 0, 1).count(), DrillSession::minimumCount);
    EXPECT_EQ(DrillSession(fractionExerciseKinds(), 1000, 1).count(), DrillSession::maximumCount);
    EXPECT_THROW(DrillSession({}, 5, 1), std::invalid_argument);

    DrillSession first(fractionExerciseKinds(), 10, 7);
    DrillSession second(fractionExerciseKinds(), 10, 7);
    first.start(0);
    second.start(0);
    std::vector<std::string> prompts;
    while (!first.finished()) {
        EXPECT_EQ(first.current().prompt, second.current().prompt);
        prompts.push_back(first.current().prompt);
        first.answer(first.current().expectedAnswer, 10);
        second.skip(10);
    }
    EXPECT_EQ(first.summary().correct, 10);
    EXPECT_EQ(second.summary().correct, 0);
    // Two drills with different seeds differ.
    DrillSession other(fractionExerciseKinds(), 10, 8);
    other.start(0);
    EXPECT_NE(other.current().prompt, prompts.front());
}

TEST(DrillSession, DurationsReadAsMinutesAndSeconds) {
    EXPECT_EQ(durationText(0), "0 s");
    EXPECT_EQ(durationText(59999), "59 s");
    EXPECT_EQ(durationText(60000), "1 min 00 s");
    EXPECT_EQ(durationText(3725000), "62 min 05 s");
    EXPECT_EQ(durationText(-5), "0 s");
    EXPECT_EQ(summaryText(DrillSummary{}), "0 of 0 correct (0%) in 0 s, 0.0 s per exercise");
}
