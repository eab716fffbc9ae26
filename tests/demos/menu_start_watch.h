#pragma once

// The menu's real starts of staged programs that it waits for: a menu over the installation
// folder, and a watcher that finds the started program among the test's children, notes where
// it runs and whether the menu is still waiting, then ends it as a session end would.
#include "menu/view/menu_program.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace menu_start {

struct StartWatch {
    bool started = false;
    bool waitedWhileRunning = false;
    std::string workingDirectory;
};

// Runs `start`, which must return only when the program has ended, while the watcher looks
// for a child process named `programName`.
StartWatch watchWhile(const std::string& programName, const std::function<void()>& start);

class MenuStartTest : public ::testing::Test {
  protected:
    void SetUp() override;
    // The installation folder, as the started programs see it.
    static std::string stageFolder();
    // `start` makes the menu start `programName`: it ran from the installation folder as a
    // child of the menu, and the menu waited for it.
    void expectStartedAndWaitedFor(const std::string& programName,
                                   const std::function<void()>& start);
    void expectTopicStartsAndWaits(int topic, const std::string& programName);
    // Opens the subtest window of the main window's Section `row`.
    void openSubtestWindow(int row);

    std::unique_ptr<menu::MenuProgram> program;
};

} // namespace menu_start
