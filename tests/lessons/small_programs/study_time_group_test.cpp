// The study-time files the five programs add to when their window is closed: number theory
// keeps its own, the four algebra programs share one.
#include "engine/core/study_time.h"
#include "engine/view/study_time_file.h"
#include "small_program.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace small_programs;

namespace {

class StudyTimeFiles : public ::testing::Test {
  protected:
    QTemporaryDir folder;

    std::string fileOf(const std::string& program) const {
        const auto& name = smallProgram(program).catalogue.settings.studyTimeFile;
        return engine::studyTimeFilePath(folder.path().toStdString(), name);
    }
    std::string contentOf(const std::string& file) const {
        std::ifstream in(folder.filePath(QString::fromStdString(file)).toStdString(),
                         std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool exists(const std::string& file) const {
        return std::filesystem::exists(folder.filePath(QString::fromStdString(file)).toStdString());
    }
    // Closing a program after a run of that many seconds.
    void close(const std::string& program, double seconds) {
        engine::addStudyMinutes(fileOf(program), engine::minutesOfRun(0, seconds * 1000));
    }
};

} // namespace

TEST_F(StudyTimeFiles, ClosingNumberTheoryThenVectorsAddsToNumberTiThenAlgebraTi) {
    ASSERT_TRUE(folder.isValid());
    close("numbertheory", 10 * 60);
    EXPECT_EQ(contentOf("number.ti"), "10");
    EXPECT_FALSE(exists("algebra.ti"));
    close("vectorlessons", 90); // one and a half minutes count as 2
    EXPECT_EQ(contentOf("number.ti"), "10");
    EXPECT_EQ(contentOf("algebra.ti"), "2");
}

TEST_F(StudyTimeFiles, TheFourAlgebraProgramsAddUpInOneFile) {
    ASSERT_TRUE(folder.isValid());
    close("ringsfields", 60);
    close("numbersystems", 2 * 60);
    close("setsrelations", 3 * 60);
    close("vectorlessons", 4 * 60);
    EXPECT_EQ(contentOf("algebra.ti"), "10");
    EXPECT_FALSE(exists("number.ti"));
}
