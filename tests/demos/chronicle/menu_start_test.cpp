// The menu's Topic 41 starts the staged history program from the installation folder and
// waits for it (here a session end closes its window); the "History of Mathematics" link of
// the Subtest III window starts it without waiting, so the menu goes on while it runs.
#include "detached_programs.h"
#include "menu_start_watch.h"

#include <csignal>

using menu_start::MenuStartTest;

TEST_F(MenuStartTest, TopicFortyOneStartsTheStagedHistoryAndWaits) {
    expectTopicStartsAndWaits(41, "chronicle");
}

TEST_F(MenuStartTest, TheHistoryLinkOfSubtestThreeStartsItWithoutWaiting) {
    const auto before = detached_programs::running("chronicle", stageFolder());
    openSubtestWindow(2);
    program->handleControl(61); // returns at once: the program is found running afterwards
    const auto started = detached_programs::newlyStarted("chronicle", stageFolder(), before, 1);
    EXPECT_EQ(started.size(), 1u) << "the link started chronicle from the installation folder";
    for (pid_t pid : started)
        EXPECT_NE(kill(pid, 0), -1) << "it is still running after the menu went on";
    detached_programs::end(started); // also when the count is wrong: nothing is left running
}
