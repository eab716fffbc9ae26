// The complex numbers program through its real widgets: exercises answered right and wrong
// with the solution shown, z moved from the keyboard in the plane, the roots polygon and a
// quadratic.
#include "imaginaries/view/imaginaries_definition.h"
#include "imaginaries/view/imaginaries_explore.h"
#include "imaginaries/view/plane_tab.h"

#include "kit/view/canvas.h"
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

using ComplexWindow =
    demo_test::DemoWindowTest<imaginaries::ComplexExplore, imaginaries::demoDefinition, 5>;

} // namespace

TEST_F(ComplexWindow, AComplexAnswerIsCheckedExactlyAndTheSolutionShown) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("De Moivre"));
    find<QComboBox>("kindChooser")->setCurrentIndex(0);
    const kit::Exercise& exercise = window.practice()->current();
    ASSERT_EQ(exercise.kind, "complex-arithmetic");
    auto* field = find<QLineEdit>("answerField");
    QTest::keyClicks(field, "1 2/3 + i");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(
        demo_test::plainText(find<QLabel>("verdictLabel")).contains("space inside a number"));
    field->setText(QString::fromStdString(exercise.expectedAnswer));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")), "Correct.");
    QTest::mouseClick(find<QPushButton>("solutionButton"), Qt::LeftButton);
    EXPECT_FALSE(find<QTextBrowser>("solutionView")->toPlainText().isEmpty());
}

TEST_F(ComplexWindow, MovingZFromTheKeyboardUpdatesEveryValue) {
    auto* plane = find<kit::Canvas>("complexPlane");
    ASSERT_NE(explore, nullptr);
    plane->setFocus();
    // z starts at 2 + i and w at 1 + 2i; Space selects z, the arrows move it by halves.
    if (plane->selectedPoint() != "z")
        QTest::keyClick(plane, Qt::Key_Space);
    ASSERT_EQ(plane->selectedPoint(), "z");
    QTest::keyClick(plane, Qt::Key_Right);
    QTest::keyClick(plane, Qt::Key_Right);
    QTest::keyClick(plane, Qt::Key_Up);
    const imaginaries::ExactComplex z = explore->plane()->z();
    EXPECT_EQ(z.re, 3);
    EXPECT_EQ(z.im, mpq_class(3, 2));
    const QString values = find<QTextBrowser>("planeValues")->toPlainText();
    EXPECT_TRUE(values.contains("3 + 3/2i")) << values.toStdString();
    // (3 + 3/2 i)(1 + 2i) = 3 − 3 + (6 + 3/2)i = 15/2 i
    EXPECT_TRUE(values.contains("15/2i")) << values.toStdString();
}

TEST_F(ComplexWindow, RootsAndQuadraticsFollowTheirInputs) {
    find<QSpinBox>("rootCount")->setValue(4);
    const QString roots = find<QTextBrowser>("rootValues")->toPlainText();
    // w = 2i: four roots of modulus 2^(1/4), 90°/4 = 22.5° apart from 0 by 90°.
    EXPECT_TRUE(roots.contains("(90.00\u00b0 + k\u00b7360\u00b0)/4")) << roots.toStdString();
    EXPECT_TRUE(roots.contains("z3")) << roots.toStdString();
    EXPECT_FALSE(roots.contains("z4")) << roots.toStdString();

    find<QLineEdit>("coefficientA")->setText("1");
    find<QLineEdit>("coefficientB")->setText("2");
    find<QLineEdit>("coefficientC")->setText("5");
    const QString steps = find<QTextBrowser>("quadraticSteps")->toPlainText();
    EXPECT_TRUE(steps.contains("= -16.")) << steps.toStdString();
    EXPECT_TRUE(steps.contains("-1 \u00b1 2i")) << steps.toStdString();
    find<QLineEdit>("coefficientA")->setText("0");
    EXPECT_TRUE(find<QTextBrowser>("quadraticSteps")->toPlainText().isEmpty());
    EXPECT_TRUE(window.close());
}
