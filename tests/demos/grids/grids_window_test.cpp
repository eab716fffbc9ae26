// The matrices program through its real widgets: typed matrices change the result at once, a
// bad entry is named beside its field, and every kind of exercise is answered wrong then right.
#include "grids/view/grids_definition.h"
#include "grids/view/grids_explore.h"

#include "kit/view/demo_window.h"
#include "window_checks.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

struct GridsWindow : demo_test::DemoWindowTest<grids::GridsExplore, grids::demoDefinition, 11> {
    QString result() { return browserText("resultView"); }
    void choose(const char* operation) {
        auto* chooser = find<QComboBox>("operationChooser");
        chooser->setCurrentIndex(chooser->findText(QString::fromUtf8(operation)));
        ASSERT_GE(chooser->currentIndex(), 0) << operation;
    }
};

} // namespace

TEST_F(GridsWindow, TypedMatricesChangeTheResultAtOnce) {
    EXPECT_TRUE(window.lesson()->toPlainText().contains("Gauss"));
    auto* a = find<QPlainTextEdit>("matrixA");
    auto* b = find<QPlainTextEdit>("matrixB");
    a->setPlainText("1 2\n3 4");
    b->setPlainText("5 6\n7 8");
    choose("AB");
    EXPECT_TRUE(result().contains("19")) << result().toStdString();
    EXPECT_TRUE(result().contains("50"));
    choose("det A");
    EXPECT_TRUE(result().contains("det A = -2") || result().contains("det A = \u22122"))
        << result().toStdString();
    b->setPlainText("1 2 3");
    choose("A + B");
    EXPECT_TRUE(result().contains("Not defined")) << result().toStdString();
    choose("A\u207b\u00b9 by Gauss\u2013Jordan");
    a->setPlainText("2 1\n1 1");
    EXPECT_TRUE(result().contains("holds")) << result().toStdString();
}

TEST_F(GridsWindow, ABadEntryIsNamedBesideItsField) {
    auto* a = find<QPlainTextEdit>("matrixA");
    a->setPlainText("1 2\n3 x");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("messageA")).contains("row 2, entry 2"));
    EXPECT_TRUE(result().contains("Correct the typed value"));
    a->setPlainText("1 2\n3 4");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("messageA")).isEmpty());
}

TEST_F(GridsWindow, EveryExerciseKindIsAnsweredWrongThenRight) {
    demo_test::answerEveryKindWrongThenRight(window);
}
