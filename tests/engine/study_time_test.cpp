#include "engine/core/study_time.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {
double seconds(double s) {
    return s * 1000.0;
}
} // namespace

TEST(StudyTime, MinutesRoundToNearestWithHalvesToEven) {
    EXPECT_EQ(minutesOfRun(seconds(1000), seconds(1029)), 0);
    EXPECT_EQ(minutesOfRun(seconds(1000), seconds(1031)), 1);
    EXPECT_EQ(minutesOfRun(seconds(1000), seconds(1090)), 2) << "1.5 goes to the even 2";
    EXPECT_EQ(minutesOfRun(seconds(1000), seconds(1150)), 2) << "2.5 goes to the even 2";
    EXPECT_EQ(minutesOfRun(seconds(0), seconds(600)), 10);
    EXPECT_EQ(minutesOfRun(seconds(5000), seconds(10)), 0)
        << "a clock running backwards adds nothing";
}

TEST(StudyTime, TotalIsReadLikeABasicValue) {
    EXPECT_EQ(parseStudyTotal(firstLine("  42\r\nmore\r\n")), 42);
    EXPECT_EQ(parseStudyTotal(firstLine("17\nsecond")), 17);
    EXPECT_EQ(parseStudyTotal("abc"), 0);
    EXPECT_EQ(parseStudyTotal(""), 0);
    EXPECT_EQ(parseStudyTotal("-5"), -5);
    EXPECT_EQ(parseStudyTotal("+12x3"), 12);
    EXPECT_EQ(parseStudyTotal("- 3"), 0);
    EXPECT_EQ(parseStudyTotal("99999999999999999999"), 2147483647) << "no overflow";
}

TEST(StudyTime, NewTotalHasNoLineEnd) {
    EXPECT_EQ(formatStudyTotal(10), "10");
    EXPECT_EQ(formatStudyTotal(-3), "-3");
}
