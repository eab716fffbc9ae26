#include "menu_start_watch.h"

#include "menu/core/menu_numbers.h"
#include "support/child_processes.h"

#include <QDir>
#include <QListWidget>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace menu_start {
namespace {

std::string workingDirectoryOf(pid_t pid) {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/cwd", error).string();
}

} // namespace

StartWatch watchWhile(const std::string& programName, const std::function<void()>& start) {
    std::atomic<bool> returned{false};
    StartWatch watch;
    std::thread watcher([&] {
        pid_t seen = 0;
        for (int tries = 0; tries < 3000 && !seen; ++tries) {
            seen = test_support::childNamed(programName);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!seen)
            return;
        watch.started = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        watch.workingDirectory = workingDirectoryOf(seen);
        watch.waitedWhileRunning = !returned;
        kill(seen, SIGTERM);
    });
    start();
    returned = true;
    watcher.join();
    return watch;
}

void MenuStartTest::SetUp() {
    menu::MenuServices quiet;
    quiet.random = [](int, int) { return 0; };
    program = std::make_unique<menu::MenuProgram>(menu::MenuPictures{},
                                                  menu::ProgramStarter::inFolder(STAGE_DIR), quiet);
    program->show();
}

std::string MenuStartTest::stageFolder() {
    return QDir(QString::fromUtf8(STAGE_DIR)).canonicalPath().toStdString();
}

void MenuStartTest::expectStartedAndWaitedFor(const std::string& programName,
                                              const std::function<void()>& start) {
    const StartWatch watch = watchWhile(programName, start);
    EXPECT_TRUE(watch.started) << programName << " ran as a child of the menu";
    EXPECT_TRUE(watch.waitedWhileRunning) << "the menu waited for " << programName;
    EXPECT_EQ(watch.workingDirectory, stageFolder());
}

void MenuStartTest::expectTopicStartsAndWaits(int topic, const std::string& programName) {
    SCOPED_TRACE("Topic " + std::to_string(topic));
    expectStartedAndWaitedFor(programName, [&] { program->handleCommand(topic); });
}

void MenuStartTest::openSubtestWindow(int row) {
    program->mainWindow().sectionList()->setCurrentRow(row);
    program->handleControl(menu::control::studyButton);
    ASSERT_TRUE(program->subtestWindow());
}

} // namespace menu_start
