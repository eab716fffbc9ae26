// The solids program through its real widgets: every kind of exercise answered wrong and right,
// the solid chosen and turned by keys and dragging, the dual shown, the net drawn, and typed
// symbols giving a solid, a flat tiling or a clear message.
#include "solids/core/platonic.h"
#include "solids/view/net_view.h"
#include "solids/view/solid_view.h"
#include "solids/view/solids_definition.h"
#include "solids/view/solids_explore.h"

#include "window_checks.h"

#include <QCheckBox>
#include <QImage>
#include <QTabWidget>

namespace {

struct SolidsWindow : demo_test::DemoWindowTest<solids::SolidsExplore, solids::demoDefinition, 11,
                                                demo_test::WindowSize{1200, 800}> {
    QString facts() { return browserText("solidFacts"); }
};

// The colours a widget paints now, counted roughly: a drawing that changes changes them.
QImage picture(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

} // namespace

TEST_F(SolidsWindow, EveryExerciseKindIsAnsweredWrongThenRightWithItsSolution) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("exactly five convex"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(SolidsWindow, ChoosingASolidCountsItAndTheViewTurnsByKeysAndDragging) {
    auto* chooser = find<QComboBox>("solidChooser");
    auto* view = find<solids::SolidView>("solidView");
    ASSERT_TRUE(chooser && view);
    EXPECT_TRUE(facts().contains("V \u2212 E + F = 8 \u2212 12 + 6 = 2")) << facts().toStdString();
    chooser->setCurrentIndex(chooser->findText("Icosahedron {3, 5}"));
    EXPECT_TRUE(facts().contains("12 \u2212 30 + 20 = 2")) << facts().toStdString();
    EXPECT_TRUE(facts().contains("5 faces meet"));
    EXPECT_TRUE(facts().contains("dodecahedron {5, 3}"));

    // A convex solid shows at most all but one of its faces and at least one; the turned view
    // paints a different picture and keeps a face count in that range.
    const QImage before = picture(view);
    const QPointF corner = view->project(solids::meshOf(solids::Solid::Icosahedron).vertices[0]);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_NE(view->project(solids::meshOf(solids::Solid::Icosahedron).vertices[0]), corner);
    EXPECT_NE(picture(view), before);
    EXPECT_GE(view->facesInSight(), 1);
    EXPECT_LT(view->facesInSight(), 20);
    const QPointF afterKeys = view->project(solids::meshOf(solids::Solid::Icosahedron).vertices[0]);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(160, 130));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 150), view->mapToGlobal(QPointF(200, 150)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_NE(view->project(solids::meshOf(solids::Solid::Icosahedron).vertices[0]), afterKeys);
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(view->project(solids::meshOf(solids::Solid::Icosahedron).vertices[0]), corner);
}

TEST_F(SolidsWindow, TheDualTheMarkedCornerAndTheNetChangeWhatIsDrawn) {
    auto* view = find<solids::SolidView>("solidView");
    auto* tabs = find<QTabWidget>("solidTabs");
    ASSERT_TRUE(view && tabs);
    const QImage plain = picture(view);
    find<QCheckBox>("showDual")->setChecked(true);
    EXPECT_EQ(tabs->currentWidget(), view);
    const QImage withDual = picture(view);
    EXPECT_NE(withDual, plain);
    find<QCheckBox>("markCorner")->setChecked(true);
    EXPECT_NE(picture(view), withDual);
    EXPECT_GE(view->markedCorner(), 0);

    auto* net = find<solids::NetView>("netView");
    tabs->setCurrentWidget(net);
    find<QComboBox>("solidChooser")->setCurrentIndex(3);
    EXPECT_EQ(net->net().faces.size(), 12u);
    const QImage dodecahedronNet = picture(net);
    find<QComboBox>("solidChooser")->setCurrentIndex(0);
    EXPECT_EQ(net->net().faces.size(), 4u);
    EXPECT_NE(picture(net), dodecahedronNet);
}

TEST_F(SolidsWindow, ATypedSymbolGivesASolidATilingOrAClearMessage) {
    auto* field = find<QLineEdit>("symbolField");
    auto* verdict = find<QLabel>("symbolVerdict");
    auto* chooser = find<QComboBox>("solidChooser");
    ASSERT_TRUE(field && verdict && chooser);
    field->setText("{5, 3}");
    EXPECT_TRUE(demo_test::plainText(verdict).contains("dodecahedron"));
    EXPECT_EQ(chooser->currentIndex(), 3);
    EXPECT_TRUE(facts().contains("20 \u2212 30 + 12 = 2"));
    field->setText("6,3");
    EXPECT_TRUE(demo_test::plainText(verdict).contains("tile the plane"))
        << demo_test::plainText(verdict).toStdString();
    EXPECT_EQ(find<QTabWidget>("solidTabs")->currentWidget(), find<QTextBrowser>("whyFive"));
    field->setText("4 5");
    EXPECT_TRUE(demo_test::plainText(verdict).contains("no solid"));
    for (const char* bad : {"4", "2, 3", "3, 3, 3", "x, y", "4, 99999999999999999999", "3,,4"}) {
        field->setText(bad);
        const QString message = demo_test::plainText(verdict);
        EXPECT_FALSE(message.contains("V =")) << bad;
        EXPECT_FALSE(message.isEmpty()) << bad;
    }
    field->setText("2, 3");
    EXPECT_TRUE(demo_test::plainText(verdict).contains("from 3 to 100"));
    field->setText("4");
    EXPECT_TRUE(demo_test::plainText(verdict).contains("two whole numbers"));
}
