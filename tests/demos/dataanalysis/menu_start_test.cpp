// The menu's Topics 31 to 35 and the "Statistics" link of the Subtest II window start the
// staged statistics program from the installation folder and wait for it: the menu does not
// go on while it runs (here a session end closes its window).
#include "menu_start_watch.h"

using menu_start::MenuStartTest;

TEST_F(MenuStartTest, EachStatisticsTopicStartsTheStagedProgramAndWaits) {
    for (int topic = 31; topic <= 35; ++topic)
        expectTopicStartsAndWaits(topic, "dataanalysis");
}

TEST_F(MenuStartTest, TheStatisticsLinkOfSubtestTwoStartsItAndWaits) {
    openSubtestWindow(1);
    expectStartedAndWaitedFor("dataanalysis", [&] { program->handleControl(52); });
}
