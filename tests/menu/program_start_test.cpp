#include "menu/core/menu_numbers.h"
#include "menu/view/menu_program.h"
#include "menu/view/subtest_window.h"
#include "menu/view/topic_link.h"
#include "platform/qt/picture_button.h"

#include "support/input_during_wait.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace {

// An installation folder holding the stand-in under course program names, and a menu that
// starts programs from it for real.
class RealStarts : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    std::unique_ptr<menu::MenuProgram> program;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"setsrelations", "journal", "chronicle", "shapes"})
            ASSERT_TRUE(QFile::copy(STAND_IN_PATH, folder.filePath(name)));
        menu::MenuServices quiet;
        quiet.random = [](int, int) { return 0; };
        program = std::make_unique<menu::MenuProgram>(
            menu::MenuPictures{}, menu::ProgramStarter::inFolder(folder.path().toStdString()),
            quiet);
        program->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->mainWindow()));
    }
    void TearDown() override {
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::string log() const {
        std::ifstream in(folder.filePath("stand_in.log").toStdString());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int countInLog(const std::string& what) const {
        const std::string text = log();
        int count = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++count;
        return count;
    }
    void pauseFor(int milliseconds) {
        std::ofstream(folder.filePath("stand_in.sleep").toStdString()) << milliseconds;
    }
    // The stand-in stays running until release() is called.
    void hold() { std::ofstream(folder.filePath("stand_in.hold").toStdString()) << "hold"; }
    void release() { QFile::remove(folder.filePath("stand_in.hold")); }
    void select(int row) { program->mainWindow().sectionList()->setCurrentRow(row); }
    // Detached programs end on their own; this waits for them, not for the menu.
    bool waitForLog(const std::string& what, int times) {
        QDeadlineTimer deadline(20000);
        while (countInLog(what) < times && !deadline.hasExpired())
            QTest::qSleep(20);
        return countInLog(what) >= times;
    }
};

} // namespace

TEST_F(RealStarts, ALinkReturnsOnlyAfterItsProgramHasEndedAndHandlesNoEventsMeanwhile) {
    pauseFor(600);
    select(0);
    program->handleControl(menu::control::studyButton);
    ASSERT_TRUE(program->subtestWindow());
    // A pending event of the menu notes in the log when it is handled: only once the
    // program has ended.
    QTimer::singleShot(0, [&] {
        std::ofstream(folder.filePath("stand_in.log").toStdString(), std::ios::app)
            << "menu event\n";
    });
    program->handleControl(40);
    EXPECT_NE(log().find("setsrelations ended"), std::string::npos)
        << "returned before the program ended: " << log();
    EXPECT_EQ(log().find("menu event"), log().rfind("menu event")) << log();
    EXPECT_TRUE(log().find("menu event") == std::string::npos ||
                log().find("menu event") > log().find("setsrelations ended"))
        << "the menu handled events while the program ran: " << log();
    const std::string folderPath = QDir(folder.path()).canonicalPath().toStdString();
    EXPECT_NE(log().find("setsrelations started in " + folderPath), std::string::npos) << log();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RealStarts, ATopicWaitsForItsProgramToo) {
    pauseFor(300);
    program->handleCommand(42);
    EXPECT_EQ(log(), std::string("shapes started in ") +
                         QDir(folder.path()).canonicalPath().toStdString() + "\nshapes ended\n");
}

TEST_F(RealStarts, TwoPressesOnTheStudyDiaryStartTwoInstances) {
    pauseFor(1500);
    select(4);
    program->handleControl(menu::control::studyButton);
    program->handleControl(menu::control::studyButton);
    // Both were started at once, without waiting for the first to end.
    EXPECT_TRUE(waitForLog("journal started", 2)) << log();
    EXPECT_TRUE(waitForLog("journal ended", 2)) << log();
}

TEST_F(RealStarts, MissingProgramsAreSkippedSilently) {
    select(1);
    program->handleControl(menu::control::studyButton);
    for (int control : {50, 51, 52}) // shapes is there, chances and dataanalysis are not
        program->handleControl(control);
    program->handleCommand(6);  // collections.exe
    program->handleCommand(36); // angles.exe
    EXPECT_EQ(countInLog("started"), 1) << log();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(program->subtestWindow());
}

TEST_F(RealStarts, ClicksGivenWhileTheMenuWaitsAreForgottenWhenTheProgramEnds) {
    select(1);
    program->handleControl(menu::control::studyButton);
    menu::SubtestWindow* window = program->subtestWindow();
    ASSERT_TRUE(window);
    QWidget* geometry = window->links().front();
    QWidget* back = window->backButton();
    // The learner clicks "Geometry" again and then the back button of the frozen window.
    hold();
    std::thread learner([&] {
        waitForLog("shapes started", 1);
        input_during_wait::postClick(geometry);
        input_during_wait::postClick(back);
        release();
    });
    program->handleControl(50);
    learner.join();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(countInLog("shapes started"), 1) << log();
    EXPECT_EQ(program->subtestWindow(), window) << "the subtest window must stay open";
    EXPECT_FALSE(program->mainWindow().isEnabled());
    // Clicks given after the wait work as ever.
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(program->subtestWindow(), nullptr);
}
