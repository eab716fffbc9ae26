// The menu's Section row 4 "My Study Diary" starts the staged diary from the installation
// folder without waiting, and a second press starts a second diary beside the first.
#include "detached_programs.h"
#include "menu/core/menu_numbers.h"
#include "menu/view/menu_program.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(MenuStart, MyStudyDiaryStartsTwoDiariesWithoutWaiting) {
    QTemporaryDir data; // the diaries keep their file here, not in the user's own folder
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const std::string stage = QDir(STAGE_DIR).canonicalPath().toStdString();
    menu::MenuServices quiet;
    quiet.random = [](int, int) { return 0; };
    menu::MenuProgram program(menu::MenuPictures{}, menu::ProgramStarter::inFolder(STAGE_DIR),
                              quiet);
    program.show();
    const auto before = detached_programs::running("journal", stage);
    program.mainWindow().sectionList()->setCurrentRow(4);
    program.handleControl(menu::control::studyButton);
    program.handleControl(menu::control::studyButton);
    const auto started = detached_programs::newlyStarted("journal", stage, before, 2);
    EXPECT_EQ(started.size(), 2u) << "two diaries run at once from the installation folder";
    detached_programs::end(started);
}
