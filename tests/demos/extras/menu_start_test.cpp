// The menu's Section row 3 "Bonus Material" starts the staged examination program from the
// installation folder without waiting: the menu goes on while it runs.
#include "detached_programs.h"
#include "menu/core/menu_numbers.h"
#include "menu/view/menu_program.h"

#include <QDir>
#include <QListWidget>

#include <gtest/gtest.h>

TEST(MenuStart, BonusMaterialStartsTheExaminationWithoutWaiting) {
    const std::string stage = QDir(STAGE_DIR).canonicalPath().toStdString();
    menu::MenuServices quiet;
    quiet.random = [](int, int) { return 0; };
    menu::MenuProgram program(menu::MenuPictures{}, menu::ProgramStarter::inFolder(STAGE_DIR),
                              quiet);
    program.show();
    const auto before = detached_programs::running("extras", stage);
    program.mainWindow().sectionList()->setCurrentRow(3);
    program.handleControl(menu::control::studyButton); // returns at once: nothing waits
    const auto started = detached_programs::newlyStarted("extras", stage, before, 1);
    EXPECT_EQ(started.size(), 1u) << "the examination runs from the installation folder";
    EXPECT_TRUE(program.mainWindow().isVisible());
    detached_programs::end(started);
}
