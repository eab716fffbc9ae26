// startup_bench [--rounds N] [program ...]
// Times each program from its start to its first painted frame (as the first-frame probe
// reports it), alternating in every round with a bare Qt Widgets window program, and prints
// the medians and the ratio to the bare window. Programs are named as staged in the
// installation folder; without names: shapes and menu. The menu's welcome picture is closed
// as soon as it is shown, so its figure is the time to the main window's first frame.
// Programs run on the platform the environment names (offscreen when there is no display).
#include "bench/sample_figures.h"
#include "platform/qt/first_frame_probe.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct StartFigures {
    double firstFrame = 0; // ms from the start of the process
    double processor = 0;  // ms of processor time the process used, all its threads
    std::optional<double> leadIn;
};

// Reads the child's report lines until it ends or `seconds` pass.
std::string readReport(int fd, int seconds) {
    std::string text;
    const long long deadline = monotonicNanoseconds() + seconds * 1000000000LL;
    char buffer[256];
    while (text.find("first-frame") == std::string::npos) {
        const long long left = (deadline - monotonicNanoseconds()) / 1000000;
        if (left <= 0)
            break;
        pollfd watched{fd, POLLIN, 0};
        if (poll(&watched, 1, static_cast<int>(left)) <= 0)
            break;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

std::optional<long long> stampAfter(const std::string& report, const std::string& word) {
    std::istringstream lines(report);
    for (std::string name; lines >> name;) {
        long long stamp = 0;
        if (!(lines >> stamp))
            return std::nullopt;
        if (name == word)
            return stamp;
    }
    return std::nullopt;
}

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Starts the program with the probe on and waits for its report.
std::optional<StartFigures> timeStart(const std::string& path, const char* argument) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    // The platform's warnings would only clutter the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    std::vector<char*> arguments{const_cast<char*>(path.c_str()), const_cast<char*>(argument),
                                 nullptr};
    pid_t child = 0;
    const long long start = monotonicNanoseconds();
    const int failed =
        posix_spawn(&child, path.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed != 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    const std::string report = readReport(pipeEnds[0], 30);
    close(pipeEnds[0]);
    kill(child, SIGKILL); // ended already when it reported
    rusage used{};
    wait4(child, nullptr, 0, &used);
    const auto frame = stampAfter(report, "first-frame");
    if (!frame)
        return std::nullopt;
    StartFigures figures;
    figures.firstFrame = static_cast<double>(*frame - start) / 1e6;
    figures.processor = milliseconds(used.ru_utime) + milliseconds(used.ru_stime);
    if (const auto leadIn = stampAfter(report, "lead-in"))
        figures.leadIn = static_cast<double>(*leadIn - start) / 1e6;
    return figures;
}

struct Samples {
    std::vector<double> firstFrames;
    std::vector<double> processor;
    std::vector<double> leadIns;
    int failures = 0;
};

// The same starts as processor time (user and system, every thread) up to the first frame:
// steadier than the clock on a machine that other work shares.
void printProcessorTimes(std::map<std::string, Samples>& samples, const std::string& bare,
                         const std::string& bareWithText, const std::string& stage,
                         const std::vector<std::string>& programs) {
    const double bareMedian = bench::figuresOf(samples[bare].processor).median;
    std::cout << "processor time to the first frame, medians\n"
              << std::fixed << std::setprecision(1) << "  " << std::left << std::setw(16)
              << "bare window" << std::right << std::setw(8) << bareMedian << " ms\n"
              << "  " << std::left << std::setw(16) << "  with a text" << std::right << std::setw(8)
              << bench::figuresOf(samples[bareWithText].processor).median << " ms\n";
    for (const auto& program : programs) {
        const auto& s = samples[stage + "/" + program];
        if (s.processor.empty())
            continue;
        const double median = bench::figuresOf(s.processor).median;
        std::cout << "  " << std::left << std::setw(16) << program << std::right << std::setw(8)
                  << median << " ms  " << std::setprecision(2) << median / bareMedian
                  << " x the bare window\n"
                  << std::setprecision(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 15;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else
            programs.emplace_back(argv[i]);
    }
    if (programs.empty())
        programs = {"shapes", "menu"};
    setenv(platform::firstFrameProbeVariable, "1", 1);
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string bare = BARE_WINDOW_PATH;
    const std::string stage = STAGE_DIR;

    const std::string bareWithText = bare + " --text";
    std::map<std::string, Samples> samples;
    std::vector<std::string> order{bare, bareWithText};
    for (const auto& program : programs)
        order.push_back(stage + "/" + program);
    for (int round = 0; round < rounds; ++round) {
        for (const auto& path : order) {
            auto& into = samples[path];
            const bool withText = path == bareWithText;
            const auto figures = timeStart(withText ? bare : path, withText ? "--text" : nullptr);
            if (!figures) {
                ++into.failures;
                continue;
            }
            into.firstFrames.push_back(figures->firstFrame);
            into.processor.push_back(figures->processor);
            if (figures->leadIn)
                into.leadIns.push_back(*figures->leadIn);
        }
    }

    const char* platformName = std::getenv("QT_QPA_PLATFORM");
    std::cout << "start to first painted frame, median of " << rounds << " alternated rounds ("
              << (platformName ? platformName : "default") << " platform)\n";
    const double bareMedian = bench::figuresOf(samples[bare].firstFrames).median;
    const double textMedian = bench::figuresOf(samples[bareWithText].firstFrames).median;
    std::cout << std::fixed << std::setprecision(1) << "  " << std::left << std::setw(16)
              << "bare window" << std::right << std::setw(8) << bareMedian << " ms\n"
              << "  " << std::left << std::setw(16) << "  with a text" << std::right << std::setw(8)
              << textMedian << " ms  " << std::setprecision(2) << textMedian / bareMedian
              << " x (the font database)\n"
              << std::setprecision(1);
    for (const auto& program : programs) {
        const auto& s = samples[stage + "/" + program];
        std::cout << "  " << std::left << std::setw(16) << program << std::right;
        if (s.firstFrames.empty()) {
            std::cout << "  no first frame reported (is it staged and does it call "
                         "installFirstFrameProbe?)\n";
            continue;
        }
        const double median = bench::figuresOf(s.firstFrames).median;
        std::cout << std::setw(8) << median << " ms  " << std::setprecision(2)
                  << median / bareMedian << " x the bare window, " << median / textMedian
                  << " x with a text" << std::setprecision(1);
        if (!s.leadIns.empty())
            std::cout << "  (first window " << bench::figuresOf(s.leadIns).median << " ms)";
        if (s.failures > 0)
            std::cout << "  " << s.failures << " runs without a report";
        std::cout << "\n";
    }
    printProcessorTimes(samples, bare, bareWithText, stage, programs);
    std::cout << "  goal: at most 1.3 x the bare window\n";
    return 0;
}
