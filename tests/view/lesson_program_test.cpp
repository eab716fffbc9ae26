#include "engine/core/about_text.h"
#include "engine/core/window_layout.h"
#include "engine/view/lesson_program.h"
#include "picture_folder.h"
#include "platform/help/help_viewer.h"
#include "platform/help/help_window.h"
#include "support/event_loop_watchdog.h"
#include "support/input_during_wait.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <sys/resource.h>

const engine::Catalogue& lessonCatalogue();

using namespace engine;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Message {
    std::string title;
    std::string text;
    bool information;
};

// A lesson program on the sample catalogue whose dialogs answer from a script.
class LessonProgramTest : public ::testing::Test {
  protected:
    PictureFolder folder;
    std::string chosenFile;
    std::vector<Message> messages;
    std::vector<std::string> dialogTitles;
    std::unique_ptr<LessonProgram> program;

    void SetUp() override {
        SavedPlaceDialogs dialogs;
        const auto choose = [this](QWidget*, const std::string& title, const std::string& filter) {
            dialogTitles.push_back(title + " | " + filter);
            return chosenFile;
        };
        dialogs.chooseSaveFile = choose;
        dialogs.chooseOpenFile = choose;
        dialogs.message = [this](QWidget*, const std::string& t, const std::string& m, bool i) {
            messages.push_back({t, m, i});
        };
        program = std::make_unique<LessonProgram>(lessonCatalogue(), folder.path(), dialogs);
        program->window().show();
        program->window().engine().start();
    }
    LessonEngine& lesson() { return program->window().engine(); }
    std::string inFolder(const std::string& name) const { return folder.path() + "/" + name; }
    void installRecorder() {
        ASSERT_TRUE(QFile::copy(RECORDER_PATH, QString::fromStdString(inFolder("recorder"))));
    }
    void command(LessonCommand c) { program->window().onCommand(c); }
};

} // namespace

TEST_F(LessonProgramTest, AboutBoxShowsElevenLinesWithOnlyOk) {
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Warning;
    const test_support::EventLoopWatchdog watchdog;
    test_support::whenMessageBoxShows([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        icon = box->icon();
        box->accept();
    });
    command(LessonCommand::About);
    EXPECT_EQ(title, "Orvo the Tamlex");
    EXPECT_EQ(text.toStdString(), aboutText());
    EXPECT_EQ(text.split('\n').size(), 11);
    EXPECT_EQ(text.split('\n')[4], "Team Members:");
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

TEST_F(LessonProgramTest, DemonstrationRunsFromTheProgramFolderBeforeThePageIsDrawn) {
    installRecorder();
    lesson().pressLesson(2);
    lesson().pressNext();
    const int presents = program->window().presentCount();
    lesson().pressNext();
    EXPECT_EQ(lesson().state().currentPage, 7);
    EXPECT_EQ(program->window().presentCount(), presents + 1);
    const std::string log = readFile(inFolder("recorder.log"));
    EXPECT_NE(log.find("started " +
                       QDir(QString::fromStdString(folder.path())).canonicalPath().toStdString()),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("ended"), std::string::npos);
    lesson().pressNext();
    lesson().pressPrevious();
    EXPECT_EQ(readFile(inFolder("recorder.log")).find("started", log.size() - 1) !=
                  std::string::npos,
              true)
        << "arriving again starts it again";
}

TEST_F(LessonProgramTest, ClicksGivenDuringADemonstrationAreForgottenWhenItEnds) {
    installRecorder();
    lesson().pressLesson(2);
    lesson().pressNext();
    LessonWindow& window = program->window();
    QWidget* previous = window.control(layout::previousButton);
    QWidget* next = window.control(layout::nextButton);
    ASSERT_TRUE(previous && next);
    // While the demonstration runs, the learner presses Previous and Next of the frozen window.
    std::ofstream(inFolder("recorder.hold")) << "hold";
    std::thread learner([&] {
        while (readFile(inFolder("recorder.log")).find("started") == std::string::npos)
            QTest::qSleep(10);
        input_during_wait::postClick(previous);
        input_during_wait::postClick(next);
        QFile::remove(QString::fromStdString(inFolder("recorder.hold")));
    });
    QTest::mouseClick(next, Qt::LeftButton);
    learner.join();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(lesson().state().currentPage, 7);
    const std::string log = readFile(inFolder("recorder.log"));
    EXPECT_EQ(log.find("started"), log.rfind("started")) << "started again: " << log;
    // The buttons of the Page now shown work as ever.
    QTest::mouseClick(window.control(layout::nextButton), Qt::LeftButton);
    EXPECT_EQ(lesson().state().currentPage, 8);
}

TEST_F(LessonProgramTest, MissingDemonstrationIsSkippedAndThePageDrawnAtOnce) {
    lesson().pressLesson(2);
    lesson().pressNext();
    lesson().pressNext();
    EXPECT_EQ(lesson().state().currentPage, 7);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LessonProgramTest, ClosingAddsTheMinutesOfTheRunToTheStudyTimeFile) {
    std::ofstream(inFolder("sample.ti"), std::ios::binary) << "  42\r\nmore";
    lesson().state().studyStartTime -= 90 * 1000.0;
    program->window().close();
    EXPECT_EQ(readFile(inFolder("sample.ti")), "44");
}

TEST_F(LessonProgramTest, SaveWritesFourLinesWithTheExtensionAppended) {
    lesson().pressLesson(2);
    lesson().pressNext();
    chosenFile = inFolder("myplace");
    command(LessonCommand::SavePlace);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Orvo the Tamlex - Math");
    EXPECT_TRUE(messages[0].information);
    EXPECT_EQ(messages[0].text,
              "Your current place in the tutorial will be saved.\rThe next time you run Orvo the "
              "Tamlex, select the section, select Load and the name of your file.");
    EXPECT_EQ(dialogTitles.back(), "Save File... | *.smp|*.smp");
    EXPECT_EQ(readFile(inFolder("myplace.smp")), "0\r\n6\r\n2\r\n3\r\n");
}

TEST_F(LessonProgramTest, SaveIntoAFolderThatCannotBeWrittenSaysSo) {
    chosenFile = inFolder("no/such/folder/place.smp");
    command(LessonCommand::SavePlace);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "Error: can't write the file");
}

