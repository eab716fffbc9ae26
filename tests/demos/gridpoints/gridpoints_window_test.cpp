// The coordinate plane through its real widgets: points typed, dragged and clicked, the modes
// and their exact computations, a bad point refused, and every exercise kind answered.
#include "gridpoints/view/coordinate_panel.h"
#include "gridpoints/view/gridpoints_definition.h"
#include "gridpoints/view/plane_canvas.h"

#include "demos/window_checks.h"

#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

struct GridWindow
    : demo_test::DemoWindowTest<gridpoints::CoordinatePanel, gridpoints::demoDefinition, 5> {
    QString values() { return browserText("planeValues"); }
};

} // namespace

TEST_F(GridWindow, PointsTypedDraggedAndClickedUpdateTheComputation) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("shoelace"));
    type("pointA", "(0, 0)");
    type("pointB", "(3, 4)");
    EXPECT_TRUE(values().contains("= \u221a25 = 5")) << values().toStdString();
    type("pointB", "(3, x)");
    EXPECT_TRUE(find<QLabel>("pointError")->text().startsWith("B: y:"));
    type("pointB", "(1/2, 1/2)");
    EXPECT_TRUE(find<QLabel>("pointError")->text().isEmpty());
    EXPECT_TRUE(values().contains("\u221a2/2")) << values().toStdString();

    auto* modes = find<QComboBox>("modeChooser");
    modes->setCurrentIndex(1);
    auto* plane = find<gridpoints::PlaneCanvas>("coordinatePlane");
    plane->setPointPosition("B", QPointF(2, 6));
    emit plane->pointMoved("B", QPointF(2, 6));
    EXPECT_EQ(find<QLineEdit>("pointB")->text(), "(2, 6)");
    EXPECT_TRUE(values().contains("y = 3x")) << values().toStdString();
    EXPECT_TRUE(values().contains("3x - y = 0")) << values().toStdString();

    modes->setCurrentIndex(2);
    EXPECT_TRUE(find<QLineEdit>("pointC")->isVisible());
    type("pointC", "(3, -1)");
    EXPECT_TRUE(values().contains("perpendicular through C")) << values().toStdString();
    EXPECT_TRUE(values().contains("y = -(1/3)x")) << values().toStdString();

    modes->setCurrentIndex(3);
    find<QSpinBox>("corners")->setValue(3);
    EXPECT_FALSE(find<QLineEdit>("pointD")->isVisible());
    // A(0, 0), B(2, 6), C(3, -1): |0·6 − 2·0 + 2·(−1) − 3·6 + 3·0 − 0·(−1)|/2 = 10.
    EXPECT_TRUE(values().contains("area = |sum|/2 = 10")) << values().toStdString();

    // A click on an empty place puts the selected point there, snapped to the grid.
    plane->setFocus();
    while (plane->selectedPoint() != "C")
        QTest::keyClick(plane, Qt::Key_Space);
    plane->placeSelectedAt(QPointF(4.2, 1.9));
    EXPECT_EQ(find<QLineEdit>("pointC")->text(), "(4, 2)");
    for (int i = 0; i < modes->count(); ++i) {
        modes->setCurrentIndex(i);
        plane->repaint();
    }
}

TEST_F(GridWindow, EveryKindOfExerciseIsAnsweredWrongThenRight) {
    demo_test::answerEveryKindWrongThenRight(window);
    EXPECT_TRUE(window.close());
}
