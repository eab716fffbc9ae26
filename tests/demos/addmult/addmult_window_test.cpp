// The rings window through its real widgets: an exercise answered wrong and right with the
// solution shown, the tables reacting to the modulus, and the learner's own tables checked as
// they are typed.
#include "addmult/view/addmult_definition.h"
#include "addmult/view/addmult_explore.h"
#include "addmult/view/operation_table_view.h"
#include "addmult/view/other_rings_tab.h"
#include "addmult/view/own_table_tab.h"
#include "addmult/view/ring_panel.h"
#include "addmult/view/ring_tables_tab.h"
#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"

#include "window_checks.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using AddmultWindow =
    demo_test::DemoWindowTest<addmult::AddmultExplore, addmult::demoDefinition, 2026>;

} // namespace

TEST_F(AddmultWindow, StartsWithItsLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "Rings");
    const QString lesson = window.lesson()->toPlainText();
    EXPECT_TRUE(lesson.contains("with respect to the binary operations addition and "
                                "multiplication"));
    EXPECT_TRUE(lesson.contains("Zero divisors"));
    EXPECT_EQ(find<QComboBox>("kindChooser")->count(), 5);
}

TEST_F(AddmultWindow, AnExerciseAnsweredWrongThenRightWithTheSolutionShown) {
    auto* chooser = find<QComboBox>("kindChooser");
    chooser->setCurrentIndex(chooser->findText("Units of Z_n"));
    ASSERT_EQ(window.practice()->current().kind, "zn-units");
    auto* field = find<QLineEdit>("answerField");
    QTest::keyClicks(field, "0, 1");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_NE(demo_test::plainText(find<QLabel>("verdictLabel")->text()), "Correct.");
    field->clear();
    QTest::keyClicks(field, "1, x");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")->text()),
              "\"x\" at 4 is not a whole number (type the numbers separated by commas, or none)");
    field->clear();
    QTest::keyClicks(field, QString::fromStdString(window.practice()->current().expectedAnswer));
    QTest::mouseClick(find<QPushButton>("checkButton"), Qt::LeftButton);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")->text()), "Correct.");
    EXPECT_EQ(demo_test::plainText(find<QLabel>("scoreLabel")->text()), "Score: 0 of 1");
    auto* solution = find<QPushButton>("solutionButton");
    while (solution->isEnabled())
        QTest::mouseClick(solution, Qt::LeftButton);
    const QString steps = find<QTextBrowser>("solutionView")->toPlainText();
    EXPECT_TRUE(steps.contains("gcd(a,")) << steps.toStdString();
    EXPECT_TRUE(steps.contains("The units of Z"));
}

TEST_F(AddmultWindow, TheTablesFollowTheModulusAndTheMarks) {
    explore->tablesTab()->setModulus(6);
    addmult::RingPanel* panel = explore->tablesTab()->panel();
    EXPECT_EQ(panel->tableView()->entry(4, 5), 2);
    EXPECT_EQ(panel->tableView()->cellSentence(4, 5), "4 \u00b7 5 = 2 in Z_6");
    const QString summary = panel->summaryText();
    EXPECT_TRUE(summary.contains("Units (elements with an inverse), 2 of them: 1 (1\u00b71 = 1), "
                                 "5 (5\u00b75 = 1)"))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains("Idempotents (e\u00b7e = e, on the diagonal of the "
                                 "multiplication table): 0, 1, 3, 4."));
    panel->showMultiplication(false);
    EXPECT_EQ(panel->tableView()->cellSentence(4, 5), "4 + 5 = 3 in Z_6");

    explore->otherTab()->showMatrices();
    EXPECT_TRUE(explore->otherTab()->panel()->summaryText().contains("not commutative"));
    explore->otherTab()->showProduct(2, 3);
    EXPECT_TRUE(explore->otherTab()->panel()->summaryText().contains("Unity: (1,1)"));
    explore->otherTab()->showProduct(6, 7);
    EXPECT_TRUE(demo_test::plainText(explore->otherTab()->messageText()).contains("42 elements"));
}

TEST_F(AddmultWindow, OwnTablesAreCheckedAsTheyAreTyped) {
    addmult::OwnTableTab* own = explore->ownTab();
    own->setSize(3);
    EXPECT_TRUE(demo_test::plainText(own->messageText()).contains("These tables make a ring"));
    own->setCell(true, 1, 2, "0"); // 1 · 2 = 0 instead of 2
    EXPECT_TRUE(demo_test::plainText(own->messageText()).contains("Not a ring"));
    EXPECT_TRUE(own->resultText().contains("first counterexample"))
        << own->resultText().toStdString();
    own->setCell(false, 0, 0, "5");
    EXPECT_EQ(demo_test::plainText(own->messageText()),
              "addition table, row 1, column 1: \"5\" is not an element (use 0 to 2)");
    own->loadPreset(2);
    EXPECT_TRUE(own->resultText().contains("1 has no negative"));
}