// While it lives, no file of this process can grow past `bytes` (writes beyond fail).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(LessonProgramTest, AFailedSaveKeepsTheOldSavedPlace) {
    std::ofstream(inFolder("myplace.smp"), std::ios::binary) << "0\r\n9\r\n2\r\n3\r\n";
    lesson().pressLesson(3);
    chosenFile = inFolder("myplace.smp");
    const auto filesIn = [this] {
        return std::distance(std::filesystem::directory_iterator(folder.path()), {});
    };
    const auto filesBefore = filesIn();
    {
        const FileSizeLimit diskAlmostFull(4);
        command(LessonCommand::SavePlace);
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "Error: can't write the file");
    EXPECT_EQ(readFile(inFolder("myplace.smp")), "0\r\n9\r\n2\r\n3\r\n");
    EXPECT_EQ(filesIn(), filesBefore) << "no half-written file is left behind";
    command(LessonCommand::SavePlace);
    EXPECT_EQ(readFile(inFolder("myplace.smp")), "0\r\n11\r\n3\r\n1\r\n");
}

TEST_F(LessonProgramTest, LoadReadsOnlyTheHeadOfAnEndlessFile) {
    if (!std::filesystem::exists("/dev/zero"))
        GTEST_SKIP() << "no endless file on this system";
    lesson().pressLesson(3);
    chosenFile = "/dev/zero";
    command(LessonCommand::LoadPlace);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Error: can't read the file");
    EXPECT_EQ(lesson().state().currentPage, 11);
}

TEST_F(LessonProgramTest, LoadNeverReadsBeyondTheHeadOfTheFile) {
    std::string text = "0\r\n9\r\n2\r\n3";
    text.resize(4096, ' '); // trailing blanks of the last line are no fault
    text += "and what lies beyond is never looked at";
    std::ofstream(inFolder("long.smp"), std::ios::binary) << text;
    chosenFile = inFolder("long.smp");
    command(LessonCommand::LoadPlace);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(lesson().state().currentPage, 9);
}

TEST_F(LessonProgramTest, LoadTakesASavedPlaceAndCancelStillEnablesNext) {
    std::ofstream(inFolder("p.smp"), std::ios::binary) << "0\r\n9\r\n2\r\n3\r\n";
    command(LessonCommand::LoadPlace); // cancelled
    EXPECT_TRUE(lesson().state().lessonChosen);
    EXPECT_EQ(dialogTitles.back(), "Select a Saved Probability Lesson File | *.smp|*.smp");
    chosenFile = inFolder("p.smp");
    command(LessonCommand::LoadPlace);
    EXPECT_EQ(lesson().state().currentPage, 9);
    EXPECT_EQ(lesson().state().stepButtonCount, 3);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LessonProgramTest, BadSavedPlacesAreRefusedAndThePlaceKept) {
    lesson().pressLesson(3);
    for (const std::string text :
         {"0\r\n999\r\n1\r\n1\r\n", "0\r\n5\r\n9\r\n1\r\n", "garbage", ""}) {
        std::ofstream(inFolder("bad.smp"), std::ios::binary) << text;
        chosenFile = inFolder("bad.smp");
        command(LessonCommand::LoadPlace);
        EXPECT_EQ(lesson().state().currentPage, 11) << text;
    }
    chosenFile = inFolder("missing.smp");
    command(LessonCommand::LoadPlace);
    ASSERT_EQ(messages.size(), 5u);
    for (const auto& m : messages)
        EXPECT_EQ(m.text, "Error: can't read the file");
}

TEST_F(LessonProgramTest, F1OpensTheIntroductionOfTheProgramsHelpFileBesideIt) {
    ASSERT_TRUE(QFile::copy(HELP_CHM, QString::fromStdString(inFolder("help.chm"))));
    program->window().activateWindow();
    (void)QTest::qWaitForWindowActive(&program->window());
    QTest::keyClick(&program->window(), Qt::Key_F1);
    platform::HelpWindow* help = platform::lastOpenedHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal()) << "the lesson program goes on at once";
    EXPECT_TRUE(help->currentSource().toString().endsWith("introduction.html"));
    EXPECT_TRUE(help->currentText().contains("Orvo the Tamlex Vuvudu Rodezav Iruv"));
    EXPECT_TRUE(messages.empty());
    program->window().close();
    EXPECT_EQ(platform::lastOpenedHelpWindow(), nullptr) << "help closes when the program ends";
}

TEST_F(LessonProgramTest, AMissingHelpFileIsReportedInTheHelpWindowOnly) {
    command(LessonCommand::Help);
    platform::HelpWindow* help = platform::lastOpenedHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->currentText().contains("help.chm"));
    EXPECT_TRUE(messages.empty());
    platform::closeAllHelpWindows();
}
