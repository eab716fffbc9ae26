#include "platform/qt/program_start.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// A program folder holding a copy of the recorder under a course program name.
class ProgramFolder : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    QTemporaryDir elsewhere;

    void SetUp() override {
        ASSERT_TRUE(QFile::copy(RECORDER_PATH, folder.filePath("arrows")));
        QDir::setCurrent(elsewhere.path());
    }
    std::string path() const { return folder.path().toStdString(); }
    std::string log() const {
        std::ifstream in(folder.filePath("recorder.log").toStdString());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void pauseFor(int milliseconds) {
        std::ofstream(folder.filePath("recorder.sleep").toStdString()) << milliseconds;
    }
};

} // namespace

TEST_F(ProgramFolder, StartsTheNamedProgramInItsFolderWhateverTheWorkingDirectory) {
    EXPECT_TRUE(platform::runAndWait(path(), "arrows.exe"));
    EXPECT_EQ(log(), "started " + QDir(folder.path()).canonicalPath().toStdString() + "\nended\n");
}

TEST_F(ProgramFolder, WaitsUntilTheProgramHasEnded) {
    pauseFor(700);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(platform::runAndWait(path(), "arrows.exe"));
    EXPECT_NE(log().find("ended"), std::string::npos) << "returned before the program ended";
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(650));
}

TEST_F(ProgramFolder, MissingOrUnsafeNamesStartNothing) {
    EXPECT_FALSE(platform::runAndWait(path(), "divisors.exe"));
    EXPECT_FALSE(platform::runAndWait(path(), "arrows.exe; touch hacked"));
    EXPECT_FALSE(platform::runAndWait(path(), "../arrows"));
    EXPECT_FALSE(platform::runAndWait(path(), ""));
    EXPECT_FALSE(QFile::exists(folder.filePath("hacked")));
    EXPECT_EQ(log(), "");
}

TEST_F(ProgramFolder, AFileThatIsNotExecutableIsNotStarted) {
    std::ofstream(folder.filePath("notes").toStdString()) << "#!/bin/sh\ntouch ran\n";
    EXPECT_EQ(platform::executableFor(path(), "notes.exe"), "");
    EXPECT_FALSE(platform::runAndWait(path(), "notes.exe"));
}

// The program is held until the test lets it go, so however slowly a loaded machine starts
// it, returning before it ended is what the test sees.
TEST_F(ProgramFolder, DetachedStartsReturnAtOnce) {
    const QString hold = folder.filePath("recorder.hold");
    std::ofstream(hold.toStdString()) << "held";
    EXPECT_TRUE(platform::runDetached(path(), "arrows.exe"));
    EXPECT_EQ(log().find("ended"), std::string::npos) << "returned only after the program ended";
    QFile::remove(hold);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (log().find("ended") == std::string::npos && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NE(log().find("started"), std::string::npos) << "the program was started";
    EXPECT_NE(log().find("ended"), std::string::npos) << "and ran on its own to its end";
}
