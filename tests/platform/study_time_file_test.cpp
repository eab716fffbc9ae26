#include "platform/qt/study_time_file.h"

#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class StudyTimeFile : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::string file = folder.filePath("algebra.ti").toStdString();

    void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string read() const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    QProcess* adder(int minutes, int times) {
        auto* p = new QProcess;
        p->start(STUDY_TIME_ADDER, {QString::fromStdString(file), QString::number(minutes),
                                    QString::number(times)});
        return p;
    }
};

} // namespace

TEST_F(StudyTimeFile, FirstRunMakesTheFileWithoutALineEnd) {
    EXPECT_EQ(platform::addStudyMinutes(file, 10), 10);
    EXPECT_EQ(read(), "10");
    EXPECT_FALSE(fs::exists(file + ".lock")) << "the lock is gone after the update";
}

TEST_F(StudyTimeFile, FurtherLinesAndBlanksAreDropped) {
    write("  42\r\nmore\r\nlines");
    platform::addStudyMinutes(file, 3);
    EXPECT_EQ(read(), "45");
}

TEST_F(StudyTimeFile, ATotalThatIsNoNumberCountsAsZero) {
    write("abc");
    platform::addStudyMinutes(file, 1);
    EXPECT_EQ(read(), "1");
}

TEST_F(StudyTimeFile, AReadOnlyFolderEndsQuietlyAndKeepsTheOldTotal) {
    write("7");
    fs::permissions(folder.path().toStdString(), fs::perms::owner_read | fs::perms::owner_exec);
    if (QFile(folder.filePath("probe")).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_EQ(platform::addStudyMinutes(file, 5), 12);
    EXPECT_EQ(read(), "7");
    fs::permissions(folder.path().toStdString(), fs::perms::owner_all);
}

TEST_F(StudyTimeFile, AFolderThatDoesNotExistEndsQuietly) {
    const std::string nowhere = folder.filePath("missing/geo.ti").toStdString();
    EXPECT_EQ(platform::addStudyMinutes(nowhere, 4), 4);
    EXPECT_FALSE(fs::exists(nowhere));
}

TEST_F(StudyTimeFile, TwoProgramsClosingAtOnceBothCount) {
    write("0");
    std::unique_ptr<QProcess> first(adder(1, 40));
    std::unique_ptr<QProcess> second(adder(2, 40));
    ASSERT_TRUE(first->waitForFinished(60000));
    ASSERT_TRUE(second->waitForFinished(60000));
    EXPECT_EQ(read(), "120");
}

TEST_F(StudyTimeFile, AKilledUpdateNeverLeavesADamagedFile) {
    write("1000");
    std::mt19937 random(7);
    for (int round = 0; round < 10; ++round) {
        std::unique_ptr<QProcess> p(adder(1, 1000000));
        ASSERT_TRUE(p->waitForStarted());
        QThread::msleep(std::uniform_int_distribution<int>(5, 60)(random));
        p->kill();
        p->waitForFinished();
        const std::string text = read();
        ASSERT_FALSE(text.empty()) << "round " << round;
        EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos) << text;
        EXPECT_GE(std::stoll(text), 1000);
    }
    const long long before = std::stoll(read());
    EXPECT_EQ(platform::addStudyMinutes(file, 1), before + 1) << "a lock left by a killed program is broken";
}
