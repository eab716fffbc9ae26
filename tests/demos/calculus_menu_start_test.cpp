// The menu's Topics 36 to 40 start the staged calculus companions from the installation folder
// and wait for each: the menu does not go on while one runs (here a session end closes its
// window).
#include "menu_start_watch.h"

using menu_start::MenuStartTest;

TEST_F(MenuStartTest, TopicThirtySixStartsTheTrigonometryProgramAndWaits) {
    expectTopicStartsAndWaits(36, "angles");
}

TEST_F(MenuStartTest, TopicThirtySevenStartsTheLimitsProgramAndWaits) {
    expectTopicStartsAndWaits(37, "continuity");
}

TEST_F(MenuStartTest, TopicThirtyEightStartsTheDerivativesProgramAndWaits) {
    expectTopicStartsAndWaits(38, "slopes");
}

TEST_F(MenuStartTest, TopicThirtyNineStartsTheIntegralsProgramAndWaits) {
    expectTopicStartsAndWaits(39, "areas");
}

TEST_F(MenuStartTest, TopicFortyStartsTheSequencesProgramAndWaits) {
    expectTopicStartsAndWaits(40, "progressions");
}
