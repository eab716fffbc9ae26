// The menu's Topic 36 (Trigonometry) starts the staged angles program and Topic 39
// (Integrals) the staged areas program, from the installation folder, and waits for each: the
// menu does not go on while it runs (here a session end closes its window).
#include "menu/view/menu_program.h"

#include <QDir>
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
// program by name, notes its working directory and whether start is still waiting, then ends it.
Watch watchWhile(const std::string& program, const std::function<void()>& start) {
    std::atomic<bool> returned{false};
    Watch watch;
    std::thread watcher([&] {
        pid_t seen = 0;
        for (int tries = 0; tries < 3000 && !seen; ++tries) {
            seen = childNamed(program);
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
    void expectStartedAndWaitedFor(int topic, const std::string& name) {
        SCOPED_TRACE("Topic " + std::to_string(topic));
        const Watch watch = watchWhile(name, [&] { program->handleCommand(topic); });
        EXPECT_TRUE(watch.started) << name << " ran as a child of the menu";
        EXPECT_TRUE(watch.waitedWhileRunning);
        EXPECT_EQ(watch.workingDirectory,
                  QDir(QString::fromStdString(stage)).canonicalPath().toStdString());
    }
};

} // namespace

TEST_F(MenuStart, TopicThirtySixStartsTheTrigonometryProgramAndWaits) {
    expectStartedAndWaitedFor(36, "angles");
}

TEST_F(MenuStart, TopicThirtyNineStartsTheIntegralsProgramAndWaits) {
    expectStartedAndWaitedFor(39, "areas");
}
