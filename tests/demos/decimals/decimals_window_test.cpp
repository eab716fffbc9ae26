// The real numbers program through its real widgets: exercises answered right and wrong with
// the solution shown, and the long division, roots, zoom and rounding following the input.
#include "decimals/view/decimals_definition.h"
#include "decimals/view/decimals_explore.h"
#include "decimals/view/zoom_tab.h"

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

using DecimalsWindow =
    demo_test::DemoWindowTest<decimals::DecimalsExplore, decimals::demoDefinition, 77>;

} // namespace

TEST_F(DecimalsWindow, AnExpansionIsAnsweredWrongThenRightWithTheDivisionShown) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("is irrational"));
    find<QComboBox>("kindChooser")->setCurrentIndex(0);
    const kit::Exercise& exercise = window.practice()->current();
    ASSERT_EQ(exercise.kind, "decimal-expansion");
    auto* field = find<QLineEdit>("answerField");
    QTest::keyClicks(field, "0.(");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(demo_test::plainText(find<QLabel>("verdictLabel")).startsWith("Correct"));
    field->setText(QString::fromStdString(exercise.expectedAnswer));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")), "Correct.");
    auto* solution = find<QPushButton>("solutionButton");
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(solution, Qt::LeftButton);
    EXPECT_TRUE(find<QTextBrowser>("solutionView")
                    ->toPlainText()
                    .contains(QString::fromStdString(exercise.expectedAnswer)));
}

TEST_F(DecimalsWindow, LongDivisionFollowsTheTypedFractionAndRefusesBadInput) {
    auto* p = find<QLineEdit>("divisionNumerator");
    auto* q = find<QLineEdit>("divisionDenominator");
    p->setText("5");
    q->setText("12");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("divisionResult")).contains("5/12 = 0.416"))
        << demo_test::plainText(find<QLabel>("divisionResult")).toStdString();
    q->setText("0");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("divisionResult")).contains("division by zero"));
    q->setText("x");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("divisionResult")).startsWith("q:"));
    // A denominator whose block is longer than the budget stops with the learner's message.
    q->setText("100003");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("divisionResult"))
                    .contains("too large for this demonstration"));
    find<QLineEdit>("repeatingInput")->setText("0.(36)");
    EXPECT_TRUE(find<QTextBrowser>("repeatingSteps")->toPlainText().contains("4/11"));
}

TEST_F(DecimalsWindow, RootsZoomAndRoundingShowTheirWork) {
    find<QSpinBox>("radicandBox")->setValue(2);
    const QString roots = find<QTextBrowser>("rootTable")->toPlainText();
    EXPECT_TRUE(roots.contains("1.4142135623730950488")) << roots.toStdString();
    EXPECT_TRUE(roots.contains("577/408")) << roots.toStdString();
    find<QSpinBox>("radicandBox")->setValue(9);
    EXPECT_TRUE(find<QTextBrowser>("rootTable")->toPlainText().contains("perfect square"));

    auto* zoom = window.findChild<decimals::ZoomTab*>();
    ASSERT_NE(zoom, nullptr);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(find<QPushButton>("zoomIn"), Qt::LeftButton);
    EXPECT_EQ(zoom->level(), 3);
    const QString chain = find<QTextBrowser>("zoomChain")->toPlainText();
    EXPECT_TRUE(chain.contains("[1.414, 1.415]")) << chain.toStdString();
    EXPECT_TRUE(chain.contains("least upper bound")) << chain.toStdString();

    find<QLineEdit>("roundingNumber")->setText("234.56789");
    const QString rounded = find<QTextBrowser>("roundingResult")->toPlainText();
    EXPECT_TRUE(rounded.contains("234.5679")) << rounded.toStdString();
    EXPECT_TRUE(rounded.contains("2.35 \u00d7 102")) << rounded.toStdString();
    EXPECT_TRUE(window.close());
}
