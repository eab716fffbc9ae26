#include "menu/core/menu_dispatch.h"
#include "menu/core/section_table.h"
#include "menu/core/topic_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using menu::StartMode;
using menu::StartProgram;

struct Row {
    int command;
    std::string text;
    std::string program;
};

std::vector<Row> rowsOf(int group) {
    std::vector<Row> rows;
    for (const menu::Topic& topic : menu::topicGroups()[static_cast<std::size_t>(group)].topics)
        rows.push_back({topic.command, std::string(topic.text), std::string(topic.program)});
    return rows;
}

bool operator==(const Row& a, const Row& b) {
    return a.command == b.command && a.text == b.text && a.program == b.program;
}

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.command << " \"" << row.text << "\" " << row.program;
}

} // namespace

TEST(TopicTable, HasThreeSubmenusTitledLikeTheFirstThreeSections) {
    ASSERT_EQ(menu::topicGroups().size(), 3u);
    EXPECT_EQ(menu::indexMenuTitle, "Index");
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(menu::topicGroups()[i].title, menu::sectionTexts[i]);
    EXPECT_EQ(menu::topicGroups()[0].title, "Subtest I: Algebra; Number Theory");
    EXPECT_EQ(menu::topicGroups()[1].title, "Subtest II: Geometry; Probability and Statistics");
    EXPECT_EQ(menu::topicGroups()[2].title, "Subtest III: Calculus; History of Mathematics");
}

TEST(TopicTable, SubtestOneTopicsInMenuOrder) {
    const std::vector<Row> expected{
        {6, "Sets", "collections.exe"},
        {7, "Advanced Relations and Operations", "mappings.exe"},
        {8, "Natural Numbers", "counting.exe"},
        {9, "Integers", "signednumbers.exe"},
        {10, "Advanced Integers", "signednumbers2.exe"},
        {11, "Rational Numbers", "fractiondrill.exe"},
        {12, "Real Numbers", "decimals.exe"},
        {13, "Complex Numbers", "imaginaries.exe"},
        {14, "Rings", "addmult.exe"},
        {15, "More Rings Fields and Integral Domains", "fieldsplus.exe"},
        {16, "Polynomial Equations and Inequalities", "equations.exe"},
        {17, "Functions and Graphs", "graphs.exe"},
        {18, "Matrices", "grids.exe"},
        {19, "More Matrices", "grids2.exe"},
        {20, "Vectors", "arrows.exe"},
        {21, "Number Theory", "numbertheory.exe"},
    };
    EXPECT_EQ(rowsOf(0), expected);
}

TEST(TopicTable, SubtestTwoTopicsWithRegularPolyhedronsBetween25And26) {
    const std::vector<Row> expected{
        {22, "Parallelism", "shapes.exe"},
        {23, "Plane Euclidean Geometry", "shapes.exe"},
        {24, "Three-Dimensional Geometry", "shapes.exe"},
        {25, "Transformational Geometry", "shapes.exe"},
        {42, "Regular Polyhedrons", "shapes.exe"},
        {26, "Permutations", "chances.exe"},
        {27, "Combinations", "chances.exe"},
        {28, "Finite Probability", "chances.exe"},
        {29, "Conditional Probability", "chances.exe"},
        {30, "Distributions and Probability Trees", "chances.exe"},
        {31, "The Mean, Median, and Mode", "dataanalysis.exe"},
        {32, "Measures of Variability--Range, Variance, Standard Deviation, and Quartiles",
         "dataanalysis.exe"},
        {33, "Methods of Sampling", "dataanalysis.exe"},
        {34, "The Method of Least Squares", "dataanalysis.exe"},
        {35, "The Chi Square Test", "dataanalysis.exe"},
    };
    EXPECT_EQ(rowsOf(1), expected);
}

TEST(TopicTable, SubtestThreeTopicsInMenuOrder) {
    const std::vector<Row> expected{
        {36, "Trigonometry", "angles.exe"},
        {37, "Limits and Continuity", "continuity.exe"},
        {38, "Derivatives", "slopes.exe"},
        {39, "Integrals", "areas.exe"},
        {40, "Sequences and Series", "progressions.exe"},
        {41, "History of Mathematics", "chronicle.exe"},
    };
    EXPECT_EQ(rowsOf(2), expected);
}

TEST(TopicTable, CommandsSixToFortyTwoEachBelongToExactlyOneTopic) {
    std::multiset<int> commands;
    for (const menu::TopicGroup& group : menu::topicGroups())
        for (const menu::Topic& topic : group.topics)
            commands.insert(topic.command);
    EXPECT_EQ(commands.size(), 37u);
    for (int command = 6; command <= 42; ++command)
        EXPECT_EQ(commands.count(command), 1u) << "command " << command;
}

TEST(TopicCommands, EveryTopicStartsItsProgramAndWaitsWithoutTheHourglass) {
    for (const menu::TopicGroup& group : menu::topicGroups())
        for (const menu::Topic& topic : group.topics)
            EXPECT_EQ(
                menu::actionForCommand(topic.command),
                menu::MenuAction(StartProgram{std::string(topic.program), StartMode::Wait, false}))
                << topic.text;
}

TEST(TopicCommands, HelpAboutAndUnknownNumbers) {
    EXPECT_EQ(menu::actionForCommand(4), menu::MenuAction(menu::ShowHelp{}));
    EXPECT_EQ(menu::actionForCommand(5), menu::MenuAction(menu::ShowAbout{}));
    for (int command : {-1, 0, 1, 2, 3, 43, 44, 45, 60, 1000})
        EXPECT_EQ(menu::actionForCommand(command), menu::MenuAction(menu::Ignore{}))
            << "command " << command;
}
