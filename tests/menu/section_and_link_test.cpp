#include "menu/core/menu_dispatch.h"
#include "menu/core/menu_numbers.h"
#include "menu/core/section_table.h"
#include "menu/core/subtest_windows.h"

#include <gtest/gtest.h>

namespace {

using menu::CloseSubtest;
using menu::Ignore;
using menu::MenuAction;
using menu::OpenSubtest;
using menu::StartMode;
using menu::StartProgram;

constexpr int study = menu::control::studyButton;

MenuAction waitingLink(const char* program) {
    return StartProgram{program, StartMode::Wait, true};
}

} // namespace

TEST(Sections, RowTextsInOrder) {
    EXPECT_EQ(menu::sectionTexts[0], "Subtest I: Algebra; Number Theory");
    EXPECT_EQ(menu::sectionTexts[1], "Subtest II: Geometry; Probability and Statistics");
    EXPECT_EQ(menu::sectionTexts[2], "Subtest III: Calculus; History of Mathematics");
    EXPECT_EQ(menu::sectionTexts[3], "Bonus Material");
    EXPECT_EQ(menu::sectionTexts[4], "My Study Diary");
}

TEST(Sections, StudyButtonOpensASubtestOrStartsADetachedProgram) {
    EXPECT_EQ(menu::actionForControl(study, 0), MenuAction(OpenSubtest{0}));
    EXPECT_EQ(menu::actionForControl(study, 1), MenuAction(OpenSubtest{1}));
    EXPECT_EQ(menu::actionForControl(study, 2), MenuAction(OpenSubtest{2}));
    EXPECT_EQ(menu::actionForControl(study, 3),
              MenuAction(StartProgram{"extras.exe", StartMode::Detached, false}));
    EXPECT_EQ(menu::actionForControl(study, 4),
              MenuAction(StartProgram{"journal.exe", StartMode::Detached, false}));
}

TEST(Sections, StudyButtonWithoutASelectedRowDoesNothing) {
    EXPECT_EQ(menu::actionForControl(study, menu::noRowSelected), MenuAction(Ignore{}));
    EXPECT_EQ(menu::actionForControl(study, 5), MenuAction(Ignore{}));
}

TEST(Sections, QuitButtonLeavesTheMenuWhateverIsSelected) {
    for (int row = -1; row < 5; ++row)
        EXPECT_EQ(menu::actionForControl(menu::control::quitButton, row),
                  MenuAction(menu::LeaveMenu{}));
}

TEST(Links, EachLinkSetsTheHourglassAndStartsItsProgram) {
    EXPECT_EQ(menu::actionForControl(40, 0), waitingLink("setsrelations.exe"));
    EXPECT_EQ(menu::actionForControl(41, 0), waitingLink("numbersystems.exe"));
    EXPECT_EQ(menu::actionForControl(42, 0), waitingLink("ringsfields.exe"));
    EXPECT_EQ(menu::actionForControl(43, 0), waitingLink("vectorlessons.exe"));
    EXPECT_EQ(menu::actionForControl(44, 0), waitingLink("numbertheory.exe"));
    EXPECT_EQ(menu::actionForControl(50, 1), waitingLink("shapes.exe"));
    EXPECT_EQ(menu::actionForControl(51, 1), waitingLink("chances.exe"));
    EXPECT_EQ(menu::actionForControl(52, 1), waitingLink("dataanalysis.exe"));
    EXPECT_EQ(menu::actionForControl(60, 2), waitingLink("fluxions.exe"));
    EXPECT_EQ(menu::actionForControl(61, 2),
              MenuAction(StartProgram{"chronicle.exe", StartMode::Detached, true}));
}

TEST(Links, SameTextsAsTopicsButTheTablesDecide) {
    // "Vectors": the Topic starts the companion program, the link the lesson program.
    EXPECT_EQ(menu::actionForCommand(20),
              MenuAction(StartProgram{"arrows.exe", StartMode::Wait, false}));
    EXPECT_EQ(std::get<StartProgram>(menu::actionForControl(43, 0)).program, "vectorlessons.exe");
    // "Number Theory": both start the same lesson program.
    EXPECT_EQ(std::get<StartProgram>(menu::actionForCommand(21)).program,
              std::get<StartProgram>(menu::actionForControl(44, 0)).program);
    // "History of Mathematics": the Topic waits, the link does not.
    EXPECT_EQ(std::get<StartProgram>(menu::actionForCommand(41)).mode, StartMode::Wait);
    EXPECT_EQ(std::get<StartProgram>(menu::actionForControl(61, 0)).mode, StartMode::Detached);
}

TEST(Links, MenuCommand42AndControl42AreDifferentEvents) {
    EXPECT_EQ(std::get<StartProgram>(menu::actionForCommand(42)).program, "shapes.exe");
    EXPECT_EQ(std::get<StartProgram>(menu::actionForControl(42, 0)).program, "ringsfields.exe");
}

TEST(Links, BackButtonsCloseTheirOwnWindow) {
    EXPECT_EQ(menu::actionForControl(45, 0), MenuAction(CloseSubtest{1}));
    EXPECT_EQ(menu::actionForControl(53, 1), MenuAction(CloseSubtest{4}));
    EXPECT_EQ(menu::actionForControl(63, 2), MenuAction(CloseSubtest{5}));
}

TEST(Links, OtherControlNumbersAreIgnored) {
    // The frames, the panel, the list and numbers no control has.
    for (int control : {0, 2, 3, 46, 54, 62, 47, 53 + 100, 64, -4})
        EXPECT_EQ(menu::actionForControl(control, 0), MenuAction(Ignore{})) << control;
}
