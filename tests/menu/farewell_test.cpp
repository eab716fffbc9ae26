#include "menu_fixture.h"

#include "menu/core/farewell_tips.h"
#include "platform/qt/picture_button.h"
#include "support/event_loop_watchdog.h"

#include <QTest>
#include <QTimer>

namespace {
using FarewellTest = MenuFixture;
}

TEST_F(FarewellTest, QuitButtonLeadsToExactlyOneTipThenTheEnd) {
    const test_support::EventLoopWatchdog watchdog;
    nextRandom = 8;
    QTimer::singleShot(0, [this] {
        QTest::mouseClick(mainWindow().quitButton(), Qt::LeftButton);
        QTest::mouseClick(mainWindow().quitButton(), Qt::LeftButton);
    });
    EXPECT_EQ(program->run(), 0);
    ASSERT_EQ(farewells.size(), 1u);
    EXPECT_EQ(farewells[0], menu::farewellTips()[8]);
    ASSERT_EQ(randomRanges.size(), 1u);
    EXPECT_EQ(randomRanges[0], std::make_pair(0, 8));
    EXPECT_FALSE(mainWindow().isVisible());
}

TEST_F(FarewellTest, ClosingTheMainWindowLeadsToExactlyOneTip) {
    const test_support::EventLoopWatchdog watchdog;
    nextRandom = 0;
    QTimer::singleShot(0, [this] {
        mainWindow().close();
        mainWindow().close();
    });
    EXPECT_EQ(program->run(), 0);
    ASSERT_EQ(farewells.size(), 1u);
    EXPECT_EQ(farewells[0], menu::farewellTips()[0]);
}

TEST_F(FarewellTest, TheMainWindowIsStillOnScreenWhileTheTipShows) {
    const test_support::EventLoopWatchdog watchdog;
    bool upDuringTip = false;
    program = nullptr;
    menu::MenuServices services;
    services.random = [](int, int) { return 3; };
    services.showFarewell = [&](QWidget* owner, const std::string&) {
        upDuringTip = owner && owner->isVisible();
    };
    program = std::make_unique<menu::MenuProgram>(pictures, menu::ProgramStarter{}, services);
    program->show();
    QTimer::singleShot(0, [this] { QTest::mouseClick(mainWindow().quitButton(), Qt::LeftButton); });
    EXPECT_EQ(program->run(), 0);
    EXPECT_TRUE(upDuringTip);
}

TEST_F(FarewellTest, AskingASubtestWindowToCloseAlsoEndsTheMenu) {
    const test_support::EventLoopWatchdog watchdog;
    menu::SubtestWindow* window = openSection(2);
    ASSERT_TRUE(window);
    QTimer::singleShot(0, [window] { window->close(); });
    EXPECT_EQ(program->run(), 0);
    EXPECT_EQ(farewells.size(), 1u);
    EXPECT_EQ(program->subtestWindow(), nullptr);
}

TEST_F(FarewellTest, NothingStartsOnceTheMenuIsLeaving) {
    const test_support::EventLoopWatchdog watchdog;
    selectRow(4);
    QTimer::singleShot(0, [this] {
        QTest::mouseClick(mainWindow().quitButton(), Qt::LeftButton);
        program->handleControl(menu::control::studyButton);
    });
    program->run();
    EXPECT_TRUE(starts.empty());
}
