// The limits program through its real widgets: every exercise kind answered wrong then right,
// a typed function and point giving tables, limits and the kind of discontinuity, bad input
// explained, and the ε–δ game refusing a large δ and accepting the one it finds.
#include "continuity/view/continuity_definition.h"
#include "continuity/view/continuity_explore.h"

#include "kit/view/canvas.h"
#include "kit/view/demo_window.h"

#include "window_checks.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

struct ContinuityWindow
    : demo_test::DemoWindowTest<continuity::ContinuityExplore, continuity::demoDefinition, 5> {
    QString facts() { return browserText("limitFacts"); }
};

} // namespace

TEST_F(ContinuityWindow, EveryExerciseKindIsAnsweredWrongThenRight) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("removable"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(ContinuityWindow, ATypedFunctionShowsItsTablesLimitsAndKind) {
    type("functionField", "(x^2 - 9)/(x - 3)");
    type("pointField", "3");
    EXPECT_TRUE(facts().contains("removable discontinuity")) << facts().toStdString();
    EXPECT_TRUE(facts().contains("= 6")) << facts().toStdString();
    EXPECT_TRUE(facts().contains("the two agree"));
    auto* left = find<QTableWidget>("leftTable");
    ASSERT_EQ(left->rowCount(), 8);
    EXPECT_EQ(left->item(0, 0)->text(), "2.9");
    EXPECT_EQ(left->item(0, 1)->text(), "5.9");
    EXPECT_EQ(find<QTableWidget>("rightTable")->item(2, 1)->text(), "6.001");
    type("functionField", "1/(x - 3)");
    EXPECT_TRUE(facts().contains("infinite discontinuity"));
    EXPECT_TRUE(facts().contains("\u2212\u221e"));
}

TEST_F(ContinuityWindow, BadInputIsExplainedAndMended) {
    type("functionField", "sin(x))");
    auto* error = find<QLabel>("inputError");
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().contains("7")) << error->text().toStdString();
    EXPECT_EQ(find<QTableWidget>("leftTable")->rowCount(), 0);
    type("functionField", QString(260, QChar('x')));
    EXPECT_TRUE(error->isVisible());
    type("functionField", "sqrt(-1 - x^2)"); // undefined at every point of the window
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().contains("not defined anywhere")) << error->text().toStdString();
    type("functionField", "sqrt(x)");
    EXPECT_TRUE(error->isHidden());
    EXPECT_EQ(find<QTableWidget>("leftTable")->item(0, 1)->text(), "undefined");
    EXPECT_TRUE(facts().contains("not defined on this side")) << facts().toStdString();
    type("pointField", "sqrt(-4)");
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().contains("a:"));
    type("pointField", "0");
    EXPECT_TRUE(error->isHidden());
}

TEST_F(ContinuityWindow, TheGameRefusesALargeDeltaAndFindsOneThatWorks) {
    find<QComboBox>("exampleChooser")->setCurrentIndex(6); // x^2 - 3 at 2, L = 1
    emit find<QComboBox>("exampleChooser")->activated(6);
    find<QDoubleSpinBox>("epsilonBox")->setValue(0.1);
    find<QSlider>("deltaSlider")->setValue(300); // δ = 1
    auto* verdict = find<QLabel>("deltaVerdict");
    EXPECT_TRUE(verdict->text().contains("too large")) << verdict->text().toStdString();
    QTest::mouseClick(find<QPushButton>("findDeltaButton"), Qt::LeftButton);
    EXPECT_TRUE(verdict->text().contains("works")) << verdict->text().toStdString();
    // |x^2 - 4| < 0.1 needs δ below sqrt(4.1) - 2 = 0.02485
    const double delta = std::pow(10.0, -3.0 + find<QSlider>("deltaSlider")->value() / 100.0);
    EXPECT_LT(delta, 0.02485);
    emit find<QComboBox>("exampleChooser")->activated(2); // a jump: no L
    EXPECT_TRUE(verdict->text().contains("needs a finite limit"));
}
