// The menu's Topics 37 ("Limits and Continuity") and 38 ("Derivatives") start the staged
// continuity and slopes programs from the installation folder and wait for them: the menu does
// not go on while one runs (here a session end closes its window).
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
#include <thread>
#include <unistd.h>

namespace {

pid_t childNamed(const std::string& name) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string id, comm, state;
        pid_t parent = 0;
        if (stat >> id >> comm >> state >> parent && parent == getpid() && comm == "(" + name + ")")
            return static_cast<pid_t>(std::stol(pid));
    }
    return 0;
}

struct Watch {
    bool started = false, waitedWhileRunning = false;
    std::string workingDirectory;
};

// Runs `start` (which must return only when the program has ended) while a watcher finds the
// program, notes its working directory and whether start is still waiting, then ends it.
Watch watchWhile(const std::string& programName, const std::function<void()>& start) {
    std::atomic<bool> returned{false};
    Watch watch;
    std::thread watcher([&] {
        pid_t seen = 0;
        for (int tries = 0; tries < 3000 && !seen; ++tries) {
            seen = childNamed(programName);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!seen)
            return;
        watch.started = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        watch.workingDirectory =
            std::filesystem::read_symlink("/proc/" + std::to_string(seen) + "/cwd").string();
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
    void expectWaitedFor(const Watch& watch) {
        EXPECT_TRUE(watch.started) << "the program ran as a child of the menu";
        EXPECT_TRUE(watch.waitedWhileRunning);
        EXPECT_EQ(watch.workingDirectory,
                  QDir(QString::fromStdString(stage)).canonicalPath().toStdString());
    }
};

} // namespace

TEST_F(MenuStart, TopicThirtySevenStartsTheLimitsProgramAndWaits) {
    expectWaitedFor(watchWhile("continuity", [&] { program->handleCommand(37); }));
}

TEST_F(MenuStart, TopicThirtyEightStartsTheDerivativesProgramAndWaits) {
    expectWaitedFor(watchWhile("slopes", [&] { program->handleCommand(38); }));
}
