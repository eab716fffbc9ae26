// The integrals window through its real widgets: the exercises answered wrong and right, the
// sums' pieces drawn as n moves, typed faults named, the point x dragged along the area
// function, and the area between two curves from their crossings.
#include "areas/view/area_function_tab.h"
#include "areas/view/areas_definition.h"
#include "areas/view/areas_explore.h"
#include "areas/view/between_tab.h"
#include "areas/view/sums_tab.h"

#include "kit/view/canvas.h"

#include "window_checks.h"

#include <QSlider>
#include <QTabWidget>

#include <cmath>

namespace {

struct AreasWindow : demo_test::DemoWindowTest<areas::AreasExplore, areas::demoDefinition, 5,
                                               demo_test::WindowSize{1250, 850}> {
    void showTab(int index) { find<QTabWidget>("areasTabs")->setCurrentIndex(index); }
};

bool bluish(QColor c) {
    return c.blue() > c.red() + 20 && c.blue() > c.green();
}

} // namespace

TEST_F(AreasWindow, EveryExerciseKindIsAnsweredWrongThenRightWithItsSolution) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("fundamental theorem"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(AreasWindow, TheSumFollowsTheSliderAndItsPiecesAreDrawn) {
    showTab(0);
    auto* sums = window.findChild<areas::SumsTab*>();
    auto* canvas = find<kit::Canvas>("sumPlot");
    ASSERT_TRUE(sums && canvas);
    EXPECT_TRUE(browserText("sumFacts").contains("F(b) \u2212 F(a) = 8/3"))
        << browserText("sumFacts").toStdString();
    find<QComboBox>("ruleChooser")->setCurrentIndex(0);
    find<QSlider>("piecesSlider")->setValue(10);
    // Σ (k/5)² · 1/5 for k = 0 … 9 = 285/125.
    ASSERT_TRUE(sums->shownSum().has_value());
    EXPECT_NEAR(sums->shownSum()->value, 285.0 / 125, 1e-12);
    EXPECT_TRUE(browserText("sumFacts").contains("2.28"));
    EXPECT_TRUE(find<QLabel>("piecesLabel")->text().contains("10"));
    // Inside the last rectangle (from 1.8 to 2, height 1.8² = 3.24) the fill shows; above it not.
    const QImage picture = canvas->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const QPointF inside = canvas->transform().toPixels(QPointF(1.9, 1.0)) * ratio;
    const QPointF above = canvas->transform().toPixels(QPointF(1.9, 3.5)) * ratio;
    EXPECT_TRUE(bluish(picture.pixelColor(inside.toPoint())));
    EXPECT_FALSE(bluish(picture.pixelColor(above.toPoint())));
    find<QComboBox>("ruleChooser")->setCurrentIndex(4);
    EXPECT_NEAR(sums->shownSum()->value, 8.0 / 3, 1e-12);
}

TEST_F(AreasWindow, TypedFaultsGetAClearMessageAndNothingIsDrawnFromThem) {
    showTab(0);
    auto* sums = window.findChild<areas::SumsTab*>();
    auto* message = find<QLabel>("sumMessage");
    type("sumFunctionField", "sin(x");
    EXPECT_TRUE(message->text().startsWith("f(x):")) << message->text().toStdString();
    EXPECT_FALSE(sums->shownSum().has_value());
    type("sumFunctionField", "sqrt(-1 - x^2)");
    EXPECT_TRUE(message->text().contains("not defined anywhere")) << message->text().toStdString();
    type("sumFunctionField", "1/(x - 1)");
    EXPECT_TRUE(message->text().contains("pole")) << message->text().toStdString();
    find<QLineEdit>("sumFunctionField")->setText(QString("x+").repeated(150) + "x");
    EXPECT_TRUE(message->text().startsWith("f(x):")) << message->text().toStdString();
    type("sumFunctionField", "exp(-x^2)");
    EXPECT_TRUE(message->text().isEmpty()) << message->text().toStdString();
    EXPECT_TRUE(browserText("sumFacts").contains("numeric"));
    type("sumUpperField", "1/0");
    EXPECT_TRUE(message->text().contains("upper limit")) << message->text().toStdString();
    type("sumUpperField", "-3");
    EXPECT_TRUE(message->text().contains("less than")) << message->text().toStdString();
}

TEST_F(AreasWindow, DraggingXAlongTheAxisShowsTheAreaAndItsSlope) {
    showTab(1);
    auto* tab = window.findChild<areas::AreaFunctionTab*>();
    auto* canvas = find<kit::Canvas>("areaPlot");
    ASSERT_TRUE(tab && canvas);
    const QPoint from = canvas->transform().toPixels(canvas->pointPosition("x")).toPoint();
    const QPoint to = canvas->transform().toPixels(QPointF(1.0, 0)).toPoint();
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    const double x = canvas->pointPosition("x").x();
    EXPECT_NEAR(x, 1.0, 0.05);
    const QString facts = tab->factsText();
    EXPECT_TRUE(facts.contains(QString::number(std::sin(x), 'g', 8))) << facts.toStdString();
    EXPECT_TRUE(facts.contains("F(x) = sin(x)")) << facts.toStdString();
    EXPECT_TRUE(facts.contains(QString("f(x) = %1").arg(QString::number(std::cos(x), 'g', 8))))
        << facts.toStdString();
    type("areaFunctionField", "sqrt(-1 - x^2)");
    EXPECT_TRUE(find<QLabel>("areaMessage")->text().contains("not defined anywhere"));
    type("areaFunctionField", "cos(x");
    EXPECT_TRUE(find<QLabel>("areaMessage")->text().startsWith("f(x):"));
    type("areaFunctionField", "1/(x - 3)");
    EXPECT_TRUE(find<QLabel>("areaMessage")->text().isEmpty());
    canvas->setPointPosition("x", QPointF(4, 0));
    emit canvas->pointMoved("x", QPointF(4, 0));
    EXPECT_TRUE(tab->factsText().contains("not defined")) << tab->factsText().toStdString();
}

TEST_F(AreasWindow, TheAreaBetweenCurvesUsesTheirCrossings) {
    showTab(2);
    auto* tab = window.findChild<areas::BetweenTab*>();
    ASSERT_TRUE(tab);
    EXPECT_TRUE(browserText("betweenFacts").contains("= 1/6 exactly"))
        << browserText("betweenFacts").toStdString();
    type("upperCurveField", "4 - x^2");
    type("lowerCurveField", "0");
    type("betweenLowerField", "5");
    QTest::mouseClick(find<QPushButton>("crossingsButton"), Qt::LeftButton);
    EXPECT_EQ(find<QLineEdit>("betweenLowerField")->text(), "-2");
    EXPECT_EQ(find<QLineEdit>("betweenUpperField")->text(), "2");
    ASSERT_TRUE(tab->result().has_value());
    EXPECT_NEAR(tab->result()->area, 32.0 / 3, 1e-9);
    type("upperCurveField", "sin(x)");
    type("lowerCurveField", "cos(x)");
    type("betweenLowerField", "0");
    type("betweenUpperField", "pi");
    EXPECT_NEAR(tab->result()->area, 2 * std::sqrt(2.0), 1e-9);
    EXPECT_TRUE(browserText("betweenFacts").contains("0.78539816"))
        << browserText("betweenFacts").toStdString();
    type("lowerCurveField", "ln(-x^2 - 1)");
    EXPECT_TRUE(find<QLabel>("betweenMessage")->text().contains("g is not defined anywhere"))
        << find<QLabel>("betweenMessage")->text().toStdString();
    find<QLineEdit>("lowerCurveField")->setText(QString("x*").repeated(120) + "x");
    EXPECT_TRUE(find<QLabel>("betweenMessage")->text().contains("too long"))
        << find<QLabel>("betweenMessage")->text().toStdString();
}
