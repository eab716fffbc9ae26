// The relations and operations window through its real widgets: exercises of every kind
// answered wrong and right with their solutions, and the explore area reacting at once to
// clicks in the matrix, closures, typed functions and an edited operation table.
#include "mappings/view/function_explorer.h"
#include "mappings/view/mappings_explore.h"
#include "mappings/view/operation_explorer.h"
#include "mappings/view/relation_diagram.h"
#include "mappings/view/relation_explorer.h"

#include "demos/window_checks.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

namespace {

using MappingsWindow =
    demo_test::DemoWindowTest<mappings::MappingsExplore, mappings::demoDefinition, 21>;

TEST_F(MappingsWindow, StartsWithTheLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "Relations and Operations");
    const QString lesson = window.lesson()->toPlainText();
    EXPECT_TRUE(lesson.contains("The four properties"));
    EXPECT_TRUE(lesson.contains("Hasse diagram"));
    EXPECT_EQ(demo_test::named<QComboBox>(window, "kindChooser")->count(), 5);
}

TEST_F(MappingsWindow, EveryKindIsAnsweredWrongThenRightWithItsSolution) {
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(MappingsWindow, ClickingTheMatrixRetestsThePropertiesAtOnce) {
    auto* relations = explore->relations();
    // It starts as "a divides b" on 1..4: a partial order.
    EXPECT_TRUE(relations->reportText().contains("A partial order"));
    QTest::mouseClick(relations->cell(2, 1), Qt::LeftButton);
    EXPECT_TRUE(relations->relation().holds(2, 1));
    EXPECT_TRUE(relations->reportText().contains("both (1,2) and (2,1) are in R"));
    EXPECT_TRUE(relations->reportText().contains("(2,1) and (1,3) are in R but (2,3) is not"));
    QTest::mouseClick(demo_test::named<QPushButton>(window, "transitiveClosure"), Qt::LeftButton);
    EXPECT_TRUE(relations->relation().holds(2, 3));
    EXPECT_TRUE(relations->cell(2, 3)->isChecked());
    EXPECT_FALSE(relations->reportText().contains("transitive:</b> <span"));
    QTest::mouseClick(demo_test::named<QPushButton>(window, "symmetricClosure"), Qt::LeftButton);
    QTest::mouseClick(demo_test::named<QPushButton>(window, "transitiveClosure"), Qt::LeftButton);
    EXPECT_TRUE(relations->reportText().contains("An equivalence relation"));
    EXPECT_TRUE(relations->reportText().contains("{1, 2, 3, 4}"));
}

TEST_F(MappingsWindow, APartialOrderIsDrawnAsItsHasseDiagramOnRequest) {
    auto* relations = explore->relations();
    demo_test::named<QSpinBox>(window, "relationSize")->setValue(8);
    relations->applyPreset(4);
    auto* hasse = demo_test::named<QCheckBox>(window, "hasseBox");
    EXPECT_TRUE(hasse->isEnabled());
    hasse->setChecked(true);
    EXPECT_TRUE(relations->diagram()->showsHasse());
    QTest::mouseClick(relations->cell(2, 1), Qt::LeftButton);
    EXPECT_FALSE(hasse->isEnabled()) << "no longer antisymmetric";
    EXPECT_FALSE(relations->diagram()->showsHasse());
}

TEST_F(MappingsWindow, FunctionsAreTestedAsTheyAreTypedAndBadValuesNamed) {
    auto* functions = explore->functions();
    EXPECT_TRUE(functions->reportText().contains("f\u207b\u00b9(1) = 3"));
    EXPECT_TRUE(functions->reportText().contains("(g\u2218f)(2) = 2"));
    auto* f = demo_test::named<QLineEdit>(window, "fValues");
    f->setText("1, 1, 2, 3");
    EXPECT_TRUE(functions->reportText().contains("f(1) = f(2) = 1"));
    EXPECT_TRUE(functions->reportText().contains("4 in B is the image of no element of A"));
    f->setText("1, 9");
    EXPECT_TRUE(functions->reportText().contains("9 is not an element of {1, ..., 4}"));
    f->setText("1,,x");
    EXPECT_TRUE(functions->reportText().startsWith("<span")) << "a clear message, no crash";
}

TEST_F(MappingsWindow, AnEditedOperationTableShowsTheBreakingTriple) {
    auto* operations = explore->operations();
    EXPECT_TRUE(operations->reportText().contains("<b>A group</b>")) << "multiplication mod 5";
    QTableWidget* grid = operations->grid();
    grid->item(1, 1)->setText("1"); // 2 * 2 = 1 instead of 4
    EXPECT_EQ(operations->table().entry(2, 2), 1);
    EXPECT_TRUE(operations->reportText().contains("Not a group"));
    EXPECT_TRUE(operations->reportText().contains("associative:</b> <span"));
    grid->item(0, 0)->setText("seven");
    EXPECT_TRUE(operations->reportText().contains("1 * 1 is not given, which is not in S"));
}

} // namespace
