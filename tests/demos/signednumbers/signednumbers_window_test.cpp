// The integers window through its real widgets: exercises of every kind answered wrong and
// right with their solutions, the number line moved from the keyboard, the sign rules and the
// order of operations following what is typed.
#include "signednumbers/view/expression_explorer.h"
#include "signednumbers/view/number_line_explorer.h"
#include "signednumbers/view/sign_rules_explorer.h"
#include "signednumbers/view/signed_explore.h"

#include "kit/view/canvas.h"

#include "demos/window_checks.h"

#include <QSpinBox>

namespace {

using IntegersWindow =
    demo_test::DemoWindowTest<signednumbers::SignedExplore, signednumbers::demoDefinition, 34>;

TEST_F(IntegersWindow, StartsWithTheLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "Integers");
    EXPECT_TRUE(window.lesson()->toPlainText().contains("Order of operations"));
    EXPECT_EQ(demo_test::named<QComboBox>(window, "kindChooser")->count(), 5);
}

TEST_F(IntegersWindow, EveryKindIsAnsweredWrongThenRightWithItsSolution) {
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(IntegersWindow, TheStartMovedOnTheLineChangesTheSumAtOnce) {
    auto* line = demo_test::named<kit::Canvas>(window, "numberLine");
    auto* first = demo_test::named<QSpinBox>(window, "firstNumber");
    ASSERT_EQ(first->value(), -3);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Right); // the start a is selected first
    EXPECT_EQ(first->value(), -2);
    EXPECT_EQ(line->pointPosition("end"), QPointF(3, 0));
    EXPECT_TRUE(explore->numberLine()->explanationText().contains("&minus;2 + 5 = 3"));
    QTest::keyClick(line, Qt::Key_Space); // now the landing point: b follows it
    QTest::keyClick(line, Qt::Key_Right);
    EXPECT_EQ(demo_test::named<QSpinBox>(window, "secondNumber")->value(), 6);
    EXPECT_EQ(first->value(), -2);

    explore->numberLine()->setProblem(4, -6, true);
    EXPECT_EQ(line->pointPosition("end"), QPointF(10, 0));
    EXPECT_TRUE(explore->numberLine()->explanationText().contains("adding its opposite"));
}

TEST_F(IntegersWindow, SignRulesAndQuotientsFollowTheFactors) {
    explore->signRules()->setFactors(-6, -4);
    EXPECT_TRUE(
        explore->signRules()->reasoningText().contains("like signs give a positive product"));
    EXPECT_TRUE(explore->signRules()->reasoningText().contains("= 24"));
    explore->signRules()->setFactors(7, 0);
    EXPECT_TRUE(explore->signRules()->reasoningText().contains("Division by 0 is undefined"));
    explore->signRules()->setFactors(7, -2);
    EXPECT_TRUE(explore->signRules()->reasoningText().contains("does not divide"));
}

TEST_F(IntegersWindow, TypedExpressionsAreWorkedInOrderOrRefusedWithThePlace) {
    auto* field = demo_test::named<QLineEdit>(window, "expressionField");
    auto* message = demo_test::named<QLabel>(window, "expressionMessage");
    field->clear();
    QTest::keyClicks(field, "7 - 3 * (2 - 6)");
    EXPECT_EQ(message->text(), "Value: 19 (3 steps)");
    EXPECT_TRUE(explore->expressions()->stepsText().contains("7 \u2212 (\u221212)"));
    QTest::keyClicks(field, ")");
    EXPECT_TRUE(message->text().contains("unexpected ')' at 16")) << message->text().toStdString();
    field->setText("5 / 0");
    EXPECT_TRUE(message->text().contains("division by zero"));
}

} // namespace
