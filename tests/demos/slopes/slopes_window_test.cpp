// The derivatives program through its real widgets: every exercise kind answered wrong then
// right, the secant's slope following the h slider towards the tangent's, the dragged point's
// tangent equation, the rules and the study of f, the learner's derivative checked, and bad
// input explained.
#include "slopes/view/slopes_definition.h"
#include "slopes/view/slopes_explore.h"

#include "kit/view/canvas.h"
#include "kit/view/demo_window.h"

#include "window_checks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

struct SlopesWindow : demo_test::DemoWindowTest<slopes::SlopesExplore, slopes::demoDefinition, 9> {
    QString text(const char* label) { return demo_test::plainText(find<QLabel>(label)); }
};

} // namespace

TEST_F(SlopesWindow, EveryExerciseKindIsAnsweredWrongThenRight) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("quotient rule"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(SlopesWindow, TheSecantTurnsIntoTheTangentAsHShrinks) {
    type("functionField", "x^3");
    auto* plot = find<kit::Canvas>("secantPlot");
    emit plot->pointMoved("P", QPointF(1, 0));
    EXPECT_EQ(plot->pointPosition("P"), QPointF(1, 1)) << "P sits on the graph";
    EXPECT_TRUE(text("tangentLabel").contains("y = 3x \u2212 2"))
        << text("tangentLabel").toStdString();
    auto* slider = find<QSlider>("hSlider");
    slider->setValue(0); // h = 2: ((1 + 2)^3 - 1)/2 = 13
    EXPECT_TRUE(text("secantLabel").contains("= 13")) << text("secantLabel").toStdString();
    slider->setValue(slider->maximum()); // h = 0.001: 3 + 3h + h^2 = 3.003001
    EXPECT_TRUE(text("secantLabel").contains("= 3.003001")) << text("secantLabel").toStdString();
    find<QCheckBox>("fromLeftBox")->setChecked(true); // h = -0.001: 2.997001
    EXPECT_TRUE(text("secantLabel").contains("= 2.997001")) << text("secantLabel").toStdString();
    auto* table = find<QTableWidget>("quotientTable");
    ASSERT_EQ(table->rowCount(), 8);
    EXPECT_EQ(table->item(1, 0)->text(), "\u22120.1");
    EXPECT_EQ(table->item(1, 2)->text(), "2.71");
}

TEST_F(SlopesWindow, RulesStudyAndTheLearnersDerivative) {
    type("functionField", "x^2 sin(x)");
    const QString rules = find<QTextBrowser>("derivativeSteps")->toPlainText();
    EXPECT_TRUE(rules.contains("product rule")) << rules.toStdString();
    EXPECT_TRUE(rules.contains("trigonometric rule"));
    type("functionField", "x^3 - 3x");
    const QString study = find<QTextBrowser>("studyFacts")->toPlainText();
    EXPECT_TRUE(study.contains("x = \u22121 (f = 2, local maximum)")) << study.toStdString();
    EXPECT_TRUE(study.contains("x = 1 (f = \u22122, local minimum)"));
    EXPECT_TRUE(study.contains("Inflection points: (0, 0)"));
    EXPECT_TRUE(study.contains("Decreasing (f\u2032 < 0): (\u22121, 1)")) << study.toStdString();
    EXPECT_TRUE(study.contains("Concave down (f\u2033 < 0): (\u22125, 0)")) << study.toStdString();
    type("ownDerivativeField", "3x^2 - 3");
    QTest::mouseClick(find<QPushButton>("checkOwnDerivative"), Qt::LeftButton);
    EXPECT_EQ(text("ownDerivativeVerdict"), "Correct.");
    type("ownDerivativeField", "3x^2");
    QTest::keyClick(find<QLineEdit>("ownDerivativeField"), Qt::Key_Return);
    EXPECT_TRUE(text("ownDerivativeVerdict").contains("at x = "));
    type("ownDerivativeField", "3x^2 -");
    QTest::keyClick(find<QLineEdit>("ownDerivativeField"), Qt::Key_Return);
    EXPECT_TRUE(text("ownDerivativeVerdict").contains("ends too early"))
        << text("ownDerivativeVerdict").toStdString();
}

TEST_F(SlopesWindow, BadFunctionsAreExplainedAndMended) {
    auto* error = find<QLabel>("inputError");
    type("functionField", "sin(x");
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().contains("not closed")) << error->text().toStdString();
    EXPECT_TRUE(find<QTextBrowser>("derivativeSteps")->toPlainText().isEmpty());
    type("functionField", QString(300, QChar('1')));
    EXPECT_TRUE(error->isVisible());
    type("functionField", "log(-x^2 - 1)");
    EXPECT_TRUE(error->text().contains("not defined anywhere")) << error->text().toStdString();
    type("functionField", "abs(x - 1)");
    EXPECT_TRUE(error->isHidden());
    emit find<kit::Canvas>("secantPlot")->pointMoved("P", QPointF(1, 0));
    EXPECT_TRUE(text("tangentLabel").contains("no tangent")) << text("tangentLabel").toStdString();
}
