// The fields window through its real widgets: an exercise answered wrong and right with the
// solution shown, and each explore tab reacting at once to what is chosen or typed.
#include "fieldsplus/view/characteristic_tab.h"
#include "fieldsplus/view/equation_tab.h"
#include "fieldsplus/view/field_of_four_tab.h"
#include "fieldsplus/view/field_tables_tab.h"
#include "fieldsplus/view/fieldsplus_definition.h"
#include "fieldsplus/view/fieldsplus_explore.h"
#include "fieldsplus/view/inverse_tab.h"
#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"

#include "window_checks.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using FieldsplusWindow =
    demo_test::DemoWindowTest<fieldsplus::FieldsplusExplore, fieldsplus::demoDefinition, 7>;

} // namespace

TEST_F(FieldsplusWindow, StartsWithItsLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "More Rings, Fields and Integral Domains");
    EXPECT_TRUE(window.lesson()->toPlainText().contains(
        "A commutative ring D, with unity and having no divisors of zero is called an"));
    EXPECT_EQ(find<QComboBox>("kindChooser")->count(), 5);
}

TEST_F(FieldsplusWindow, AnInverseAnsweredWrongThenRightWithTheSolutionShown) {
    auto* chooser = find<QComboBox>("kindChooser");
    chooser->setCurrentIndex(chooser->findText("Inverse modulo p"));
    ASSERT_EQ(window.practice()->current().kind, "inverse-mod-p");
    const QString expected = QString::fromStdString(window.practice()->current().expectedAnswer);
    auto* field = find<QLineEdit>("answerField");
    QTest::keyClicks(field, "1/2");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("verdictLabel")->text())
                    .contains("a whole number from 0 to"))
        << demo_test::plainText(find<QLabel>("verdictLabel")->text()).toStdString();
    field->clear();
    QTest::keyClicks(field, expected);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")->text()), "Correct.");
    auto* solution = find<QPushButton>("solutionButton");
    while (solution->isEnabled())
        QTest::mouseClick(solution, Qt::LeftButton);
    const QString steps = find<QTextBrowser>("solutionView")->toPlainText();
    EXPECT_TRUE(steps.contains("Check:")) << steps.toStdString();
    EXPECT_EQ(demo_test::plainText(find<QLabel>("scoreLabel")->text()), "Score: 0 of 1");
}

TEST_F(FieldsplusWindow, TheExploreTabsReactAtOnce) {
    explore->tablesTab()->setModulus(11);
    EXPECT_TRUE(
        demo_test::plainText(explore->tablesTab()->verdictText()).contains("Z11 is a field"));
    explore->tablesTab()->setModulus(15);
    EXPECT_TRUE(
        demo_test::plainText(explore->tablesTab()->verdictText()).contains("3 \u00b7 5 = 0"));

    fieldsplus::InverseTab* inverse = explore->inverseTab();
    inverse->setNumbers("17", "43");
    inverse->showNextStep();
    EXPECT_TRUE(inverse->stepsText().contains("43 = 2\u00b717 + 9"));
    EXPECT_FALSE(inverse->stepsText().contains("Check:"));
    inverse->showAllSteps();
    EXPECT_TRUE(inverse->stepsText().contains("Check: 17\u00b738 = 646"))
        << inverse->stepsText().toStdString();
    inverse->setNumbers("17", "1");
    EXPECT_EQ(demo_test::plainText(inverse->messageText()), "p: the modulus must be at least 2");
    inverse->setNumbers("86", "43");
    EXPECT_TRUE(demo_test::plainText(inverse->messageText()).contains("0 has no inverse"));
    inverse->setNumbers("1x", "43");
    EXPECT_EQ(demo_test::plainText(inverse->messageText()), "a: unexpected 'x' at 2");

    explore->characteristicTab()->choose(1, 4, 6);
    EXPECT_TRUE(explore->characteristicTab()->resultText().contains("is 12."));
    explore->characteristicTab()->choose(2, 2, 2);
    EXPECT_TRUE(explore->characteristicTab()->resultText().contains("characteristic of F_4 is 2"));

    EXPECT_TRUE(explore->fourTab()->explanationText().contains("a\u22121 = a+1"))
        << explore->fourTab()->explanationText().toStdString();

    fieldsplus::EquationTab* equation = explore->equationTab();
    equation->setEquation("3", "4", "2", "7");
    EXPECT_TRUE(equation->resultText().contains("Solutions: 4"));
    equation->setEquation("2", "0", "4", "6");
    EXPECT_TRUE(equation->resultText().contains("Solutions: 2, 5"));
    equation->setEquation("2", "0", "3", "6");
    EXPECT_TRUE(equation->resultText().contains("Solutions: none"));
    equation->setEquation("2", "0", "3", "99999999999");
    EXPECT_TRUE(demo_test::plainText(equation->messageText()).contains("too large"));
}
