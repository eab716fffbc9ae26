// The trigonometry window through its real widgets: the exercises answered wrong and right,
// P dragged round the unit circle with the mouse, the graph's sliders, and the triangle
// solver on the ambiguous case and on typed faults.
#include "angles/view/angles_definition.h"
#include "angles/view/angles_explore.h"
#include "angles/view/triangle_tab.h"
#include "angles/view/unit_circle_tab.h"
#include "angles/view/wave_tab.h"

#include "kit/view/canvas.h"

#include "window_checks.h"

#include <QDoubleSpinBox>
#include <QSlider>
#include <QTabWidget>

#include <cmath>
#include <numbers>

namespace {

struct AnglesWindow : demo_test::DemoWindowTest<angles::AnglesExplore, angles::demoDefinition, 11,
                                                demo_test::WindowSize{1250, 850}> {
    void showTab(int index) { find<QTabWidget>("anglesTabs")->setCurrentIndex(index); }
};

} // namespace

TEST_F(AnglesWindow, EveryExerciseKindIsAnsweredWrongThenRightWithItsSolution) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("unit circle"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(AnglesWindow, DraggingPRoundTheCircleShowsTheExactValuesOfTheAngle) {
    showTab(0);
    auto* canvas = find<kit::Canvas>("unitCircle");
    ASSERT_TRUE(canvas);
    const double angle = 150 * std::numbers::pi / 180;
    const QPoint from = canvas->transform().toPixels(canvas->pointPosition("P")).toPoint();
    // Drop P a little off the circle near 150°: it snaps to the circle at 150°.
    const QPoint to = canvas->transform()
                          .toPixels(QPointF(1.1 * std::cos(angle), 1.1 * std::sin(angle)))
                          .toPoint();
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, (from + to) / 2);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>("degreesField")->value(), 150);
    const QString facts = browserText("circleFacts");
    EXPECT_TRUE(facts.contains("5\u03c0/6")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("= \u2212\u221a3/2")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("= 1/2"));
    EXPECT_TRUE(facts.contains("quadrant 2, reference angle 30"));
    EXPECT_NEAR(canvas->pointPosition("P").x(), -std::sqrt(3.0) / 2, 1e-12);
    EXPECT_FALSE(facts.contains("\u2260")) << "every identity holds";
    find<QDoubleSpinBox>("degreesField")->setValue(-90);
    EXPECT_TRUE(browserText("circleFacts").contains("undefined (cos \u03b8 = 0)"));
    EXPECT_NEAR(canvas->pointPosition("P").y(), -1, 1e-12);
}

TEST_F(AnglesWindow, TheSlidersMoveTheGraphAndItsFacts) {
    showTab(1);
    auto* waves = window.findChild<angles::WaveTab*>();
    ASSERT_TRUE(waves);
    find<QSlider>("frequencySlider")->setValue(20);
    find<QSlider>("amplitudeSlider")->setValue(-30);
    find<QSlider>("shiftSlider")->setValue(10);
    const QString facts = find<QLabel>("waveFacts")->text();
    EXPECT_NEAR(angles::period(waves->wave()), std::numbers::pi, 1e-12);
    EXPECT_TRUE(facts.contains("amplitude |A| = 3")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("[&minus;2, 4]")) << facts.toStdString();
    find<QComboBox>("waveChooser")->setCurrentIndex(2);
    EXPECT_TRUE(find<QLabel>("waveFacts")->text().contains("all real numbers"));
    EXPECT_NEAR(angles::period(waves->wave()), std::numbers::pi / 2, 1e-12);
    // The angle of P (set on the unit circle) is marked on the plain sine graph.
    find<QComboBox>("waveChooser")->setCurrentIndex(0);
    find<QDoubleSpinBox>("degreesField")->setValue(90);
    auto* plot = find<kit::Canvas>("wavePlot");
    const QImage picture = plot->grab().toImage();
    const QPoint mark =
        (plot->transform().toPixels(QPointF(std::numbers::pi / 2, 1)) * picture.devicePixelRatio())
            .toPoint();
    const QColor c = picture.pixelColor(mark);
    EXPECT_TRUE(c.red() > 150 && c.green() < 160 && c.blue() < 100)
        << c.red() << " " << c.green() << " " << c.blue();
}

TEST_F(AnglesWindow, TheAmbiguousCaseDrawsTwoTrianglesAndFaultsAreNamed) {
    showTab(2);
    auto* triangles = window.findChild<angles::TriangleTab*>();
    auto* chooser = find<QComboBox>("caseChooser");
    auto* a = find<QLineEdit>("givenField0");
    auto* message = find<QLabel>("triangleMessage");
    ASSERT_TRUE(triangles && chooser && a && message);
    chooser->setCurrentIndex(4); // SSA with a = 7, b = 10, A = 30°
    ASSERT_EQ(triangles->solution().triangles.size(), 2u);
    EXPECT_TRUE(browserText("triangleResult").contains("Triangle 2"));
    a->clear();
    QTest::keyClicks(a, "4");
    EXPECT_TRUE(triangles->solution().triangles.empty());
    EXPECT_TRUE(message->text().contains("too short")) << message->text().toStdString();
    // The swing circle of side a (radius 4 about C, 5 above the line) is drawn, clear of it.
    auto* canvas = find<kit::Canvas>("triangleCanvas");
    const QImage picture = canvas->grab().toImage();
    const auto orangeNear = [&](QPointF world) {
        const QPoint at =
            (canvas->transform().toPixels(world) * picture.devicePixelRatio()).toPoint();
        int found = 0;
        for (int dx = -4; dx <= 4; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const QColor c = picture.pixelColor(at + QPoint(dx, dy));
                found += c.red() > 150 && c.green() < 160 && c.blue() < 100 ? 1 : 0;
            }
        return found > 0;
    };
    const double cx = 10 * std::sqrt(3.0) / 2;
    EXPECT_TRUE(orangeNear(QPointF(cx, 1)));  // the lowest point of the circle
    EXPECT_FALSE(orangeNear(QPointF(cx, 0))); // the line of side c, one unit below it
    a->clear();
    QTest::keyClicks(a, "sqrt(");
    EXPECT_TRUE(message->text().startsWith("side a:")) << message->text().toStdString();
    a->setText(QString(300, '7'));
    EXPECT_FALSE(message->text().isEmpty());
    a->setText("sqrt(100)/2"); // = b·sin A: side a just touches
    EXPECT_EQ(triangles->solution().triangles.size(), 1u);
    chooser->setCurrentIndex(0);
    a->setText("20");
    EXPECT_TRUE(message->text().contains("triangle inequality"));
}
