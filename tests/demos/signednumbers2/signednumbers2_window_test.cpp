// The advanced-integers window through its real widgets: exercises of every kind answered
// wrong and right with their solutions, and each explore tab following its numbers at once.
#include "signednumbers2/view/absolute_value_explorer.h"
#include "signednumbers2/view/advanced_explore.h"
#include "signednumbers2/view/clock_explorer.h"
#include "signednumbers2/view/division_explorer.h"
#include "signednumbers2/view/domain_explorer.h"

#include "kit/view/canvas.h"

#include "demos/window_checks.h"

#include <QSpinBox>

namespace {

using AdvancedWindow =
    demo_test::DemoWindowTest<signednumbers2::AdvancedExplore, signednumbers2::demoDefinition, 56>;

TEST_F(AdvancedWindow, StartsWithTheLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "Advanced Integers");
    EXPECT_TRUE(window.lesson()->toPlainText().contains("ordered integral domain"));
    EXPECT_EQ(demo_test::named<QComboBox>(window, "kindChooser")->count(), 7);
}

TEST_F(AdvancedWindow, EveryKindIsAnsweredWrongThenRightWithItsSolution) {
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(AdvancedWindow, DivisionFollowsTheDraggedDividend) {
    explore->division()->setNumbers(-47, 5);
    EXPECT_TRUE(explore->division()->stepsText().contains("q = \u221210"));
    auto* line = demo_test::named<kit::Canvas>(window, "divisionLine");
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Space);
    QTest::keyClick(line, Qt::Key_Right);
    EXPECT_EQ(demo_test::named<QSpinBox>(window, "dividend")->value(), -46);
    EXPECT_TRUE(explore->division()->stepsText().contains("r = \u22121 + 5 = 4"));
    explore->division()->setNumbers(10, 0);
    EXPECT_TRUE(
        demo_test::named<QLabel>(window, "divisionResult")->text().contains("no division by 0"));
}

TEST_F(AdvancedWindow, ClockComparesResidues) {
    explore->clock()->setNumbers(12, -1, 23);
    EXPECT_TRUE(explore->clock()->stepsText().contains("\u22121 \u2261 23 (mod 12)"));
    explore->clock()->setNumbers(7, -23, 4);
    EXPECT_TRUE(explore->clock()->stepsText().contains("\u221223 \u2261 5 (mod 7)"));
    EXPECT_TRUE(explore->clock()->stepsText().contains("\u2262"));
}

TEST_F(AdvancedWindow, LawsAndSolutionSetsFollowTheNumbers) {
    explore->domain()->setNumbers(-3, 2, -4);
    EXPECT_TRUE(explore->domain()->lawsText().contains("12 > \u22128"));
    explore->absoluteValue()->setProblem(2, -3, 7, 0);
    EXPECT_TRUE(explore->absoluteValue()->solutionText().contains("x = &minus;2 or x = 5"));
    explore->absoluteValue()->setProblem(1, 4, 3, 2);
    EXPECT_TRUE(explore->absoluteValue()->solutionText().contains("&minus;7 &le; x &le; &minus;1"));
    explore->absoluteValue()->setProblem(0, 4, 3, 2);
    EXPECT_TRUE(explore->absoluteValue()->solutionText().contains("choose a"));
}

} // namespace
