// The menu's Topic 41 starts the staged history program from the installation folder and
// waits for it (here a session end closes its window); the "History of Mathematics" link of
// the Subtest III window starts it without waiting, so the menu goes on while it runs.
#include "menu/core/menu_numbers.h"
#include "menu/view/menu_program.h"

#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <thread>
#include <unistd.h>

namespace {

struct Process {
    pid_t pid = 0;
    pid_t parent = 0;
};

// Every running process named "chronicle".
std::vector<Process> historyProcesses() {
    std::vector<Process> found;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string id, comm, state;
        pid_t parent = 0;
        if (stat >> id >> comm >> state >> parent && comm == "(chronicle)")
            found.push_back({static_cast<pid_t>(std::stol(pid)), parent});
    }
    return found;
}

pid_t childNamedChronicle() {
    for (const Process& process : historyProcesses())
        if (process.parent == getpid())
            return process.pid;
    return 0;
}

std::string workingDirectoryOf(pid_t pid) {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/cwd", error).string();
}

struct Watch {
    bool started = false, waitedWhileRunning = false;
    std::string workingDirectory;
};

// Runs `start` (which must return only when the program has ended) while a watcher finds the
// program, notes its working directory and whether start is still waiting, then ends it.
Watch watchWhile(const std::function<void()>& start) {
    std::atomic<bool> returned{false};
    Watch watch;
    std::thread watcher([&] {
        pid_t seen = 0;
        for (int tries = 0; tries < 3000 && !seen; ++tries) {
            seen = childNamedChronicle();
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

class MenuStart : public ::testing::Test {
  protected:
    std::unique_ptr<menu::MenuProgram> program;
    const std::string stage = STAGE_DIR;
    void SetUp() override {
        menu::MenuServices quiet;
        quiet.random = [](int, int) { return 0; };
        program = std::make_unique<menu::MenuProgram>(menu::MenuPictures{},
                                                      menu::ProgramStarter::inFolder(stage), quiet);
        program->show();
    }
    std::string stageFolder() const {
        return QDir(QString::fromStdString(stage)).canonicalPath().toStdString();
    }
};

} // namespace

TEST_F(MenuStart, TopicFortyOneStartsTheStagedHistoryAndWaits) {
    const Watch watch = watchWhile([&] { program->handleCommand(41); });
    EXPECT_TRUE(watch.started) << "chronicle ran as a child of the menu";
    EXPECT_TRUE(watch.waitedWhileRunning);
    EXPECT_EQ(watch.workingDirectory, stageFolder());
}

TEST_F(MenuStart, TheHistoryLinkOfSubtestThreeStartsItWithoutWaiting) {
    std::set<pid_t> before;
    for (const Process& process : historyProcesses())
        before.insert(process.pid);
    program->mainWindow().sectionList()->setCurrentRow(2);
    program->handleControl(menu::control::studyButton);
    ASSERT_TRUE(program->subtestWindow());
    program->handleControl(61); // returns at once: the program is found running afterwards
    pid_t started = 0;
    for (int tries = 0; tries < 3000 && !started; ++tries) {
        for (const Process& process : historyProcesses())
            if (!before.count(process.pid))
                started = process.pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(started, 0) << "the link started chronicle";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(workingDirectoryOf(started), stageFolder());
    EXPECT_NE(kill(started, 0), -1) << "it is still running after the menu went on";
    kill(started, SIGTERM);
    for (int tries = 0; tries < 3000 && kill(started, 0) == 0; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}
