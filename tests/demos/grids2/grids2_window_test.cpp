// The more-matrices program through its real widgets: a typed system is solved at once, the map
// follows a dragged image, a typed matrix gives its eigenvalues, bad input is named beside its
// field, and every kind of exercise is answered wrong then right.
#include "grids2/view/grids2_definition.h"
#include "grids2/view/grids2_explore.h"

#include "kit/view/canvas.h"
#include "kit/view/demo_window.h"
#include "window_checks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

using Grids2Window = demo_test::DemoWindowTest<grids2::Grids2Explore, grids2::demoDefinition, 5>;

} // namespace

TEST_F(Grids2Window, ATypedSystemIsSolvedAtOnce) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("Cramer"));
    EXPECT_TRUE(browserText("systemView").contains("x = 5, y = 3, z = \u22122"))
        << browserText("systemView").toStdString();
    auto* field = find<QPlainTextEdit>("systemField");
    field->setPlainText("1 1 1\n2 2 5");
    EXPECT_TRUE(browserText("systemView").contains("No solution"))
        << browserText("systemView").toStdString();
    field->setPlainText("1 1 1 2\n1 2 3 5");
    EXPECT_TRUE(browserText("systemView").contains("Infinitely many"));
    field->setPlainText("1 1\n2 2 5");
    EXPECT_TRUE(
        demo_test::plainText(find<QLabel>("systemMessage")).contains("row 2 has 3 entries"));
    EXPECT_TRUE(browserText("systemView").contains("Correct the matrix"))
        << "a matrix that cannot be read leaves no stale working";
    field->setPlainText("1\n2");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("systemMessage")).contains("right-hand side"));
    field->setPlainText("1 1 2");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("systemMessage")).isEmpty());
    EXPECT_TRUE(browserText("systemView").contains("x")) << browserText("systemView").toStdString();
}

TEST_F(Grids2Window, TheMapFollowsTheDraggedImageAndTheTypedMatrix) {
    auto* canvas = find<kit::Canvas>("mapCanvas");
    canvas->setPointPosition("second", QPointF(0, -1));
    emit canvas->pointMoved("second", QPointF(0, -1));
    EXPECT_EQ(find<QLineEdit>("mapField")->text(), "[2 0; 0 -1]");
    EXPECT_TRUE(browserText("mapValues").contains("orientation reversed"))
        << browserText("mapValues").toStdString();
    find<QLineEdit>("mapField")->setText("[0 -1; 1 0]");
    EXPECT_EQ(canvas->pointPosition("first"), QPointF(0, 1));
    EXPECT_TRUE(browserText("mapValues").contains("rotation by 90"));
    find<QLineEdit>("mapField")->setText("[1 2 3]");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("mapMessage")).contains("2 \u00d7 2"));
}

TEST_F(Grids2Window, ATypedMatrixGivesItsEigenvalues) {
    auto* field = find<QPlainTextEdit>("eigenField");
    field->setPlainText("4 1\n2 3");
    EXPECT_TRUE(browserText("eigenView").contains("(\u22122, 4) = 2\u00b7(\u22121, 2)"))
        << browserText("eigenView").toStdString();
    field->setPlainText("1 2 3 4");
    EXPECT_TRUE(
        demo_test::plainText(find<QLabel>("eigenMessage")).contains("2 \u00d7 2 or 3 \u00d7 3"));
    EXPECT_TRUE(browserText("eigenView").contains("(\u22122, 4) = 2\u00b7(\u22121, 2)"))
        << "a matrix of the wrong size keeps the last working shown";
    field->setPlainText("4 1\n2 x");
    EXPECT_TRUE(browserText("eigenView").contains("Correct the matrix"));
}

TEST_F(Grids2Window, EveryExerciseKindIsAnsweredWrongThenRight) {
    demo_test::answerEveryKindWrongThenRight(window);
}
