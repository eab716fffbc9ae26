// halfway through its real widgets: the midpoint, the ratio with a bad ratio refused, the
// centroid and the circle follow typed and dragged points; every exercise kind answered.
#include "gridpoints/view/coordinate_panel.h"
#include "halfway/view/halfway_definition.h"

#include "gridpoints/view/plane_canvas.h"

#include "demos/window_checks.h"

#include <gtest/gtest.h>

namespace {

struct HalfwayWindow
    : demo_test::DemoWindowTest<gridpoints::CoordinatePanel, halfway::demoDefinition, 3> {
    QString values() { return browserText("planeValues"); }
};

} // namespace

TEST_F(HalfwayWindow, EachModeFollowsThePoints) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("centroid"));
    type("pointA", "(1, 5)");
    type("pointB", "(4, -2)");
    EXPECT_TRUE(values().contains("= (5/2, 3/2)")) << values().toStdString();

    auto* modes = find<QComboBox>("modeChooser");
    modes->setCurrentIndex(1);
    type("pointA", "(1, 2)");
    type("pointB", "(7, 11)");
    EXPECT_TRUE(values().contains("P = (3, 5)")) << values().toStdString();
    find<QLineEdit>("ratioN")->setText("0");
    EXPECT_TRUE(find<QLabel>("pointError")->text().startsWith("ratio:"));
    find<QLineEdit>("ratioN")->setText("1");
    EXPECT_TRUE(find<QLabel>("pointError")->text().isEmpty());
    EXPECT_TRUE(values().contains("P = (4, 13/2)")) << values().toStdString();

    modes->setCurrentIndex(2);
    type("pointA", "(0, 0)");
    type("pointB", "(6, 0)");
    type("pointC", "(3, 9)");
    EXPECT_TRUE(values().contains("= (3, 3)")) << values().toStdString();

    modes->setCurrentIndex(3);
    auto* plane = find<gridpoints::PlaneCanvas>("coordinatePlane");
    plane->setPointPosition("A", QPointF(2, -1));
    emit plane->pointMoved("A", QPointF(2, -1));
    plane->setPointPosition("B", QPointF(5, 3));
    emit plane->pointMoved("B", QPointF(5, 3));
    EXPECT_TRUE(values().contains("(x - 2)\u00b2 + (y + 1)\u00b2 = 25")) << values().toStdString();
    EXPECT_TRUE(values().contains("x\u00b2 + y\u00b2 - 4x + 2y - 20 = 0"))
        << values().toStdString();
    plane->repaint();
}

TEST_F(HalfwayWindow, EveryKindOfExerciseIsAnsweredWrongThenRight) {
    demo_test::answerEveryKindWrongThenRight(window);
    EXPECT_TRUE(window.close());
}
