#include "engine/view/study_time_file.h"
#include "platform/course/course_title.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class StudyTimeFile : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    std::string file = engine::studyTimeFilePath(folder.path().toStdString(), "algebra.ti");

    void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string read() const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // A program that adds `minutes` that many times, as that many closing programs would.
    std::unique_ptr<QProcess> adder(int minutes, int times) {
        auto p = std::make_unique<QProcess>();
        p->start(STUDY_TIME_ADDER,
                 {QString::fromStdString(file), QString::number(minutes), QString::number(times)});
        return p;
    }
    static bool isWholeNumber(const std::string& text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    }
};

} // namespace

namespace {

std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder that the recorder may or may not write, whoever the tests run as.
struct SharedFolder {
    QTemporaryDir dir;
    explicit SharedFolder(fs::perms permissions) {
        fs::permissions(dir.path().toStdString(), permissions);
    }
    ~SharedFolder() { fs::permissions(path(), fs::perms::owner_all); }
    std::string path() const { return dir.path().toStdString(); }
};

struct Recording {
    int exitCode = -1;
    std::string file; // the file the recorder chose
};

// Records minutes as a lesson program in `programFolder` does when it closes, with the user's
// data location at `dataHome`. Root may write into any folder, so when the tests run as root
// the recorder runs as the unprivileged user "nobody", for whom read-only means read-only.
Recording run(const QStringList& arguments, const std::string& dataHome) {
    QProcess recorder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", QString::fromStdString(dataHome));
    recorder.setProcessEnvironment(environment);
    if (::geteuid() == 0) {
        recorder.setChildProcessModifier([] {
            constexpr uid_t nobody = 65534;
            if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                ::_exit(3);
        });
    }
    recorder.start(STUDY_TIME_RECORDER, arguments);
    if (!recorder.waitForFinished(30000) || recorder.exitStatus() != QProcess::NormalExit)
        return {};
    return {recorder.exitCode(), recorder.readAllStandardOutput().toStdString()};
}

Recording record(const std::string& programFolder, const std::string& dataHome, int minutes) {
    return run({QString::fromStdString(programFolder), "geo.ti", QString::number(minutes)},
               dataHome);
}

// Whether the recorder can run at all as the user it runs as (as "nobody", the build folder
// must be readable by everyone); it answers a call without arguments with status 2.
bool recorderRuns() {
    return run({}, "/nonexistent").exitCode == 2;
}

std::string userFile(const std::string& dataHome) {
    return (fs::path(dataHome) / std::string(platform::coursePackage) / "geo.ti").string();
}

constexpr auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;

} // namespace

// The staged folder, or a course installed in the user's own folders.
TEST(StudyTimeFolder, AWritableProgramFolderKeepsTheFileBesideThePrograms) {
    if (!recorderRuns())
        GTEST_SKIP() << "the recorder cannot run as an unprivileged user from this build folder";
    const SharedFolder program(fs::perms::all);
    const SharedFolder dataHome(fs::perms::all);
    const Recording first = record(program.path(), dataHome.path(), 7);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.file, program.path() + "/geo.ti");
    EXPECT_EQ(contents(program.path() + "/geo.ti"), "7");
    EXPECT_FALSE(fs::exists(fs::path(dataHome.path()) / std::string(platform::coursePackage)))
        << "nothing is kept in the user's folder";
}

// A system-wide install: the program folder cannot be written, and would otherwise record
// nothing at all. Every run of that installation counts in the one file of the user's.
TEST(StudyTimeFolder, AReadOnlyProgramFolderRecordsIntoTheUsersDataFolder) {
    if (!recorderRuns())
        GTEST_SKIP() << "the recorder cannot run as an unprivileged user from this build folder";
    const SharedFolder program(readOnly);
    const SharedFolder dataHome(fs::perms::all);
    const Recording first = record(program.path(), dataHome.path(), 7);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.file, userFile(dataHome.path()));
    const Recording second = record(program.path(), dataHome.path(), 3);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.file, first.file);
    EXPECT_EQ(contents(userFile(dataHome.path())), "10");
    EXPECT_EQ(std::distance(fs::directory_iterator(program.path()), {}), 0);
}

