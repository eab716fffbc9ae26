// A catalogue that slipped past its checks must never end the program: every press on a
// reference that leads nowhere is ignored.
#include "engine/core/lesson_engine.h"
#include "fake_host.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

Catalogue faultyCatalogue() {
    Catalogue c;
    c.settings.name = "faulty";
    c.settings.lessonCount = 3; // only two lessons exist
    c.lessons.push_back(LessonEntry{1, 3, {1, 999, 2}, "One", ""});
    c.lessons.push_back(LessonEntry{50, 1, {50}, "Two", ""}); // first Page beyond the last
    PageEntry first;
    first.lesson = 1;
    PageEntry second;
    second.lesson = 7; // a lesson that does not exist
    c.pages = {first, second};
    return c;
}

class FaultyCatalogue : public ::testing::Test {
  protected:
    Catalogue catalogue = faultyCatalogue();
    FakeHost host;
    LessonEngine lesson{catalogue, host};

    void SetUp() override { lesson.start(); }
};

} // namespace

TEST_F(FaultyCatalogue, AStepWhoseFirstPageDoesNotExistDoesNothing) {
    lesson.pressLesson(1);
    ASSERT_EQ(lesson.state().currentPage, 1);
    const std::size_t shown = host.screens.size();
    EXPECT_NO_THROW(lesson.pressStep(2));
    EXPECT_EQ(lesson.state().currentPage, 1);
    EXPECT_EQ(host.screens.size(), shown);
}

TEST_F(FaultyCatalogue, ALessonThatIsMissingOrStartsNowhereDoesNothing) {
    EXPECT_NO_THROW(lesson.pressLesson(3));
    EXPECT_NO_THROW(lesson.pressLesson(2));
    EXPECT_EQ(lesson.state().currentPage, 0);
    EXPECT_FALSE(lesson.state().lessonChosen);
}

TEST_F(FaultyCatalogue, APageOfAMissingLessonNeverBreaksTheButtons) {
    lesson.pressLesson(1);
    EXPECT_NO_THROW(lesson.pressStep(3));
    EXPECT_EQ(lesson.state().currentPage, 2);
    EXPECT_EQ(lesson.state().currentLesson, 7);
    for (int control = 1; control <= 25; ++control)
        EXPECT_NO_THROW(lesson.handleControl(control)) << "control " << control;
}

TEST_F(FaultyCatalogue, ARestoredPlaceIsCheckedAgainstTheLessonsThatExist) {
    EXPECT_NO_THROW(EXPECT_FALSE(lesson.restorePlace(1, 3, 1)));
    EXPECT_EQ(lesson.state().currentPage, 0);
}
