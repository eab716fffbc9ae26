// The sets window through its real widgets: every kind of exercise answered wrong and right
// with its solution, and the explore area reacting at once to what is typed.
#include "collections/view/collections_explore.h"
#include "collections/view/notation_tab.h"
#include "collections/view/subsets_tab.h"
#include "collections/view/venn_diagram.h"
#include "collections/view/venn_tab.h"

#include "demos/window_checks.h"

#include <QSpinBox>

namespace {

using SetsWindow =
    demo_test::DemoWindowTest<collections::CollectionsExplore, collections::demoDefinition, 3,
                              demo_test::WindowSize{1200, 800}>;

TEST_F(SetsWindow, StartsWithTheLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "Sets");
    const QString lesson = window.lesson()->toPlainText();
    EXPECT_TRUE(lesson.contains("De Morgan's laws"));
    EXPECT_TRUE(lesson.contains("inclusion and exclusion"));
    EXPECT_TRUE(lesson.contains("set-builder"));
    EXPECT_EQ(demo_test::named<QComboBox>(window, "kindChooser")->count(), 5);
}

TEST_F(SetsWindow, EveryKindIsAnsweredWrongThenRightWithItsSolution) {
    demo_test::answerEveryKindWrongThenRight(window);
}

TEST_F(SetsWindow, TypedExpressionShadesItsRegionAtOnce) {
    auto* field = demo_test::named<QLineEdit>(window, "expressionField");
    collections::VennTab* venn = explore->venn();
    field->clear();
    QTest::keyClicks(field, "(A u B) n C'");
    // Regions of A or B (bits 0, 1) outside C (bit 2): 1, 2 and 3.
    EXPECT_EQ(venn->diagram()->shaded(), (1 << 1) | (1 << 2) | (1 << 3));
    EXPECT_TRUE(venn->resultText().contains("{1, 3, 4, 6}")) << venn->resultText().toStdString();
    EXPECT_TRUE(venn->detailsText().contains("A \u222a B = {1, 2, 3, 4, 5, 6, 7}"));
    field->setText("A \u222a \u2229 B");
    EXPECT_TRUE(venn->resultText().contains("at 5")) << venn->resultText().toStdString();
    EXPECT_EQ(venn->diagram()->shaded(), 0);
    field->setText("A' n B'");
    const auto deMorganRight = venn->diagram()->shaded();
    field->setText("(A u B)'");
    EXPECT_EQ(venn->diagram()->shaded(), deMorganRight);
    EXPECT_TRUE(venn->detailsText().contains("equal, as the law says"));
}

TEST_F(SetsWindow, ElementsAreDrawnInsideTheirRegions) {
    collections::VennTab* venn = explore->venn();
    venn->setSets("{1, 2, 3, 4, 5, 6, 7, 8}", "{1, 2, 4}", "{2, 3, 4}", "{4, 5}");
    const auto positions = venn->diagram()->elementPositions();
    ASSERT_EQ(positions.size(), 8u);
    // Element e of U = {1, ..., 8} lies in this region (A bit 0, B bit 1, C bit 2).
    const int regions[8] = {1, 3, 2, 7, 4, 0, 0, 0};
    for (std::size_t i = 0; i < positions.size(); ++i)
        EXPECT_TRUE(venn->diagram()->regionPath(regions[i]).contains(positions[i]))
            << "element " << i + 1;
    venn->setSets("{1, 2}", "{1, 2, 3}", "{}", "{}");
    EXPECT_TRUE(venn->resultText().contains("not in U")) << venn->resultText().toStdString();
}

TEST_F(SetsWindow, TwoSetsRefuseCInTheExpression) {
    collections::VennTab* venn = explore->venn();
    demo_test::named<QSpinBox>(window, "setCount")->setValue(2);
    venn->setExpression("A n C");
    EXPECT_TRUE(venn->resultText().contains("C is not one of the 2 sets"));
    venn->setExpression("A - B");
    EXPECT_TRUE(venn->resultText().contains("A \\ B = {1, 2, 3}"))
        << venn->resultText().toStdString();
}

TEST_F(SetsWindow, PowerSetProductAndSetBuilderFollowTheFields) {
    collections::SubsetsTab* subsets = explore->subsets();
    subsets->setSets("{a}", "{1, 2}", "{1, 2, 3}");
    EXPECT_TRUE(subsets->powerSetText().contains("whole numbers"));
    subsets->setSets("{1, 2, 3, 4}", "{1, 2}", "{1, 2, 3}");
    EXPECT_TRUE(subsets->powerSetText().contains("|P(S)| = 24 = 16"));
    EXPECT_TRUE(subsets->powerSetText().contains("6 subsets with 2 elements"));
    EXPECT_TRUE(subsets->productText().contains("= 2 \u00b7 3 = 6"));
    EXPECT_TRUE(subsets->productText().contains("A \u2286 B"));
    subsets->setSets("{1, 2, 3, 4, 5, 6, 7, 8, 9}", "{}", "{1}");
    EXPECT_TRUE(subsets->powerSetText().contains("too many to list"));
    collections::NotationTab* notation = explore->notation();
    notation->choose(1, 20, 3);
    EXPECT_TRUE(notation->rosterShown().startsWith("{2, 3, 5, 7, 11, 13, 17, 19}"));
    notation->choose(5, 2, 0);
    EXPECT_TRUE(notation->rosterShown().startsWith("\u2205"));
}

} // namespace
