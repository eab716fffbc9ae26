#include "child_opening.h"

#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace help_test {

namespace {

// Exit codes of the child: the open status, or this when something was thrown.
constexpr int somethingThrown = 100;

[[noreturn]] void openAndExit(const std::filesystem::path& file) {
    int code = somethingThrown;
    try {
        const platform::ChmArchive archive(file);
        if (archive.isOpen()) {
            (void)archive.filePaths();
        }
        code = static_cast<int>(archive.openStatus());
    } catch (...) {
    }
    // Straight out: the parent's exit handlers and leak check belong to the parent.
    ::_exit(code);
}

ChildOpening outcome(int waitStatus) {
    if (WIFSIGNALED(waitStatus)) {
        return {std::nullopt,
                "the child was ended by signal " + std::to_string(WTERMSIG(waitStatus))};
    }
    const int code = WEXITSTATUS(waitStatus);
    if (code == somethingThrown) {
        return {std::nullopt, "opening threw an exception"};
    }
    return {static_cast<platform::ChmOpenStatus>(code), {}};
}

} // namespace

ChildOpening openInChildWithin(const std::filesystem::path& file, std::chrono::seconds limit) {
    const pid_t child = ::fork();
    if (child < 0) {
        return {std::nullopt, "no child process could be started"};
    }
    if (child == 0) {
        openAndExit(file);
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int waitStatus = 0;
    for (;;) {
        const pid_t ended = ::waitpid(child, &waitStatus, WNOHANG);
        if (ended == child) {
            return outcome(waitStatus);
        }
        if (ended < 0 && errno != EINTR) {
            return {std::nullopt, "the child process was lost"};
        }
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &waitStatus, 0);
            return {std::nullopt, "still opening " + file.filename().string() + " after " +
                                      std::to_string(limit.count()) + " s"};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace help_test
