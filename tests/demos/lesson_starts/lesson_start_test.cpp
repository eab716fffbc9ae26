// Each demonstration Page of a lesson program starts its staged program from the installation
// folder and waits for it: while it runs the lesson program does not go on, and it goes on once
// the program has ended (here a session end closes the window). The Pages and programs come
// from LESSON_STARTS ("PAGE PROGRAM PAGE PROGRAM ..."), set by add_lesson_start_test.
#include "engine/core/catalogue.h"
#include "platform/qt/program_start.h"
#include "support/child_processes.h"

#include <QDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <vector>

const engine::Catalogue& lessonCatalogue();

namespace {

struct Start {
    int page;
    std::string program;
};

std::vector<Start> lessonStarts() {
    std::vector<Start> starts;
    std::istringstream in(LESSON_STARTS);
    Start start;
    while (in >> start.page >> start.program)
        starts.push_back(start);
    return starts;
}

void PrintTo(const Start& start, std::ostream* out) {
    *out << "Page " << start.page << ": " << start.program;
}

class LessonStart : public ::testing::TestWithParam<Start> {};

TEST_P(LessonStart, PageStartsTheStagedProgramFromTheInstallationFolderAndWaits) {
    const Start start = GetParam();
    const engine::Catalogue& catalogue = lessonCatalogue();
    ASSERT_GE(catalogue.pageCount(), start.page);
    const std::string program = catalogue.page(start.page).program;
    ASSERT_EQ(program, start.program + ".exe");
    const std::string stage = STAGE_DIR;
    ASSERT_FALSE(platform::executableFor(stage, program).empty()) << program << " is staged";

    std::atomic<bool> returned{false};
    std::atomic<pid_t> seen{0};
    std::string workingDirectory;
    bool waitedWhileRunning = false;
    std::thread watcher([&] {
        for (int tries = 0; tries < 3000 && !seen; ++tries) {
            seen = test_support::childNamed(start.program);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!seen)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        workingDirectory =
            std::filesystem::read_symlink("/proc/" + std::to_string(seen.load()) + "/cwd").string();
        waitedWhileRunning = !returned;
        kill(seen, SIGTERM); // a session end: the program closes its window
    });
    const bool started = platform::runAndWait(stage, program);
    returned = true;
    watcher.join();
    EXPECT_TRUE(started);
    ASSERT_NE(seen.load(), 0) << program << " ran as a child of the lesson program";
    EXPECT_TRUE(waitedWhileRunning);
    EXPECT_EQ(workingDirectory, QDir(QString::fromStdString(stage)).canonicalPath().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pages, LessonStart, ::testing::ValuesIn(lessonStarts()),
                         [](const ::testing::TestParamInfo<Start>& run) {
                             return "Page" + std::to_string(run.param.page) + "_" +
                                    run.param.program;
                         });

} // namespace
