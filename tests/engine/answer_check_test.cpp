#include "engine/core/answer_check.h"
#include "engine/core/lesson_engine.h"
#include "fake_host.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

std::vector<FillInField> twoFields() {
    return {{20, {}, {"93"}}, {21, {}, {"aed", "AED"}}};
}

std::string lineOne(const Screen& screen) {
    for (const auto& step : screen.background)
        if (const auto* t = std::get_if<DrawText>(&step); t && t->font == FontNumber::Page)
            return t->text;
    return {};
}

std::function<std::string(int)> typed(std::string first, std::string second) {
    return [=](int control) { return control == 20 ? first : second; };
}

} // namespace

TEST(AnswerCheck, AnswerLetterComparesWithTheLowerCaseButtonLetter) {
    EXPECT_EQ(verdictForAnswer("b", 'B'), "Correct");
    EXPECT_EQ(verdictForAnswer("b", 'A'), "Wrong");
    EXPECT_EQ(verdictForAnswer("B", 'B'), "Wrong");
    EXPECT_EQ(verdictForAnswer("", 'A'), "Wrong") << "a fill-in Page has no letter";
}

TEST(AnswerCheck, FillInIsRightOnlyWhenEveryFieldMatchesExactly) {
    EXPECT_EQ(checkFillIn(twoFields(), typed("93", "AED")), "Correct");
    EXPECT_EQ(checkFillIn(twoFields(), typed("93", "aed")), "Correct");
    EXPECT_EQ(checkFillIn(twoFields(), typed("93", "")), "Wrong");
    EXPECT_EQ(checkFillIn(twoFields(), typed("93", "Aed")), "Wrong");
    EXPECT_EQ(checkFillIn(twoFields(), typed("93 ", "aed")), "Wrong");
    EXPECT_EQ(checkFillIn(twoFields(), typed("93.0", "aed")), "Wrong");
}

TEST(AnswerCheck, AnsweringMovesToTheSolutionWithTheVerdict) {
    FakeHost host;
    LessonEngine lesson(lessonCatalogue(), host);
    lesson.pressLesson(2);
    lesson.pressNext(); // Page 6, fill-in
    host.typed = {{20, "93"}, {21, "5.40"}};
    lesson.handleControl(25);
    EXPECT_EQ(lesson.state().currentPage, 7);
    EXPECT_EQ(lineOne(host.lastScreen()), "Wrong") << "5.40 is not 5.4";
    lesson.pressPrevious();
    lesson.pressPrevious();
    lesson.pressNext();
    host.typed = {{20, "93"}, {21, "5,4"}};
    lesson.handleControl(25);
    EXPECT_EQ(lineOne(host.lastScreen()), "Correct");
}
