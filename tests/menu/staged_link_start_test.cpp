// The menu's links started for real from the installation folder: pressing "Calculus" in
// the third subtest window starts the staged calculus lesson program there, and the menu
// waits for it; it returns only once the program has ended (here a session end closes the
// program's window).
#include "menu/core/menu_numbers.h"
#include "menu/view/menu_program.h"
#include "menu/view/subtest_window.h"
#include "support/child_processes.h"

#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

constexpr int calculusSection = 2; // "Subtest III: Calculus; History of Mathematics"
constexpr int calculusLink = 60;

} // namespace

TEST(StagedLinks, CalculusStartsTheStagedLessonProgramInTheInstallationFolderAndWaits) {
    menu::MenuServices quiet;
    quiet.random = [](int, int) { return 0; };
    menu::MenuProgram program(menu::MenuPictures{}, menu::ProgramStarter::inFolder(STAGE_DIR),
                              quiet);
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.mainWindow()));
    program.mainWindow().sectionList()->setCurrentRow(calculusSection);
    program.handleControl(menu::control::studyButton);
    ASSERT_TRUE(program.subtestWindow());

    std::atomic<bool> returned{false};
    std::atomic<pid_t> seen{0};
    std::string workingDirectory;
    bool waitedWhileRunning = false;
    std::thread watcher([&] {
        for (int tries = 0; tries < 3000 && !seen; ++tries) {
            seen = test_support::childNamed("fluxions");
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!seen)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        workingDirectory =
            std::filesystem::read_symlink("/proc/" + std::to_string(seen.load()) + "/cwd").string();
        waitedWhileRunning = !returned;
        kill(seen, SIGTERM);
    });
    program.handleControl(calculusLink);
    returned = true;
    watcher.join();
    ASSERT_NE(seen.load(), 0) << "fluxions ran as a child of the menu";
    EXPECT_TRUE(waitedWhileRunning);
    EXPECT_EQ(workingDirectory, QDir(STAGE_DIR).canonicalPath().toStdString());
}
