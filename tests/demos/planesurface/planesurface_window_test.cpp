// The area calculator through its real widgets: shapes chosen, values typed and calculated, the
// reasons for impossible values beside their fields, and every exercise kind answered.
#include "planesurface/view/calculator_panel.h"
#include "planesurface/view/planesurface_definition.h"

#include "demos/window_checks.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

struct AreaWindow
    : demo_test::DemoWindowTest<planesurface::CalculatorPanel, planesurface::demoDefinition, 11> {
    void chooseShape(const char* name) {
        auto* chooser = find<QComboBox>("shapeChooser");
        const int index = chooser->findText(name);
        ASSERT_GE(index, 0) << name;
        chooser->setCurrentIndex(index);
    }
    QString results() { return browserText("results"); }
};

} // namespace

TEST_F(AreaWindow, TypedValuesAreCalculatedAtOnceAndImpossibleOnesExplained) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("Heron's formula"));
    chooseShape("Triangle (three sides, Heron's formula)");
    type("value0", "3");
    type("value1", "4");
    type("value2", "8");
    EXPECT_TRUE(find<QLabel>("error2")->text().contains("longer than a + b = 7"))
        << find<QLabel>("error2")->text().toStdString();
    EXPECT_FALSE(results().contains("A = "));
    type("value2", "5");
    EXPECT_TRUE(find<QLabel>("error2")->text().isEmpty());
    EXPECT_TRUE(results().contains("A = 6 cm\u00b2")) << results().toStdString();
    EXPECT_TRUE(results().contains("P = 12 cm")) << results().toStdString();

    chooseShape("Circle");
    EXPECT_FALSE(find<QLineEdit>("value1")->isVisible());
    type("value0", "-2");
    EXPECT_EQ(find<QLabel>("error0")->text(), "a length must be more than 0");
    type("value0", "3");
    find<QComboBox>("unitChooser")->setCurrentText("m");
    QTest::mouseClick(find<QPushButton>("calculateButton"), Qt::LeftButton);
    EXPECT_TRUE(results().contains("9\u03c0 \u2248 28.27 m\u00b2")) << results().toStdString();
    EXPECT_TRUE(results().contains("Circumference")) << results().toStdString();

    chooseShape("Triangle (two sides and the angle between)");
    type("value2", "180");
    EXPECT_TRUE(find<QLabel>("error2")->text().contains("less than 180"));

    // Every shape at its first values draws and calculates.
    auto* chooser = find<QComboBox>("shapeChooser");
    auto* panel = window.findChild<planesurface::CalculatorPanel*>("calculator");
    for (int i = 0; i < chooser->count(); ++i) {
        chooser->setCurrentIndex(i);
        EXPECT_TRUE(panel->calculation().has_value()) << chooser->currentText().toStdString();
        window.explore()->repaint();
    }
}

TEST_F(AreaWindow, EveryKindOfExerciseIsAnsweredWrongThenRight) {
    // The answers with π are set rather than typed key by key (the test's key table is ASCII).
    auto* chooser = find<QComboBox>("kindChooser");
    auto* field = find<QLineEdit>("answerField");
    auto* verdict = find<QLabel>("verdictLabel");
    for (int k = 0; k < chooser->count(); ++k) {
        chooser->setCurrentIndex(k);
        const kit::Exercise& exercise = window.practice()->current();
        SCOPED_TRACE(exercise.prompt);
        field->setText("99999999");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_FALSE(demo_test::plainText(verdict).startsWith("Correct"));
        field->setText(QString::fromStdString(exercise.expectedAnswer));
        QTest::mouseClick(find<QPushButton>("checkButton"), Qt::LeftButton);
        EXPECT_EQ(demo_test::plainText(verdict), "Correct.");
        QTest::mouseClick(find<QPushButton>("solutionButton"), Qt::LeftButton);
        EXPECT_FALSE(find<QTextBrowser>("solutionView")->toPlainText().isEmpty());
    }
    EXPECT_EQ(demo_test::plainText(find<QLabel>("scoreLabel")),
              QString("Score: 0 of %1").arg(chooser->count()));
    EXPECT_TRUE(window.close());
}
