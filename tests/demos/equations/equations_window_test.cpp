// The equations program through its real widgets: every exercise kind answered wrong and right,
// a typed polynomial factored with its roots and a bad one refused beside the field, and an
// inequality solved as its parts are typed.
#include "equations/view/equations_definition.h"
#include "equations/view/equations_explore.h"

#include "kit/view/demo_window.h"

#include "window_checks.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

using EquationsWindow =
    demo_test::DemoWindowTest<equations::EquationsExplore, equations::demoDefinition, 5>;

} // namespace

TEST_F(EquationsWindow, EveryExerciseKindIsAnsweredWrongThenRight) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("rational root theorem"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(EquationsWindow, ATypedPolynomialIsFactoredWithItsRootsAndBadTextIsExplained) {
    type("polynomialField", "x^3 - 2x^2 - 5x + 6");
    const QString facts = find<QTextBrowser>("polynomialFacts")->toPlainText();
    EXPECT_TRUE(facts.contains("(x + 2)(x \u2212 1)(x \u2212 3)")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("\u00b11, \u00b12") || facts.contains("\u22126, \u22123"));
    EXPECT_TRUE(find<QLabel>("polynomialError")->isHidden());
    type("polynomialField", "1/x + 2");
    EXPECT_TRUE(find<QLabel>("polynomialError")->text().contains("not a polynomial"));
    EXPECT_TRUE(find<QLabel>("polynomialError")->isVisible());
    type("polynomialField", "x^2 + 3x + 1");
    EXPECT_TRUE(find<QTextBrowser>("polynomialFacts")->toPlainText().contains("\u221a5"));
    EXPECT_TRUE(find<QLabel>("polynomialError")->isHidden());
}

TEST_F(EquationsWindow, TheInequalityIsSolvedAsItsPartsAreTyped) {
    type("numeratorField", "x + 1");
    type("denominatorField", "x - 2");
    find<QComboBox>("relationChooser")->setCurrentIndex(1); // <= 0
    EXPECT_TRUE(find<QTextBrowser>("inequalityFacts")->toPlainText().contains("[\u22121, 2)"))
        << find<QTextBrowser>("inequalityFacts")->toPlainText().toStdString();
    find<QComboBox>("relationChooser")->setCurrentIndex(2); // > 0
    EXPECT_TRUE(find<QTextBrowser>("inequalityFacts")->toPlainText().contains("(2, \u221e)"));
    type("denominatorField", "x - x");
    EXPECT_TRUE(find<QLabel>("inequalityError")->text().contains("zero polynomial"));
    type("denominatorField", "");
    EXPECT_TRUE(find<QLabel>("inequalityError")->isHidden());
    type("numeratorField", "0");
    EXPECT_TRUE(find<QTextBrowser>("inequalityFacts")->toPlainText().contains("\u2205"));
}
