// The vectors program through its real widgets: an exercise answered wrong and right with the
// solution shown, a vector moved from the keyboard in the plane, the constructions and the
// scalars, and vectors typed in the 3-D view with the view turned.
#include "arrows/view/arrows_definition.h"
#include "arrows/view/arrows_explore.h"
#include "arrows/view/plane_tab.h"
#include "arrows/view/space_tab.h"
#include "arrows/view/space_view.h"

#include "kit/view/canvas.h"
#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "window_checks.h"

#include <gtest/gtest.h>

namespace {

using VectorsWindow = demo_test::DemoWindowTest<arrows::ArrowsExplore, arrows::demoDefinition, 7>;

} // namespace

TEST_F(VectorsWindow, AVectorAnswerIsCheckedByComponentsAndTheSolutionShown) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("parallelogram rule"));
    auto* chooser = find<QComboBox>("kindChooser");
    chooser->setCurrentIndex(chooser->findText("Cross product in space"));
    const kit::Exercise& exercise = window.practice()->current();
    ASSERT_EQ(exercise.kind, "cross-product");
    auto* field = find<QLineEdit>("answerField");
    QTest::keyClicks(field, "(1, 2)");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")), "expected 3 components, got 2");
    field->setText(QString::fromStdString(exercise.expectedAnswer));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")), "Correct.");
    QTest::mouseClick(find<QPushButton>("solutionButton"), Qt::LeftButton);
    EXPECT_FALSE(find<QTextBrowser>("solutionView")->toPlainText().isEmpty());

    chooser->setCurrentIndex(chooser->findText("Length of a vector (exact)"));
    QTest::keyClicks(field, "sqrt(-4)");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("verdictLabel")).contains("negative"))
        << demo_test::plainText(find<QLabel>("verdictLabel")).toStdString();
}

TEST_F(VectorsWindow, MovingAVectorFromTheKeyboardUpdatesEveryValue) {
    auto* plane = find<kit::Canvas>("vectorPlane");
    ASSERT_NE(explore, nullptr);
    plane->setFocus();
    // a starts at (3, 1) and b at (1, 2); Space selects a, the arrows move it by halves.
    if (plane->selectedPoint() != "a")
        QTest::keyClick(plane, Qt::Key_Space);
    ASSERT_EQ(plane->selectedPoint(), "a");
    QTest::keyClick(plane, Qt::Key_Up);
    QTest::keyClick(plane, Qt::Key_Up);
    EXPECT_EQ(explore->plane()->a(), (arrows::ExactVector{3, 2}));
    const QString values = find<QTextBrowser>("planeValues")->toPlainText();
    EXPECT_TRUE(values.contains("(4, 4)")) << values.toStdString(); // a + b
    EXPECT_TRUE(values.contains("3\u00b71 + 2\u00b72 = 7")) << values.toStdString();
    EXPECT_TRUE(values.contains("\u221a13")) << values.toStdString();
    // 2a - b = (5, 2); the projection of a onto b is 7/5 (1, 2).
    EXPECT_TRUE(values.contains("(5, 2)")) << values.toStdString();
    EXPECT_TRUE(values.contains("(7/5, 14/5)")) << values.toStdString();
    EXPECT_TRUE(values.contains("the whole plane")) << values.toStdString();

    // s = 1/2, t = -1: (3/2, 1) - (1, 2) = (1/2, -1).
    find<QLineEdit>("scalarS")->setText("1/2");
    EXPECT_TRUE(find<QTextBrowser>("planeValues")->toPlainText().contains("(1/2, -1)"));
    find<QLineEdit>("scalarT")->setText("x");
    EXPECT_TRUE(find<QLabel>("scalarError")->text().startsWith("t:"));

    // b onto the line of a: they are parallel and span only a line.
    plane->setPointPosition("b", QPointF(-6, -4));
    emit plane->pointMoved("b", QPointF(-6, -4));
    EXPECT_TRUE(find<QTextBrowser>("planeValues")->toPlainText().contains("only a line"));
    auto* construction = find<QComboBox>("construction");
    for (int i = 0; i < construction->count(); ++i) {
        construction->setCurrentIndex(i);
        plane->repaint();
    }
}

TEST_F(VectorsWindow, TypedSpaceVectorsShowTheirCrossProductAndTheViewTurns) {
    explore->setCurrentWidget(explore->space());
    find<QLineEdit>("spaceA")->setText("(1, 0, 0)");
    find<QLineEdit>("spaceB")->setText("0, 1, 0");
    const QString values = find<QTextBrowser>("spaceValues")->toPlainText();
    EXPECT_TRUE(values.contains("(0, 0, 1)")) << values.toStdString();
    EXPECT_TRUE(values.contains("90\u00b0")) << values.toStdString();
    find<QLineEdit>("spaceB")->setText("(0, 1)");
    EXPECT_EQ(find<QLabel>("spaceError")->text(), "b: expected 3 components, got 2");
    find<QLineEdit>("spaceB")->setText("(0, 1, 5000)");
    EXPECT_TRUE(find<QLabel>("spaceError")->text().contains("between -1000 and 1000"));

    auto* view = find<arrows::SpaceView>("spaceView");
    const double turn = view->turn();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 100), view->mapToGlobal(QPointF(140, 100)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(140, 100));
    EXPECT_DOUBLE_EQ(view->turn(), turn + 20);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(view->tilt(), 15);
    EXPECT_TRUE(window.close());
}
