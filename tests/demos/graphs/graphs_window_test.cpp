// The graphs program through its real widgets: every exercise kind answered wrong then right,
// a typed function's domain shown and a bad one explained, the trace point's coordinates, the
// sliders and the inverse, and the line through two dragged points.
#include "graphs/view/graphs_definition.h"
#include "graphs/view/graphs_explore.h"

#include "kit/view/canvas.h"
#include "kit/view/demo_window.h"

#include "window_checks.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

using GraphsWindow = demo_test::DemoWindowTest<graphs::GraphsExplore, graphs::demoDefinition, 11>;

} // namespace

TEST_F(GraphsWindow, EveryExerciseKindIsAnsweredWrongThenRight) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("abscissa"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(GraphsWindow, TypedFunctionsShowTheirDomainAndTheTracePointItsCoordinates) {
    type("functionField1", "sqrt(x - 1)/(x - 3)");
    const QString facts = find<QTextBrowser>("functionFacts")->toPlainText();
    EXPECT_TRUE(facts.contains("[1, 3) \u222a (3, \u221e)")) << facts.toStdString();
    type("functionField0", "x^2 +* 3");
    EXPECT_TRUE(find<QLabel>("functionError0")->isVisible());
    EXPECT_FALSE(find<QLabel>("functionError0")->text().isEmpty());
    type("functionField0", "x^2 - 2");
    EXPECT_TRUE(find<QLabel>("functionError0")->isHidden());
    auto* plot = find<kit::Canvas>("functionPlot");
    emit plot->pointMoved("trace", QPointF(3, 0));
    EXPECT_EQ(plot->pointPosition("trace"), QPointF(3, 7));
    EXPECT_TRUE(find<QLabel>("traceLabel")->text().contains("ordinate y = f(x) = 7"));
    find<QComboBox>("traceChooser")->setCurrentIndex(1);
    EXPECT_TRUE(find<QLabel>("traceLabel")->text().contains("not defined"));
}

TEST_F(GraphsWindow, SlidersTransformTheFormulaAndTheInverseIsWritten) {
    type("baseField", "x^2");
    find<QSlider>("sliderA")->setValue(4); // a = 2
    find<QSlider>("sliderC")->setValue(6); // c = 3
    find<QSlider>("sliderD")->setValue(2); // d = 1
    EXPECT_TRUE(
        find<QLabel>("transformFormula")->text().contains("2x<sup>2</sup> &minus; 12x + 19"))
        << find<QLabel>("transformFormula")->text().toStdString();
    find<QSlider>("sliderB")->setValue(0);
    EXPECT_NE(find<QSlider>("sliderB")->value(), 0);
    type("composeF", "3x - 6");
    type("composeG", "x^2");
    const QString facts = find<QTextBrowser>("compositionFacts")->toPlainText();
    EXPECT_TRUE(facts.contains("f\u207b\u00b9(x) = x/3 + 2")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("3x2 \u2212 6")) << facts.toStdString();
    type("composeF", "x^2");
    EXPECT_TRUE(find<QTextBrowser>("compositionFacts")->toPlainText().contains("not one-to-one"));
}

TEST_F(GraphsWindow, TheLineFollowsItsDraggedPoints) {
    auto* plot = find<kit::Canvas>("linePlot");
    plot->setPointPosition("P", QPointF(-2, -1));
    plot->setPointPosition("Q", QPointF(3, 2));
    emit plot->pointMoved("Q", QPointF(3, 2));
    EXPECT_TRUE(find<QTextBrowser>("lineFacts")->toPlainText().contains("y = 3/5x + 1/5"))
        << find<QTextBrowser>("lineFacts")->toPlainText().toStdString();
    plot->setPointPosition("Q", QPointF(-2, -1));
    emit plot->pointMoved("Q", QPointF(-2, -1));
    EXPECT_TRUE(find<QTextBrowser>("lineFacts")->toPlainText().contains("same point"));
}
