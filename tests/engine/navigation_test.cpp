#include "engine/core/lesson_engine.h"
#include "fake_host.h"

#include <gtest/gtest.h>

using engine::LessonEngine;

namespace {

class Navigation : public ::testing::Test {
  protected:
    FakeHost host;
    LessonEngine lesson{lessonCatalogue(), host};

    void SetUp() override { lesson.start(); }
    int page() const { return lesson.state().currentPage; }
    bool stepVisible(int k) const { return host.lastScreen().control(5 + k)->visible; }
};

} // namespace

TEST_F(Navigation, StartScreenIgnoresEverythingButTheLessonButtons) {
    const auto presents = host.screens.size();
    lesson.handleControl(13);
    lesson.handleControl(12);
    lesson.handleControl(6);
    lesson.handleControl(7);
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(host.screens.size(), presents);
    EXPECT_FALSE(host.lastScreen().control(12)->enabled);
    EXPECT_FALSE(host.lastScreen().control(13)->enabled);
    EXPECT_FALSE(stepVisible(1));
}

TEST_F(Navigation, LessonButtonShowsTheFirstPageWithItsStepButtons) {
    lesson.handleControl(2);
    EXPECT_EQ(page(), 5);
    EXPECT_EQ(lesson.state().currentLesson, 2);
    EXPECT_EQ(lesson.state().stepButtonCount, 3);
    EXPECT_TRUE(stepVisible(3));
    EXPECT_FALSE(stepVisible(4));
    EXPECT_TRUE(host.lastScreen().control(12)->enabled);
    EXPECT_TRUE(host.lastScreen().control(13)->enabled);
}

TEST_F(Navigation, EveryPageChangeLoadsThenDrawsThenActivates) {
    lesson.pressLesson(2);
    lesson.pressNext();
    lesson.pressNext(); // Page 7 starts its demonstration program
    const std::vector<std::string> tail(host.events.end() - 3, host.events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"demo recorder.exe", "present", "activate"}));
}

TEST_F(Navigation, StepButtonsJumpWithinTheCurrentLessonOnly) {
    lesson.pressLesson(2);
    lesson.handleControl(8); // Step three
    EXPECT_EQ(page(), 9);
    lesson.handleControl(6); // Step one restarts the lesson
    EXPECT_EQ(page(), 5);
    lesson.handleControl(9); // no Step four: nothing happens
    EXPECT_EQ(page(), 5);
}

TEST_F(Navigation, PagingAcrossLessonsKeepsTheStepButtonsOfTheChosenLesson) {
    lesson.pressLesson(2);
    lesson.pressPrevious();
    EXPECT_EQ(page(), 4);
    EXPECT_EQ(lesson.state().currentLesson, 1);
    EXPECT_EQ(lesson.state().stepButtonCount, 3);
    EXPECT_TRUE(stepVisible(3));
    const auto presents = host.screens.size();
    lesson.handleControl(7); // lesson 1 has no Step two
    EXPECT_EQ(host.screens.size(), presents);
    lesson.handleControl(6);
    EXPECT_EQ(page(), 1);
}

TEST_F(Navigation, NextFromTheLastPageOfALessonEntersTheNextLesson) {
    lesson.pressLesson(1);
    for (int i = 0; i < 4; ++i)
        lesson.pressNext();
    EXPECT_EQ(page(), 5);
    EXPECT_EQ(lesson.state().currentLesson, 2);
    EXPECT_EQ(lesson.state().stepButtonCount, 1);
    EXPECT_FALSE(stepVisible(2));
    lesson.handleControl(6);
    EXPECT_EQ(page(), 5);
}

TEST_F(Navigation, PreviousOnPageOneAndNextOnTheLastPageRedrawNothing) {
    lesson.pressLesson(1);
    const auto presents = host.screens.size();
    lesson.pressPrevious();
    EXPECT_EQ(page(), 1);
    lesson.pressLesson(3);
    lesson.pressNext();
    EXPECT_EQ(page(), 12);
    const auto atEnd = host.screens.size();
    lesson.pressNext();
    lesson.pressNext();
    EXPECT_EQ(page(), 12);
    EXPECT_EQ(host.screens.size(), atEnd);
    EXPECT_EQ(atEnd, presents + 2);
}

TEST_F(Navigation, DemonstrationStartsOnEveryArrivalWhateverTheWay) {
    lesson.pressLesson(2);
    lesson.pressNext();
    lesson.pressNext(); // arrive at 7 by Next
    lesson.pressNext();
    lesson.pressPrevious();  // by Previous
    lesson.handleControl(7); // by Step two
    EXPECT_EQ(host.count("demo recorder.exe"), 3);
}

TEST_F(Navigation, PressingTheCurrentLessonAgainRestartsIt) {
    lesson.pressLesson(2);
    lesson.pressNext();
    lesson.pressLesson(2);
    EXPECT_EQ(page(), 5);
}

TEST_F(Navigation, HiddenLessonButtonsDoNothing) {
    lesson.handleControl(4);
    lesson.handleControl(5);
    EXPECT_EQ(page(), 0);
    EXPECT_FALSE(host.lastScreen().control(4)->visible);
    EXPECT_TRUE(host.lastScreen().control(3)->visible);
}

TEST_F(Navigation, RestoringAPlaceThatDoesNotExistChangesNothing) {
    lesson.pressLesson(2);
    EXPECT_FALSE(lesson.restorePlace(13, 3, 1));
    EXPECT_FALSE(lesson.restorePlace(1, 4, 1));
    EXPECT_FALSE(lesson.restorePlace(0, 1, 1));
    EXPECT_EQ(page(), 5);
    EXPECT_TRUE(lesson.restorePlace(11, 3, 1));
    EXPECT_EQ(page(), 11);
}

TEST_F(Navigation, ARefusedPlaceLeavesTheStartScreenUntouched) {
    const std::size_t presents = host.screens.size();
    EXPECT_FALSE(lesson.restorePlace(999, 1, 1));
    EXPECT_FALSE(lesson.restorePlace(1, 1, 7));
    EXPECT_FALSE(lesson.restorePlace(1, 1, -1));
    EXPECT_FALSE(lesson.state().lessonChosen) << "nothing changes before the values are checked";
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(lesson.state().stepButtonCount, 0);
    EXPECT_EQ(host.screens.size(), presents);
    lesson.pressNext();
    EXPECT_EQ(page(), 0) << "Next stays disabled on the start screen";
}
