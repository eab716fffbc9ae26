// The fraction program through its real widgets: exercises answered right and wrong with the
// solution shown, the pictures and operations following what is typed, and a whole drill
// with its summary.
#include "fractiondrill/view/drill_tab.h"
#include "fractiondrill/view/fractiondrill_definition.h"
#include "fractiondrill/view/fractiondrill_explore.h"

#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "window_checks.h"

#include <gtest/gtest.h>

namespace {

using FractionWindow =
    demo_test::DemoWindowTest<fractiondrill::FractionExplore, fractiondrill::demoDefinition, 2026>;

} // namespace

TEST_F(FractionWindow, LowestTermsAreCheckedAndTheSolutionShownStepByStep) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("Equivalent fractions and lowest terms"));
    auto* chooser = find<QComboBox>("kindChooser");
    EXPECT_EQ(chooser->count(), 7);
    chooser->setCurrentIndex(0);
    const kit::Exercise& exercise = window.practice()->current();
    ASSERT_EQ(exercise.kind, "lowest-terms");
    // The unreduced fraction from the prompt is the right value in the wrong form.
    const QString prompt = QString::fromStdString(exercise.prompt);
    const QString unreduced = prompt.section(' ', 1, 1);
    auto* field = find<QLineEdit>("answerField");
    QTest::keyClicks(field, unreduced);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("verdictLabel")).contains("lowest terms"))
        << unreduced.toStdString();
    field->setText(QString::fromStdString(exercise.expectedAnswer));
    QTest::mouseClick(find<QPushButton>("checkButton"), Qt::LeftButton);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")), "Correct.");
    EXPECT_EQ(demo_test::plainText(find<QLabel>("scoreLabel")), "Score: 0 of 1");
    auto* solution = find<QPushButton>("solutionButton");
    QTest::mouseClick(solution, Qt::LeftButton);
    EXPECT_TRUE(find<QTextBrowser>("solutionView")->toPlainText().contains("Euclid"));
}

TEST_F(FractionWindow, PicturesAndOperationsFollowTheTypedValues) {
    find<QSpinBox>("numeratorBox")->setValue(9);
    find<QSpinBox>("denominatorBox")->setValue(12);
    const QString facts = find<QTextBrowser>("fractionFacts")->toPlainText();
    EXPECT_TRUE(facts.contains("= 9/12 = 18/24") || facts.contains("9/12 = 18/24"))
        << facts.toStdString();
    EXPECT_TRUE(facts.contains("3/4 in lowest terms") || facts.contains("= 3/4."))
        << facts.toStdString();
    EXPECT_TRUE(facts.contains("0.75")) << facts.toStdString();

    auto* first = find<QLineEdit>("firstFraction");
    auto* second = find<QLineEdit>("secondFraction");
    first->setText("1 1/2");
    second->setText("0.75");
    find<QComboBox>("operationChooser")->setCurrentIndex(3);
    const QString work = find<QTextBrowser>("operationWork")->toPlainText();
    EXPECT_TRUE(work.contains("reciprocal 4/3")) << work.toStdString();
    EXPECT_TRUE(work.contains("answer is 2")) << work.toStdString();
    second->setText("1/0");
    EXPECT_TRUE(find<QTextBrowser>("operationWork")->toPlainText().isEmpty());
}

TEST_F(FractionWindow, ADrillRunsTheChosenCountAndSummarisesTheResult) {
    ASSERT_NE(explore, nullptr);
    explore->setCurrentWidget(explore->drill());
    explore->drill()->setSeed(11);
    find<QSpinBox>("drillCount")->setValue(3);
    find<QComboBox>("drillKind")->setCurrentIndex(2); // equivalent fractions
    QTest::mouseClick(find<QPushButton>("drillStart"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>("drillProgress")->text(), "Exercise 1 of 3");
    EXPECT_TRUE(find<QLabel>("drillTimer")->text().startsWith("Time: "));

    // The first answered right (its answer read from the prompt: a/b = ?/d), the second
    // wrong, the third skipped.
    const QString prompt = demo_test::plainText(find<QLabel>("drillPrompt"));
    const QStringList parts = prompt.section(": ", 1).split(' ');
    const int a = parts[0].section('/', 0, 0).toInt();
    const int b = parts[0].section('/', 1, 1).toInt();
    const int d = parts.last().toInt();
    auto* answer = find<QLineEdit>("drillAnswer");
    QTest::keyClicks(answer, QString::number(a * d / b));
    QTest::keyClick(answer, Qt::Key_Return);
    EXPECT_EQ(find<QLabel>("drillProgress")->text(), "Exercise 2 of 3");
    QTest::keyClicks(answer, "-1");
    QTest::mouseClick(find<QPushButton>("drillSubmit"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("drillSkip"), Qt::LeftButton);
    const QString summary = find<QTextBrowser>("drillSummary")->toPlainText();
    EXPECT_TRUE(summary.contains("1 of 3 correct (33%)")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("(skipped)")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("Missed exercises")) << summary.toStdString();
    EXPECT_TRUE(window.close());
}
