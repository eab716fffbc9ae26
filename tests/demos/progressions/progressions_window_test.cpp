// The progressions window through its real widgets: every exercise kind answered wrong and
// right, the explore area following the chosen and typed sequence, bad rules refused.
#include "progressions/view/progressions_definition.h"
#include "progressions/view/progressions_explore.h"

#include "window_checks.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>

namespace {

struct ProgressionsWindow
    : demo_test::DemoWindowTest<progressions::ProgressionsExplore, progressions::demoDefinition, 7,
                                demo_test::WindowSize{1200, 800}> {
    QString facts() { return browserText("sequenceFacts"); }
};

} // namespace

TEST_F(ProgressionsWindow, EveryExerciseKindIsAnsweredWrongThenRightWithItsSolution) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("harmonic series"));
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(ProgressionsWindow, TypedSequencesUpdateTheFactsAndBadRulesGetAMessage) {
    auto* rule = find<QLineEdit>("ruleField");
    auto* first = find<QLineEdit>("firstField");
    auto* count = find<QSpinBox>("countField");
    auto* message = find<QLabel>("inputMessage");
    ASSERT_TRUE(rule && first && count && message);
    first->setText("5");
    rule->setText("3");
    count->setValue(20);
    EXPECT_TRUE(facts().contains("S20 = 670")) << facts().toStdString();
    find<QComboBox>("modeChooser")->setCurrentIndex(1);
    rule->setText("2");
    first->setText("3");
    count->setValue(8);
    EXPECT_TRUE(facts().contains("S8 = 765")) << facts().toStdString();
    EXPECT_TRUE(facts().contains("diverges"));
    rule->setText("1/2");
    EXPECT_TRUE(facts().contains("converges"));
    EXPECT_TRUE(message->text().isEmpty());
    rule->setText("1/");
    EXPECT_TRUE(message->text().startsWith("Ratio")) << message->text().toStdString();
    find<QComboBox>("modeChooser")->setCurrentIndex(2);
    rule->setText("(n+");
    EXPECT_TRUE(message->text().startsWith("Rule")) << message->text().toStdString();
    rule->setText("1/n^2");
    EXPECT_TRUE(message->text().isEmpty());
}
