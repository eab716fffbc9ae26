// The natural-numbers window through its real widgets: exercises of every kind answered wrong
// and right with their solutions, and the explore area reacting at once to what is typed.
#include "counting/view/base_explorer.h"
#include "counting/view/counting_explore.h"
#include "counting/view/divisibility_explorer.h"
#include "counting/view/dot_triangle.h"
#include "counting/view/induction_explorer.h"
#include "counting/view/peano_explorer.h"

#include "demos/window_checks.h"

#include <QSpinBox>

namespace {

using CountingWindow =
    demo_test::DemoWindowTest<counting::CountingExplore, counting::demoDefinition, 12>;

TEST_F(CountingWindow, StartsWithTheLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "Natural Numbers");
    const QString lesson = window.lesson()->toPlainText();
    EXPECT_TRUE(lesson.contains("The Peano postulates"));
    EXPECT_TRUE(lesson.contains("Divisibility rules"));
    EXPECT_EQ(demo_test::named<QComboBox>(window, "kindChooser")->count(), 5);
}

TEST_F(CountingWindow, EveryKindIsAnsweredWrongThenRightWithItsSolution) {
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(CountingWindow, InductionFollowsTheChosenN) {
    auto* n = demo_test::named<QSpinBox>(window, "inductionN");
    n->setValue(100);
    EXPECT_TRUE(explore->induction()->proofText().contains("5050"));
    EXPECT_EQ(explore->induction()->picture()->n(), 30) << "the picture stops at 30 rows";
    n->setValue(7);
    EXPECT_EQ(explore->induction()->picture()->n(), 7);
    EXPECT_TRUE(explore->induction()->proofText().contains("P(6) \u21d2 P(7)"));
}

TEST_F(CountingWindow, BasesConvertAsYouTypeAndRefuseForeignDigits) {
    explore->bases()->setConversion("2af", 16, 2);
    EXPECT_TRUE(explore->bases()->resultText().contains("687"));
    EXPECT_TRUE(explore->bases()->resultText().contains("1010101111"));
    EXPECT_TRUE(explore->bases()->stepsText().contains("512 + 160 + 15 = 687"));
    auto* field = demo_test::named<QLineEdit>(window, "numeralField");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, "G");
    EXPECT_TRUE(explore->bases()->resultText().contains("is not a digit of base 16"));
}

TEST_F(CountingWindow, DivisibilityRulesApplyToTheTypedNumber) {
    auto* field = demo_test::named<QLineEdit>(window, "divisibilityNumber");
    field->clear();
    QTest::keyClicks(field, "7128");
    EXPECT_EQ(explore->divisibility()->summaryText(), "7128 is divisible by 2, 3, 4, 6, 8, 9, 11.");
    EXPECT_TRUE(explore->divisibility()->rulesText().contains("1000 = 8 \u00b7 125"));
    field->setText("-5");
    EXPECT_TRUE(explore->divisibility()->summaryText().contains("natural number"));
    field->setText(QString(70, '9'));
    EXPECT_FALSE(explore->divisibility()->summaryText().contains("divisible by"));
}

TEST_F(CountingWindow, PeanoWorksFromTheSuccessor) {
    explore->peano()->setProblem(3, 2, false);
    EXPECT_TRUE(explore->peano()->stepsText().contains("S(3 + 1)"));
    explore->peano()->setProblem(4, 3, true);
    EXPECT_TRUE(explore->peano()->stepsText().contains("= 12"));
}

} // namespace