// When the user's data folder cannot be made either, the minutes are not recorded, and the
// total beside the programs stays as it was.
TEST(StudyTimeFolder, WithoutAnyWritableFolderNothingIsRecordedAndNothingLost) {
    if (!recorderRuns())
        GTEST_SKIP() << "the recorder cannot run as an unprivileged user from this build folder";
    SharedFolder program(fs::perms::all);
    std::ofstream(program.path() + "/geo.ti", std::ios::binary) << "42";
    fs::permissions(program.path(), readOnly);
    const SharedFolder dataHome(readOnly);
    const Recording recording = record(program.path(), dataHome.path(), 5);
    EXPECT_EQ(recording.exitCode, 1);
    EXPECT_EQ(contents(program.path() + "/geo.ti"), "42");
}

TEST_F(StudyTimeFile, FirstRunMakesTheFileWithoutALineEnd) {
    EXPECT_EQ(engine::addStudyMinutes(file, 10), 10);
    EXPECT_EQ(read(), "10");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path().toStdString()), {}), 1)
        << "nothing but the file is left in the folder";
}

TEST_F(StudyTimeFile, FurtherLinesAndBlanksAreDropped) {
    write("  42\r\nmore\r\nlines");
    engine::addStudyMinutes(file, 3);
    EXPECT_EQ(read(), "45");
}

TEST_F(StudyTimeFile, ATotalThatIsNoNumberCountsAsZero) {
    write("abc");
    engine::addStudyMinutes(file, 1);
    EXPECT_EQ(read(), "1");
}

TEST_F(StudyTimeFile, AReadOnlyFolderEndsQuietlyAndKeepsTheOldTotal) {
    write("7");
    fs::permissions(folder.path().toStdString(), fs::perms::owner_read | fs::perms::owner_exec);
    if (QFile(folder.filePath("probe")).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_EQ(engine::addStudyMinutes(file, 5), std::nullopt);
    EXPECT_EQ(read(), "7");
    fs::permissions(folder.path().toStdString(), fs::perms::owner_all);
}

TEST_F(StudyTimeFile, AFolderThatDoesNotExistEndsQuietly) {
    const std::string nowhere = folder.filePath("missing/geo.ti").toStdString();
    EXPECT_EQ(engine::addStudyMinutes(nowhere, 4), std::nullopt);
    EXPECT_FALSE(fs::exists(nowhere));
}

TEST_F(StudyTimeFile, ALockHeldByALivingProgramIsNeverWrittenPast) {
    write("7");
    const int other = ::open(folder.path().toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    EXPECT_EQ(engine::addStudyMinutes(file, 5, 300), std::nullopt);
    EXPECT_EQ(read(), "7") << "the other program's update must not be overwritten";
    ::close(other);
    EXPECT_EQ(engine::addStudyMinutes(file, 5, 300), 12);
}

TEST_F(StudyTimeFile, EightProgramsAddingFiftyTimesEachAtOnceAllCount) {
    write("0");
    std::vector<std::unique_ptr<QProcess>> adders;
    for (int minutes = 1; minutes <= 8; ++minutes)
        adders.push_back(adder(minutes, 50));
    for (auto& p : adders) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << "an update was given up";
    }
    EXPECT_EQ(read(), std::to_string(50 * (1 + 2 + 3 + 4 + 5 + 6 + 7 + 8)));
}

// Every other round the kill waits until the writer is busy adding, so it lands inside the
// read, write and rename as well as in the start-up.
TEST_F(StudyTimeFile, AWriterKilledAtAnyMomentNeverDamagesOrShrinksTheTotal) {
    write("1000");
    std::mt19937 random(7);
    long long before = 1000;
    for (int round = 0; round < 200; ++round) {
        auto p = adder(1, 1000000);
        ASSERT_TRUE(p->waitForStarted());
        if (round % 2 == 1) {
            QDeadlineTimer busy(20000);
            while (read() == std::to_string(before) && !busy.hasExpired())
                QThread::usleep(200);
            QThread::usleep(std::uniform_int_distribution<unsigned>(0, 3000)(random));
        } else {
            QThread::usleep(std::uniform_int_distribution<unsigned>(0, 20000)(random));
        }
        p->kill(); // SIGKILL
        p->waitForFinished();
        const std::string text = read();
        ASSERT_TRUE(isWholeNumber(text)) << "round " << round << ": '" << text << "'";
        ASSERT_GE(std::stoll(text), before) << "round " << round;
        before = std::stoll(text);
    }
    EXPECT_GT(before, 1000) << "the writers were killed while adding, not only while starting";
    EXPECT_EQ(engine::addStudyMinutes(file, 1, 5000), before + 1)
        << "a killed program leaves no lock behind";
}
