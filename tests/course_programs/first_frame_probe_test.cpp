// The start-up benchmark's probe in the shipped programs: with the variable set each one
// reports its first painted frame and ends by itself, without touching its files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct ProbedRun {
    std::string output;
    int status = -1;
};

ProbedRun runProbed(const std::string& program) {
    const std::string command =
        "COURSE_FIRST_FRAME_PROBE=1 QT_QPA_PLATFORM=offscreen timeout 60 \"" +
        std::string(STAGE_DIR) + "/" + program + "\" 2>/dev/null";
    ProbedRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

long long stampOf(const std::string& output, const std::string& word) {
    std::istringstream lines(output);
    for (std::string name; lines >> name;) {
        long long stamp = -1;
        lines >> stamp;
        if (name == word)
            return stamp;
    }
    return -1;
}

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FirstFrameProbe, LessonProgramReportsItsFirstFrameAndWritesNoStudyTime) {
    const auto studyTime = std::filesystem::path(STAGE_DIR) / "geo.ti";
    const bool existed = std::filesystem::exists(studyTime);
    const std::string before = existed ? contentOf(studyTime) : std::string();
    const ProbedRun run = runProbed("shapes");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_GT(stampOf(run.output, "first-frame"), 0) << run.output;
    EXPECT_EQ(std::filesystem::exists(studyTime), existed);
    if (existed) {
        EXPECT_EQ(contentOf(studyTime), before);
    }
}

TEST(FirstFrameProbe, MenuPassesTheWelcomePictureAndReportsItsMainWindow) {
    const ProbedRun run = runProbed("menu");
    EXPECT_EQ(run.status, 0) << run.output;
    const long long leadIn = stampOf(run.output, "lead-in");
    const long long frame = stampOf(run.output, "first-frame");
    EXPECT_GT(leadIn, 0) << run.output;
    EXPECT_GT(frame, leadIn) << "the main window comes after the welcome picture";
}

TEST(FirstFrameProbe, DoorGameReportsItsFirstFrame) {
    const ProbedRun run = runProbed("doorgame");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_GT(stampOf(run.output, "first-frame"), 0) << run.output;
}

} // namespace
